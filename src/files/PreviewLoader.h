#pragma once

#include "files/PictureReader.h"

#include <QObject>
#include <QThreadPool>

#include <functional>
#include <optional>

// Reads the browser's preview pictures on a worker thread, so holding an arrow
// key over a folder of large photographs never stalls the file list. One read
// runs at a time; requests made meanwhile replace one another, and only the
// newest request's picture is ever delivered.
class PreviewLoader : public QObject
{
    Q_OBJECT
public:
    using Reader = std::function<LoadedPicture(const QString &path)>;

    // `reader` runs on the worker thread; by default PictureReader::readFile
    // with a white background.
    explicit PreviewLoader(QObject *parent = nullptr, Reader reader = {});
    // Waits for a read under way (at most one).
    ~PreviewLoader() override;

    void request(const QString &path);
    // Nothing requested so far is delivered.
    void cancel();
    bool isBusy() const { return m_running; }

signals:
    void ready(const QString &path, const LoadedPicture &picture);

private:
    void start(const QString &path);
    void finished(quint64 generation, const QString &path, const LoadedPicture &picture);

    Reader m_reader;
    QThreadPool m_pool;
    quint64 m_generation = 0;
    bool m_running = false;
    std::optional<QString> m_pending;
};

#include "files/PreviewLoader.h"

#include <QMetaObject>

PreviewLoader::PreviewLoader(QObject *parent, Reader reader)
    : QObject(parent)
    , m_reader(std::move(reader))
{
    if (!m_reader) {
        m_reader = [](const QString &path) {
            return PictureReader::readFile(path, ColourValue(0xFFFFFF));
        };
    }
    m_pool.setMaxThreadCount(1);
}

PreviewLoader::~PreviewLoader()
{
    // The worker posts its result to this object; once it has finished, the
    // posted event dies with the object.
    m_pool.waitForDone();
}

void PreviewLoader::request(const QString &path)
{
    ++m_generation;
    if (m_running) {
        m_pending = path;
        return;
    }
    start(path);
}

void PreviewLoader::cancel()
{
    ++m_generation;
    m_pending.reset();
}

void PreviewLoader::start(const QString &path)
{
    m_running = true;
    const quint64 generation = m_generation;
    Reader reader = m_reader;
    m_pool.start([this, reader, generation, path] {
        LoadedPicture picture = reader(path);
        QMetaObject::invokeMethod(
            this, [this, generation, path, picture] { finished(generation, path, picture); },
            Qt::QueuedConnection);
    });
}

void PreviewLoader::finished(quint64 generation, const QString &path, const LoadedPicture &picture)
{
    m_running = false;
    if (m_pending) {
        const QString next = *std::exchange(m_pending, std::nullopt);
        start(next);
        return;
    }
    if (generation == m_generation)
        emit ready(path, picture);
}

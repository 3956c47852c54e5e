#pragma once

#include <QObject>
#include <QString>

#include <optional>

// What the tool palette holds that others read: the text of the line-width box
// `Text1` (pixels, digits only).
class ToolPaletteModel : public QObject
{
    Q_OBJECT
public:
    explicit ToolPaletteModel(QObject *parent = nullptr);

    QString Text1() const { return m_text1; }
    void setText1(const QString &text);

    // The line width the box holds as a 16-bit number: larger values give
    // 32767; an empty box (the user is typing a new width) gives nothing, and
    // the canvas keeps the width it has.
    std::optional<int> lineWidth() const;

signals:
    void text1Changed();

private:
    QString m_text1 = QStringLiteral("1");
};

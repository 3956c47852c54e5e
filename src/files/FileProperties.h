#pragma once

#include "files/DosAttributes.h"
#include "files/FileMessages.h"

#include <QString>

#include <optional>

class QDateTime;

// What the file-properties dialog shows of a document's file.
struct FileFacts
{
    QString name;
    QString folder;
    QString size;
    QString type;
    QString modified;
    DosAttributes::State attributes;
};

// The dialog's filling, or the message shown instead of it.
struct FilePropertiesResult
{
    std::optional<FileFacts> facts;
    FileMessage message;
};

namespace FileProperties {

// Fills the dialog from the document's caption, which names its file once it
// was opened or saved; a "New Picture " caption names none and gives the
// not-saved warning.
FilePropertiesResult load(const QString &caption);

// "12345 字节".
QString sizeText(qint64 bytes);
// The caption's last four characters and " 文件": ".bmp 文件", "jpeg 文件".
QString typeText(const QString &caption);
// The caption up to and including its last "/"; empty without one.
QString folderOf(const QString &caption);
// The modification time as the dialog shows it: "2026/12/8 9:42:09".
QString timeText(const QDateTime &time);

}

#pragma once

#include <QByteArray>
#include <QString>

// Reading a file's text into the text box ("粘贴自...").
namespace TextFileReader {

// Larger files are refused unread ("文件过长！"): a megabyte of text is
// hundreds of lines far wider than any canvas, and measuring and printing it
// would keep the program busy for a long time.
inline constexpr qint64 MaxBytes = qint64(1) << 20;

// How the dialog's filter says to read the file: as plain text (the TXT
// filter) or as rich text (the RTF filter and "所有文件", where a file that is
// not RTF reads as plain text).
enum class Format { Plain, Rich };
Format formatForFilter(int filterIndex);

// Plain text: UTF-8 or UTF-16 after their byte-order mark, UTF-8 without
// one when the bytes are valid UTF-8, else GBK (code page 936). Line ends
// become "\n".
QString plainText(const QByteArray &bytes);
QString textOf(const QByteArray &bytes, Format format);

struct Result
{
    enum class Status { Read, NotFound, TooLong, Failed };
    Status status = Status::Read;
    QString text;
    // Failed: the system's description.
    QString reason;
};
Result read(const QString &path, Format format);

}

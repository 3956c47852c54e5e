#include "files/TextFileReader.h"

#include "files/CodePageDecoder.h"
#include "files/RtfText.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace TextFileReader {

namespace {

QString decodeWhole(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    // Stateless: a character cut off at the end is one replacement character.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

QString withNewlines(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

bool isUtf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    // The decoder converts only when its result is read.
    const QString text = decoder.decode(bytes);
    return !decoder.hasError();
}

}

Format formatForFilter(int filterIndex)
{
    return filterIndex == 1 ? Format::Plain : Format::Rich;
}

QString plainText(const QByteArray &bytes)
{
    const QByteArrayView view(bytes);
    if (view.startsWith("\xEF\xBB\xBF"))
        return withNewlines(decodeWhole(QStringConverter::Utf8, view.sliced(3)));
    if (view.startsWith("\xFF\xFE"))
        return withNewlines(decodeWhole(QStringConverter::Utf16LE, view.sliced(2)));
    if (view.startsWith("\xFE\xFF"))
        return withNewlines(decodeWhole(QStringConverter::Utf16BE, view.sliced(2)));
    if (isUtf8(view))
        return withNewlines(QString::fromUtf8(view));
    CodePageDecoder gbk;
    return withNewlines(gbk.decode(bytes, 936));
}

QString textOf(const QByteArray &bytes, Format format)
{
    if (format == Format::Rich && RtfText::looksLikeRtf(bytes))
        return RtfText::plainText(bytes);
    return CodePageDecoder::withoutLoneSurrogates(plainText(bytes));
}

Result read(const QString &path, Format format)
{
    Result result;
    QFile file(path);
    // Missing, a folder, or not ours to read: the user is asked to retry.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.status = Result::Status::NotFound;
        return result;
    }
    if (file.size() > MaxBytes) {
        result.status = Result::Status::TooLong;
        return result;
    }
    // Read one byte past the limit: a file that grows while we read (or a
    // device that gives no size) is still refused.
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (bytes.size() > MaxBytes) {
        result.status = Result::Status::TooLong;
        return result;
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = Result::Status::Failed;
        result.reason = file.errorString();
        return result;
    }
    result.text = textOf(bytes, format);
    return result;
}

}

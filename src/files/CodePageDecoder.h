#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <map>
#include <memory>

// Bytes in a Windows code page to text, through Qt's converters (ICU here).
// Unknown code pages read as Windows-1252; bytes a code page cannot map, and
// a character cut off at the end, become U+FFFD.
class CodePageDecoder
{
public:
    QString decode(const QByteArray &bytes, int codePage);

    // The converter's name for a Windows code page.
    static QByteArray nameOf(int codePage);
    // Text safe to show: every surrogate without its partner becomes U+FFFD.
    static QString withoutLoneSurrogates(QString text);

private:
    QStringDecoder &decoderFor(int codePage);

    // Converters are costly to open; a file uses few code pages. Qt keeps
    // the name it was given, so the name lives as long as its converter.
    struct Converter
    {
        QByteArray name;
        std::unique_ptr<QStringDecoder> decoder;
    };
    std::map<int, Converter> m_decoders;
};

#include "files/CodePageDecoder.h"

QByteArray CodePageDecoder::nameOf(int codePage)
{
    switch (codePage) {
    case 936:
        // Not "GB2312", which loses 0x80 (the euro sign).
        return "GBK";
    case 950:
        return "Big5";
    case 932:
        return "Shift_JIS";
    case 10000:
        return "macintosh";
    case 437:
        return "IBM437";
    case 65001:
        return "UTF-8";
    case 20127:
        return "US-ASCII";
    case 28591:
        return "ISO-8859-1";
    default:
        return "windows-" + QByteArray::number(codePage);
    }
}

QStringDecoder &CodePageDecoder::decoderFor(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found != m_decoders.end())
        return *found->second.decoder;
    if (m_decoders.size() >= 16)
        m_decoders.clear();
    // Stateless: nothing of one decode carries over into the next.
    constexpr auto flags = QStringConverter::Flag::Stateless;
    Converter converter;
    for (const QByteArray &name : { nameOf(codePage), QByteArray("windows-1252") }) {
        converter.name = name;
        converter.decoder = std::make_unique<QStringDecoder>(converter.name.constData(), flags);
        if (converter.decoder->isValid())
            break;
    }
    if (!converter.decoder->isValid())
        converter.decoder = std::make_unique<QStringDecoder>(QStringConverter::Latin1, flags);
    return *m_decoders.emplace(codePage, std::move(converter)).first->second.decoder;
}

QString CodePageDecoder::decode(const QByteArray &bytes, int codePage)
{
    // ICU's converters drop a character cut off at the end instead of
    // reporting it. A line end after the bytes makes a cut lead byte an
    // invalid pair, shown as a replacement character, and is then taken off.
    QString text = decoderFor(codePage).decode(bytes + '\n');
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

QString CodePageDecoder::withoutLoneSurrogates(QString text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

#include "files/PictureCompleteness.h"

#include "files/ByteReader.h"

#include <cstring>

namespace PictureCompleteness {

namespace {

bool isStandaloneMarker(quint8 marker)
{
    // A stuffed zero, TEM and the restart markers carry no length; inside
    // entropy-coded data FF00 and FFD0..FFD7 are all that may appear.
    return marker == 0x00 || marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

std::optional<quint16> u16be(const ByteReader &reader, qint64 at)
{
    const auto high = reader.u8(at), low = reader.u8(at + 1);
    if (!high || !low)
        return std::nullopt;
    return quint16(*high << 8 | *low);
}

}

Verdict ofJpeg(QByteArrayView bytes)
{
    const ByteReader reader(bytes);
    if (!reader.matches(0, "\xFF\xD8"))
        return Verdict::Damaged;
    const char *data = bytes.data();
    const qint64 size = bytes.size();
    qint64 at = 2;
    for (;;) {
        // Bytes that are not a marker (a scan's data, or stray bytes libjpeg
        // also steps over) lead to the next 0xFF.
        const void *next = std::memchr(data + at, 0xFF, size_t(size - at));
        if (!next)
            return Verdict::Cut;
        at = static_cast<const char *>(next) - data;
        while (at < size && quint8(data[at]) == 0xFF)
            ++at;
        const auto marker = reader.u8(at++);
        if (!marker)
            return Verdict::Cut;
        if (*marker == 0xD9)
            return Verdict::Whole;
        if (isStandaloneMarker(*marker))
            continue;
        const auto length = u16be(reader, at);
        if (!length)
            return Verdict::Cut;
        if (*length < 2)
            return Verdict::Damaged;
        if (!reader.has(at, *length))
            return Verdict::Cut;
        at += *length;
    }
}

Verdict ofPng(QByteArrayView bytes)
{
    const ByteReader reader(bytes);
    if (!reader.matches(0, "\x89PNG\r\n\x1a\n"))
        return Verdict::Damaged;
    constexpr qint64 LengthTypeAndCrc = 12;
    qint64 at = 8;
    for (;;) {
        const auto length = reader.u32be(at);
        if (!length)
            return Verdict::Cut;
        if (*length > 0x7FFFFFFFu)
            return Verdict::Damaged;
        if (!reader.has(at, LengthTypeAndCrc + *length))
            return Verdict::Cut;
        if (reader.matches(at + 4, "IEND"))
            return Verdict::Whole;
        at += LengthTypeAndCrc + *length;
    }
}

Verdict ofBmpRle(QByteArrayView pixels, qint64 height, bool fourBit)
{
    const ByteReader reader(pixels);
    qint64 at = 0;
    qint64 row = 0;
    while (row < height) {
        const auto count = reader.u8(at), code = reader.u8(at + 1);
        if (!count || !code)
            return Verdict::Cut;
        at += 2;
        if (*count > 0)
            continue; // a run of one colour
        switch (*code) {
        case 0: // end of line
            ++row;
            break;
        case 1: // end of bitmap
            return Verdict::Whole;
        case 2: { // move right and up
            const auto down = reader.u8(at + 1);
            if (!down)
                return Verdict::Cut;
            row += *down;
            at += 2;
            break;
        }
        default: { // that many literal pixels, padded to 16 bits
            const qint64 bytes = fourBit ? (*code + 1) / 2 : *code;
            const qint64 padded = bytes + (bytes & 1);
            if (!reader.has(at, padded))
                return Verdict::Cut;
            at += padded;
            break;
        }
        }
    }
    return Verdict::Whole;
}

}

#include "files/DibDecoder.h"

#include "files/ByteReader.h"

#include <array>
#include <bit>
#include <vector>

namespace {

constexpr quint32 CoreHeaderSize = 12, InfoHeaderSize = 40;
constexpr quint32 BiRgb = 0, BiBitFields = 3, BiAlphaBitFields = 6;

struct Header
{
    qint64 width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    quint32 compression = BiRgb;
    quint32 size = 0;
    qint64 colours = 0;
    std::array<quint32, 3> masks {};
    qint64 tableOffset = 0; // where the colour table starts
    int entryBytes = 4;
};

std::optional<Header> readHeader(const ByteReader &r)
{
    Header h;
    const auto size = r.u32le(0);
    if (!size)
        return std::nullopt;
    h.size = *size;
    if (h.size == CoreHeaderSize) {
        h.width = r.u16le(4).value_or(0);
        h.height = r.u16le(6).value_or(0);
        h.bits = r.u16le(10).value_or(0);
        h.entryBytes = 3;
        h.colours = h.bits <= 8 ? qint64(1) << h.bits : 0;
        h.tableOffset = CoreHeaderSize;
        return h;
    }
    if (h.size < InfoHeaderSize || !r.has(0, InfoHeaderSize))
        return std::nullopt;
    h.width = *r.i32le(4);
    const qint32 height = *r.i32le(8);
    h.topDown = height < 0;
    h.height = std::abs(qint64(height));
    h.bits = *r.u16le(14);
    h.compression = *r.u32le(16);
    const qint64 used = *r.u32le(32);
    h.tableOffset = h.size;
    if (h.compression == BiBitFields || h.compression == BiAlphaBitFields) {
        // A 40-byte header is followed by its masks; larger ones hold them.
        const qint64 at = h.size == InfoHeaderSize ? InfoHeaderSize : 40;
        for (int k = 0; k < 3; ++k)
            h.masks[size_t(k)] = r.u32le(at + 4 * k).value_or(0);
        if (h.size == InfoHeaderSize)
            h.tableOffset += h.compression == BiAlphaBitFields ? 16 : 12;
    } else if (h.bits == 16) {
        h.masks = { 0x7C00, 0x03E0, 0x001F };
    } else if (h.bits == 24 || h.bits == 32) {
        h.masks = { 0xFF0000, 0x00FF00, 0x0000FF };
    }
    if (h.bits <= 8)
        h.colours = used == 0 || used > (qint64(1) << h.bits) ? qint64(1) << h.bits : used;
    else
        h.colours = std::min<qint64>(used, 256);
    return h;
}

bool supported(const Header &h)
{
    const bool depth
        = h.bits == 1 || h.bits == 4 || h.bits == 8 || h.bits == 16 || h.bits == 24 || h.bits == 32;
    const bool fields = h.compression == BiBitFields || h.compression == BiAlphaBitFields;
    return depth && (h.compression == BiRgb || (fields && (h.bits == 16 || h.bits == 32)));
}

std::vector<QRgb> palette(const ByteReader &r, const Header &h, DibDecoder::ColourUsage usage)
{
    std::vector<QRgb> table(size_t(h.bits <= 8 ? qint64(1) << h.bits : 0), qRgb(0, 0, 0));
    for (qint64 k = 0; k < h.colours && k < qint64(table.size()); ++k) {
        if (usage == DibDecoder::ColourUsage::PaletteIndices) {
            // Indices into a logical palette the player does not keep: grey.
            const int grey = int(r.u16le(h.tableOffset + 2 * k).value_or(0) & 0xFF);
            table[size_t(k)] = qRgb(grey, grey, grey);
            continue;
        }
        const qint64 at = h.tableOffset + k * h.entryBytes;
        if (!r.has(at, 3))
            break;
        table[size_t(k)] = qRgb(*r.u8(at + 2), *r.u8(at + 1), *r.u8(at));
    }
    return table;
}

struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    quint32 top = 0;

    explicit Channel(quint32 m)
        : mask(m)
        , shift(m ? std::countr_zero(m) : 0)
        , top(m ? m >> shift : 0)
    { }
    int of(quint32 pixel) const { return top ? int(((pixel & mask) >> shift) * 255 / top) : 0; }
};

}

namespace DibDecoder {

QImage decode(QByteArrayView info, QByteArrayView bits, qint64 pixelLimit, ColourUsage usage)
{
    const ByteReader headerReader(info);
    const auto header = readHeader(headerReader);
    if (!header || !supported(*header))
        return {};
    const Header &h = *header;
    if (h.width <= 0 || h.height <= 0 || h.width > 32767 || h.height > 32767
        || h.width * h.height > pixelLimit)
        return {};
    const auto table = palette(headerReader, h, usage);
    const qint64 stride = (h.width * h.bits + 31) / 32 * 4;
    QImage image(int(h.width), int(h.height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    image.fill(qRgb(0, 0, 0));
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    const ByteReader pixels(bits);
    for (qint64 row = 0; row < h.height; ++row) {
        const qint64 start = row * stride;
        if (!pixels.has(start, stride))
            break;
        const auto *in = reinterpret_cast<const uchar *>(bits.data()) + start;
        const int y = int(h.topDown ? row : h.height - 1 - row);
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (qint64 x = 0; x < h.width; ++x) {
            switch (h.bits) {
            case 1:
                out[x] = table[(in[x / 8] >> (7 - x % 8)) & 1];
                break;
            case 4:
                out[x] = table[(in[x / 2] >> (x % 2 ? 0 : 4)) & 0xF];
                break;
            case 8:
                out[x] = table[in[x]];
                break;
            case 16: {
                const quint32 p = in[2 * x] | quint32(in[2 * x + 1]) << 8;
                out[x] = qRgb(red.of(p), green.of(p), blue.of(p));
                break;
            }
            case 24:
                out[x] = qRgb(in[3 * x + 2], in[3 * x + 1], in[3 * x]);
                break;
            default: {
                const quint32 p = in[4 * x] | quint32(in[4 * x + 1]) << 8
                    | quint32(in[4 * x + 2]) << 16 | quint32(in[4 * x + 3]) << 24;
                out[x] = qRgb(red.of(p), green.of(p), blue.of(p));
                break;
            }
            }
        }
    }
    return image;
}

QImage decodePacked(QByteArrayView dib, qint64 pixelLimit, ColourUsage usage)
{
    const ByteReader reader(dib);
    const auto header = readHeader(reader);
    if (!header)
        return {};
    const qint64 entry = usage == ColourUsage::PaletteIndices ? 2 : header->entryBytes;
    const qint64 start = header->tableOffset + header->colours * entry;
    if (start > dib.size())
        return {};
    return decode(dib.first(start), dib.sliced(start), pixelLimit, usage);
}

}

#include "history/TileCodec.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr quint32 RunFlag = 1;

// A run of two costs as much as two literal pixels and splits the literal
// around it; from three on a run pays.
constexpr int ShortestRun = 3;

// Appends tokens, keeping the last one open so a run or a literal can go on
// across the end of a row. Refuses to grow past `limit` words.
class TokenWriter
{
public:
    TokenWriter(quint32 *out, qsizetype limit)
        : m_out(out)
        , m_limit(limit)
    { }

    bool continuesRun(quint32 value) const { return m_open && m_isRun && m_value == value; }

    bool run(quint32 value, qsizetype count)
    {
        if (continuesRun(value)) {
            m_count += count;
            return true;
        }
        close();
        if (m_size + 2 > m_limit)
            return false;
        open(true);
        m_value = value;
        m_out[m_size++] = value;
        m_count = count;
        return true;
    }

    bool literal(const quint32 *pixels, qsizetype count)
    {
        if (count == 0)
            return true;
        if (!m_open || m_isRun) {
            close();
            if (m_size + 1 > m_limit)
                return false;
            open(false);
        }
        if (m_size + count > m_limit)
            return false;
        std::memcpy(m_out + m_size, pixels, size_t(count) * 4);
        m_size += count;
        m_count += count;
        return true;
    }

    bool repeatedLiteral(quint32 value, qsizetype count)
    {
        Q_ASSERT(count <= ShortestRun); // only short runs are ever held back
        quint32 pixels[ShortestRun];
        std::fill_n(pixels, count, value);
        return literal(pixels, count);
    }

    qsizetype finish()
    {
        close();
        return m_size;
    }

private:
    void open(bool isRun)
    {
        m_header = m_size++;
        m_isRun = isRun;
        m_count = 0;
        m_open = true;
    }

    void close()
    {
        if (m_open)
            m_out[m_header] = quint32(m_count) << 1 | (m_isRun ? RunFlag : 0);
        m_open = false;
    }

    quint32 *m_out;
    qsizetype m_limit;
    qsizetype m_size = 0;
    qsizetype m_header = 0;
    qsizetype m_count = 0;
    quint32 m_value = 0;
    bool m_isRun = false;
    bool m_open = false;
};

// A short run that ends its row and may go on in the next: held back until
// that row shows whether it becomes long enough to pay.
struct Carry
{
    quint32 value = 0;
    qsizetype count = 0;
};

bool packRow(const quint32 *row, int width, bool lastRow, TokenWriter &writer, Carry &carry)
{
    int pending = 0; // start of this row's pixels not yet written
    int x = 0;
    while (x < width) {
        const quint32 value = row[x];
        int end = x + 1;
        while (end < width && row[end] == value)
            ++end;
        qsizetype carried = 0;
        if (x == 0 && carry.count > 0) {
            if (carry.value == value)
                carried = carry.count;
            else if (!writer.repeatedLiteral(carry.value, carry.count))
                return false;
            carry.count = 0;
        }
        const qsizetype length = carried + (end - x);
        if (length >= ShortestRun || (x == 0 && writer.continuesRun(value))) {
            if (!writer.literal(row + pending, x - pending) || !writer.run(value, length))
                return false;
            pending = end;
        } else if (end == width && !lastRow) {
            if (!writer.literal(row + pending, x - pending))
                return false;
            carry = { value, length };
            pending = end;
        } else if (carried > 0 && !writer.repeatedLiteral(value, carried)) {
            // Too short after all: the held pixels go out ahead of this row's.
            return false;
        }
        x = end;
    }
    return writer.literal(row + pending, width - pending);
}

// Walks the packed tokens over the block's rows, handing each piece that lies
// within one row to `runSpan(row, count, value)` or `literalSpan(row, count, pixels)`.
// Stops early when a handler returns false.
template <typename Row, typename RunSpan, typename LiteralSpan>
bool walkTokens(const quint32 *packed, int width, int height, Row *rows, qsizetype stride,
    RunSpan runSpan, LiteralSpan literalSpan)
{
    int x = 0;
    int y = 0;
    while (y < height) {
        const quint32 header = *packed++;
        qsizetype count = header >> 1;
        const bool isRun = header & RunFlag;
        const quint32 value = isRun ? *packed++ : 0;
        while (count > 0 && y < height) {
            const int span = int(std::min<qsizetype>(count, width - x));
            if (isRun ? !runSpan(rows + x, span, value) : !literalSpan(rows + x, span, packed))
                return false;
            if (!isRun)
                packed += span;
            count -= span;
            x += span;
            if (x == width) {
                x = 0;
                ++y;
                rows += stride;
            }
        }
    }
    return true;
}

}

namespace TileCodec {

Packed pack(const quint32 *src, qsizetype stride, int width, int height, quint32 *out)
{
    const qsizetype rawWords = qsizetype(width) * height;
    if (rawWords > 0) {
        // Packed only when strictly smaller than raw, which unpacks and compares faster.
        TokenWriter writer(out, rawWords - 1);
        Carry carry;
        bool fits = true;
        for (int y = 0; y < height && fits; ++y)
            fits = packRow(src + y * stride, width, y == height - 1, writer, carry);
        if (fits)
            return { Packing::RunLength, writer.finish() };
    }
    for (int y = 0; y < height; ++y)
        std::memcpy(out + qsizetype(y) * width, src + y * stride, size_t(width) * 4);
    return { Packing::Raw, rawWords };
}

void unpack(
    const quint32 *packed, Packing packing, int width, int height, quint32 *dst, qsizetype stride)
{
    if (packing == Packing::Raw) {
        for (int y = 0; y < height; ++y)
            std::memcpy(dst + y * stride, packed + qsizetype(y) * width, size_t(width) * 4);
        return;
    }
    walkTokens(
        packed, width, height, dst, stride,
        [](quint32 *row, int count, quint32 value) {
            std::fill_n(row, count, value);
            return true;
        },
        [](quint32 *row, int count, const quint32 *pixels) {
            std::memcpy(row, pixels, size_t(count) * 4);
            return true;
        });
}

bool matches(const quint32 *packed, Packing packing, int width, int height, const quint32 *src,
    qsizetype stride)
{
    if (packing == Packing::Raw) {
        for (int y = 0; y < height; ++y) {
            if (std::memcmp(src + y * stride, packed + qsizetype(y) * width, size_t(width) * 4))
                return false;
        }
        return true;
    }
    return walkTokens(
        packed, width, height, src, stride,
        [](const quint32 *row, int count, quint32 value) {
            // No early exit, so the loop vectorises; spans are at most a tile row.
            quint32 differs = 0;
            for (int i = 0; i < count; ++i)
                differs |= row[i] ^ value;
            return differs == 0;
        },
        [](const quint32 *row, int count, const quint32 *pixels) {
            return std::memcmp(row, pixels, size_t(count) * 4) == 0;
        });
}

}

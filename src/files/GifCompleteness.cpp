// The GIF part of PictureCompleteness: the block walk to the first image and
// a check of its LZW codes that decodes lengths only, never pixels.
#include "files/PictureCompleteness.h"

#include "files/ByteReader.h"

#include <array>

namespace PictureCompleteness {

namespace {

constexpr int MaxCodeBits = 12;
constexpr int TableSize = 1 << MaxCodeBits;

// Follows the decoder's table without building its strings: the length of
// each entry is enough to count pixels and to catch a code naming an entry
// that does not exist yet.
class LzwCheck
{
public:
    LzwCheck(int minimumCodeSize, qint64 pixels)
        : m_clear(1 << minimumCodeSize)
        , m_minimumCodeSize(minimumCodeSize)
        , m_pixels(pixels)
    {
        reset();
    }

    // Takes one byte of the code stream; answers false once the image is
    // complete, ended or damaged.
    bool take(quint8 byte)
    {
        m_bits |= quint32(byte) << m_bitCount;
        m_bitCount += 8;
        while (m_bitCount >= m_codeSize && m_state == State::Running) {
            const int code = int(m_bits & ((1u << m_codeSize) - 1));
            m_bits >>= m_codeSize;
            m_bitCount -= m_codeSize;
            decode(code);
        }
        return m_state == State::Running;
    }

    Verdict verdict() const
    {
        if (m_state == State::Bad)
            return Verdict::Damaged;
        return m_decoded >= m_pixels ? Verdict::Whole : Verdict::Cut;
    }

private:
    enum class State { Running, Ended, Bad };

    void reset()
    {
        m_codeSize = m_minimumCodeSize + 1;
        m_next = m_clear + 2;
        m_previousLength = 0;
    }

    void decode(int code)
    {
        if (code == m_clear) {
            reset();
            return;
        }
        if (code == m_clear + 1) {
            m_state = State::Ended;
            return;
        }
        int length = 0;
        if (code < m_clear)
            length = 1;
        else if (m_previousLength > 0 && code < m_next)
            length = m_lengths[code];
        else if (m_previousLength > 0 && code == m_next)
            length = m_previousLength + 1;
        else {
            m_state = State::Bad;
            return;
        }
        if (m_previousLength > 0 && m_next < TableSize) {
            m_lengths[m_next++] = m_previousLength + 1;
            if (m_next == (1 << m_codeSize) && m_codeSize < MaxCodeBits)
                ++m_codeSize;
        }
        m_previousLength = length;
        m_decoded += length;
        if (m_decoded >= m_pixels)
            m_state = State::Ended;
    }

    const int m_clear;
    const int m_minimumCodeSize;
    const qint64 m_pixels;
    std::array<int, TableSize> m_lengths {};
    quint32 m_bits = 0;
    int m_bitCount = 0;
    int m_codeSize = 0;
    int m_next = 0;
    int m_previousLength = 0;
    qint64 m_decoded = 0;
    State m_state = State::Running;
};

qint64 colourTableBytes(quint8 flags)
{
    return (flags & 0x80) ? 3 * (qint64(2) << (flags & 7)) : 0;
}

// Skips data sub-blocks up to their terminator; -1 when the file ends first.
qint64 skipSubBlocks(const ByteReader &reader, qint64 at)
{
    for (;;) {
        const auto length = reader.u8(at);
        if (!length)
            return -1;
        at += 1 + *length;
        if (*length == 0)
            return at;
    }
}

Verdict checkImageData(const ByteReader &reader, qint64 at, qint64 pixels)
{
    const auto minimumCodeSize = reader.u8(at++);
    if (!minimumCodeSize)
        return Verdict::Cut;
    if (*minimumCodeSize < 1 || *minimumCodeSize > 8)
        return Verdict::Damaged;
    LzwCheck check(*minimumCodeSize, pixels);
    for (;;) {
        const auto length = reader.u8(at++);
        if (!length || *length == 0)
            return check.verdict();
        for (int k = 0; k < *length; ++k) {
            const auto byte = reader.u8(at++);
            if (!byte || !check.take(*byte))
                return check.verdict();
        }
    }
}

}

Verdict ofGif(QByteArrayView bytes)
{
    const ByteReader reader(bytes);
    if (!reader.matches(0, "GIF87a") && !reader.matches(0, "GIF89a"))
        return Verdict::Damaged;
    const auto screenFlags = reader.u8(10);
    if (!screenFlags)
        return Verdict::Cut;
    qint64 at = 13 + colourTableBytes(*screenFlags);
    for (;;) {
        const auto block = reader.u8(at);
        if (!block)
            return Verdict::Cut;
        if (*block == 0x21) {
            at = skipSubBlocks(reader, at + 2);
            if (at < 0)
                return Verdict::Cut;
        } else if (*block == 0x2C) {
            const auto width = reader.u16le(at + 5), height = reader.u16le(at + 7);
            const auto flags = reader.u8(at + 9);
            if (!width || !height || !flags)
                return Verdict::Cut;
            return checkImageData(
                reader, at + 10 + colourTableBytes(*flags), qint64(*width) * *height);
        } else {
            // The trailer before any image, or a block no GIF has.
            return Verdict::Damaged;
        }
    }
}

}

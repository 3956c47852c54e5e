#pragma once

#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// Reads little- and big-endian numbers out of untrusted bytes. Every read
// names its offset and answers nothing when the value does not lie wholly
// inside the bytes, so a parser cannot read past the end however the offsets
// it follows were made. Offsets are 64-bit: an offset and a size read from a
// file add up without overflow.
class ByteReader
{
public:
    explicit ByteReader(QByteArrayView bytes)
        : m_bytes(bytes)
    { }

    qint64 size() const { return m_bytes.size(); }
    bool has(qint64 offset, qint64 count) const
    {
        return offset >= 0 && count >= 0 && offset <= size() && count <= size() - offset;
    }

    std::optional<quint8> u8(qint64 offset) const
    {
        if (!has(offset, 1))
            return std::nullopt;
        return quint8(m_bytes[offset]);
    }
    std::optional<quint16> u16le(qint64 offset) const { return little<quint16>(offset); }
    std::optional<quint32> u32le(qint64 offset) const { return little<quint32>(offset); }
    std::optional<qint32> i32le(qint64 offset) const
    {
        const auto value = u32le(offset);
        return value ? std::optional<qint32>(qint32(*value)) : std::nullopt;
    }
    std::optional<quint32> u32be(qint64 offset) const
    {
        if (!has(offset, 4))
            return std::nullopt;
        quint32 value = 0;
        for (qint64 k = 0; k < 4; ++k)
            value = (value << 8) | quint8(m_bytes[offset + k]);
        return value;
    }
    // The `count` bytes at `offset`, or none when they do not lie wholly inside.
    QByteArrayView view(qint64 offset, qint64 count) const
    {
        return has(offset, count) ? m_bytes.sliced(offset, count) : QByteArrayView();
    }
    // Whether the bytes at `offset` are exactly `expected`.
    bool matches(qint64 offset, QByteArrayView expected) const
    {
        return has(offset, expected.size()) && m_bytes.sliced(offset, expected.size()) == expected;
    }

private:
    template <typename T> std::optional<T> little(qint64 offset) const
    {
        if (!has(offset, qint64(sizeof(T))))
            return std::nullopt;
        T value = 0;
        for (qint64 k = qint64(sizeof(T)) - 1; k >= 0; --k)
            value = T((value << 8) | quint8(m_bytes[offset + k]));
        return value;
    }

    QByteArrayView m_bytes;
};

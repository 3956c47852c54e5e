#pragma once

// Small EMF and WMF files written by the tests, one record at a time, so a
// test can show one feature of the player with exact pixels.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <cstring>
#include <initializer_list>

namespace MetafileWriter {

inline void putU16(QByteArray &bytes, quint16 value)
{
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

inline void putU32(QByteArray &bytes, quint32 value)
{
    putU16(bytes, quint16(value & 0xFFFF));
    putU16(bytes, quint16(value >> 16));
}

inline quint32 floatBits(float value)
{
    quint32 bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// An EMF whose device is the picture: `pixels` a side at 96 dpi, MM_TEXT, so
// one logical unit is one picture pixel. A side that is a multiple of 24
// gives a frame of whole 0.01 mm units, so the mapping is exact.
class Emf
{
public:
    explicit Emf(int pixels = 96)
    {
        const quint32 frame = quint32(pixels * 2540 / 96);
        QByteArray header;
        putU32(header, 1);
        putU32(header, 108);
        for (quint32 v : { 0u, 0u, quint32(pixels - 1), quint32(pixels - 1), 0u, 0u, frame, frame })
            putU32(header, v);
        putU32(header, 0x464D4520);
        putU32(header, 0x10000);
        putU32(header, 0); // bytes, patched
        putU32(header, 0); // records, patched
        putU16(header, 16); // handles
        putU16(header, 0);
        putU32(header, 0);
        putU32(header, 0);
        putU32(header, 0);
        putU32(header, quint32(pixels)); // device
        putU32(header, quint32(pixels));
        putU32(header, quint32(pixels * 254 / 960)); // millimetres, rounded
        putU32(header, quint32(pixels * 254 / 960));
        putU32(header, 0);
        putU32(header, 0);
        putU32(header, 0);
        putU32(header, quint32(pixels * 25400 / 96)); // micrometres, exact
        putU32(header, quint32(pixels * 25400 / 96));
        m_bytes = header;
        m_records = 1;
    }

    // A record of 32-bit parameters.
    Emf &add(quint32 type, std::initializer_list<quint32> params)
    {
        QByteArray data;
        for (quint32 p : params)
            putU32(data, p);
        return addRaw(type, data);
    }
    // A record whose parameters are given as bytes (padded to 4).
    Emf &addRaw(quint32 type, QByteArray data)
    {
        while (data.size() % 4)
            data.append('\0');
        putU32(m_bytes, type);
        putU32(m_bytes, quint32(8 + data.size()));
        m_bytes += data;
        ++m_records;
        return *this;
    }

    QByteArray finish(bool withEof = true) const
    {
        QByteArray bytes = m_bytes;
        if (withEof) {
            putU32(bytes, 14);
            putU32(bytes, 20);
            putU32(bytes, 0);
            putU32(bytes, 16);
            putU32(bytes, 20);
        }
        QByteArray size, count;
        putU32(size, quint32(bytes.size()));
        putU32(count, m_records + (withEof ? 1 : 0));
        bytes.replace(48, 4, size);
        bytes.replace(52, 4, count);
        return bytes;
    }

private:
    QByteArray m_bytes;
    quint32 m_records = 0;
};

// A placeable WMF: a box of `units` a side at `unitsPerInch`.
class Wmf
{
public:
    Wmf(qint16 units, quint16 unitsPerInch)
    {
        putU32(m_bytes, 0x9AC6CDD7);
        putU16(m_bytes, 0);
        for (qint16 v : { qint16(0), qint16(0), units, units })
            putU16(m_bytes, quint16(v));
        putU16(m_bytes, unitsPerInch);
        putU32(m_bytes, 0);
        putU16(m_bytes, 0); // checksum, not checked
        putU16(m_bytes, 1);
        putU16(m_bytes, 9);
        putU16(m_bytes, 0x300);
        putU32(m_bytes, 0); // size
        putU16(m_bytes, 8); // objects
        putU32(m_bytes, 0);
        putU16(m_bytes, 0);
    }

    // A record of 16-bit parameters, in the order the file stores them.
    Wmf &add(quint16 function, std::initializer_list<qint32> words)
    {
        QByteArray data;
        for (qint32 w : words)
            putU16(data, quint16(w));
        return addRaw(function, data);
    }
    Wmf &addRaw(quint16 function, QByteArray data)
    {
        if (data.size() % 2)
            data.append('\0');
        putU32(m_bytes, quint32(3 + data.size() / 2));
        putU16(m_bytes, function);
        m_bytes += data;
        return *this;
    }

    QByteArray finish() const
    {
        QByteArray bytes = m_bytes;
        putU32(bytes, 3);
        putU16(bytes, 0);
        return bytes;
    }

private:
    QByteArray m_bytes;
};

}

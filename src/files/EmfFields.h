#pragma once

#include "files/ByteReader.h"

#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <cmath>
#include <cstring>
#include <optional>

// The fields of EMF records, read from a record's bytes: a missing field
// reads as zero and a point array is read only when the record holds it all.
namespace EmfFields {

inline QPointF point32(const ByteReader &r, qint64 at)
{
    return QPointF(r.i32le(at).value_or(0), r.i32le(at + 4).value_or(0));
}

inline QRectF box(const ByteReader &r, qint64 at)
{
    const QPointF a = point32(r, at), b = point32(r, at + 8);
    return QRectF(a, b);
}

inline qreal float32(const ByteReader &r, qint64 at)
{
    const quint32 bits = r.u32le(at).value_or(0);
    float value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return std::isfinite(value) ? value : 0;
}

// `count` points of 8 bytes (or 4 in the 16-bit forms) at `at`, or none
// when the record does not hold them all.
inline std::optional<QPolygonF> points(const ByteReader &r, qint64 at, qint64 count, bool small)
{
    const qint64 size = small ? 4 : 8;
    if (count < 0 || !r.has(at, count * size))
        return std::nullopt;
    QPolygonF result;
    result.reserve(count);
    for (qint64 k = 0; k < count; ++k) {
        const qint64 p = at + k * size;
        if (small)
            result.append(QPointF(qint16(*r.u16le(p)), qint16(*r.u16le(p + 2))));
        else
            result.append(point32(r, p));
    }
    return result;
}

inline QTransform xform(const ByteReader &r, qint64 at)
{
    return QTransform(float32(r, at), float32(r, at + 4), float32(r, at + 8), float32(r, at + 12),
        float32(r, at + 16), float32(r, at + 20));
}

inline bool sane(const QTransform &t)
{
    const qreal d = t.determinant();
    return std::isfinite(d) && d != 0;
}

}

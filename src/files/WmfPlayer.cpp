#include "files/WmfPlayer.h"

#include "files/WmfRecordType.h"

#include "files/DibDecoder.h"

namespace {

using namespace WmfRecordType;

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr qint64 PlaceableSize = 22;
constexpr quint16 HeaderWords = 9;

// The k-th 16-bit parameter, signed.
qreal word(const ByteReader &r, qint64 k)
{
    return qint16(r.u16le(6 + 2 * k).value_or(0));
}

// Parameters are stored last first: (bottom, right, top, left) from `k`.
QRectF boxFrom(const ByteReader &r, qint64 k)
{
    return QRectF(QPointF(word(r, k + 3), word(r, k + 2)), QPointF(word(r, k + 1), word(r, k)));
}

// (y, x) from `k`.
QPointF pointFrom(const ByteReader &r, qint64 k)
{
    return QPointF(word(r, k + 1), word(r, k));
}

std::optional<QPolygonF> points(const ByteReader &r, qint64 at, qint64 count)
{
    if (count < 0 || !r.has(at, count * 4))
        return std::nullopt;
    QPolygonF result;
    result.reserve(count);
    for (qint64 k = 0; k < count; ++k)
        result.append(QPointF(qint16(*r.u16le(at + 4 * k)), qint16(*r.u16le(at + 4 * k + 2))));
    return result;
}

quint32 colourAt(const ByteReader &r, qint64 at)
{
    return r.u32le(at).value_or(0) & 0xFFFFFF;
}

// A byte string in the Windows Latin code page (the common case for the
// charsets exporters write; anything else would need the font's code page).
QString latin(const ByteReader &r, qint64 at, qint64 count)
{
    QString text;
    const QByteArrayView bytes = r.view(at, count);
    text.reserve(bytes.size());
    for (char c : bytes)
        text.append(QChar::fromLatin1(c));
    return text;
}

}

std::optional<WmfPlayer::Header> WmfPlayer::readHeader(QByteArrayView file)
{
    const ByteReader r(file);
    Header h;
    qint64 at = 0;
    if (r.u32le(0).value_or(0) == PlaceableKey) {
        if (!r.has(0, PlaceableSize))
            return std::nullopt;
        const auto v = [&](qint64 o) { return int(qint16(*r.u16le(o))); };
        h.placeable = QRect(QPoint(v(6), v(8)), QPoint(v(10), v(12)));
        h.unitsPerInch = *r.u16le(14);
        at = PlaceableSize;
    }
    const auto type = r.u16le(at), words = r.u16le(at + 2);
    if (!type || !words || (*type != 1 && *type != 2) || *words != HeaderWords
        || !r.has(at, HeaderWords * 2))
        return std::nullopt;
    h.objects = *r.u16le(at + 10);
    h.recordsStart = at + HeaderWords * 2;
    return h;
}

WmfPlayer::WmfPlayer(MetafileCanvas &canvas, quint16 objects, Framing framing, qint64 pixelLimit)
    : m_canvas(canvas)
    , m_objects(objects)
    , m_framing(framing)
    , m_pixelLimit(pixelLimit)
{ }

void WmfPlayer::play(const MetafileRecord &record)
{
    const ByteReader r(record.bytes);
    const quint32 t = record.type;
    if (drawFigure(t, r) || setState(t, r) || setMapping(t, r) || useObject(t, r) || text(t, r)
        || bitmap(t, r))
        return;
    switch (t) {
    case SetRelAbs:
    case SetStretchBltMode:
    case SetTextCharExtra:
    case SetTextJustification:
    case SetMapperFlags:
    case Escape:
    case FloodFill:
    case ExtFloodFill:
    case FillRegion:
    case FrameRegion:
    case InvertRegion:
    case PaintRegion:
    case SelectPalette:
    case RealizePalette:
    case AnimatePalette:
    case SetPalEntries:
    case ResizePalette:
    case BitBlt:
    case StretchBlt:
        return;
    default:
        ++m_skipped;
        return;
    }
}

bool WmfPlayer::drawFigure(quint32 type, const ByteReader &r)
{
    switch (type) {
    case MoveTo:
        m_canvas.moveTo(pointFrom(r, 0));
        return true;
    case LineTo:
        m_canvas.lineTo(pointFrom(r, 0));
        return true;
    case SetPixel:
        m_canvas.pixel(pointFrom(r, 2), colourAt(r, 6));
        return true;
    case Rectangle:
        m_canvas.rectangle(boxFrom(r, 0));
        return true;
    case Ellipse:
        m_canvas.ellipse(boxFrom(r, 0));
        return true;
    case RoundRect:
        m_canvas.roundRectangle(boxFrom(r, 2), QSizeF(word(r, 1), word(r, 0)));
        return true;
    case Arc:
    case Chord:
    case Pie: {
        const auto kind = type == Chord ? MetafileCanvas::ArcKind::Chord
            : type == Pie               ? MetafileCanvas::ArcKind::Pie
                                        : MetafileCanvas::ArcKind::Arc;
        m_canvas.arc(boxFrom(r, 4), pointFrom(r, 2), pointFrom(r, 0), kind);
        return true;
    }
    case Polygon:
    case Polyline: {
        const auto p = points(r, 8, r.u16le(6).value_or(0));
        if (p && type == Polygon)
            m_canvas.polygon(*p);
        else if (p)
            m_canvas.polyline(*p);
        return true;
    }
    case PolyPolygon: {
        const qint64 count = r.u16le(6).value_or(0);
        if (!r.has(8, count * 2))
            return true;
        QList<QPolygonF> polygons;
        qint64 at = 8 + count * 2;
        for (qint64 k = 0; k < count; ++k) {
            const qint64 n = *r.u16le(8 + 2 * k);
            const auto p = points(r, at, n);
            if (!p)
                break;
            polygons.append(*p);
            at += n * 4;
        }
        m_canvas.polyPolygon(polygons);
        return true;
    }
    default:
        return false;
    }
}

bool WmfPlayer::setState(quint32 type, const ByteReader &r)
{
    MetafileState &s = m_canvas.state();
    const quint16 value = r.u16le(6).value_or(0);
    switch (type) {
    case SetBkColor:
        s.backgroundColour = colourAt(r, 6);
        return true;
    case SetBkMode:
        s.opaqueBackground = value == 2;
        return true;
    case SetRop2:
        if (value >= 1 && value <= 16)
            s.rop2 = value;
        return true;
    case SetPolyFillMode:
        s.fillRule = value == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case SetTextColor:
        s.textColour = colourAt(r, 6);
        return true;
    case SetTextAlign:
        s.textAlign = value;
        return true;
    case SaveDc:
        m_canvas.save();
        return true;
    case RestoreDc:
        m_canvas.restore(int(word(r, 0)));
        return true;
    case IntersectClipRect:
        m_canvas.intersectClip(boxFrom(r, 0));
        return true;
    case ExcludeClipRect:
        m_canvas.excludeClip(boxFrom(r, 0));
        return true;
    case SelectClipRegion:
        // Regions are not kept: selecting one (most often the empty one
        // that ends a clip) removes the clip.
        m_canvas.resetClip();
        return true;
    case OffsetClipRgn:
        if (s.clip) {
            const QTransform t = m_canvas.logicalToPicture();
            s.clip->translate(t.map(pointFrom(r, 0)) - t.map(QPointF()));
        }
        return true;
    default:
        return false;
    }
}

bool WmfPlayer::setMapping(quint32 type, const ByteReader &r)
{
    MetafileState &s = m_canvas.state();
    const bool framed = m_framing == Framing::Framed;
    const QPointF p = pointFrom(r, 0);
    switch (type) {
    case SetMapMode: {
        const int mode = int(word(r, 0));
        if (!framed && mode >= MetafileState::Text && mode <= MetafileState::Anisotropic)
            s.mapMode = mode;
        return true;
    }
    case SetWindowOrg:
        s.windowOrigin = p;
        return true;
    case SetWindowExt:
        if (p.x() != 0 && p.y() != 0)
            s.windowExtent = QSizeF(p.x(), p.y());
        return true;
    case OffsetWindowOrg:
        s.windowOrigin += p;
        return true;
    case SetViewportOrg:
        if (!framed)
            s.viewportOrigin = p;
        return true;
    case SetViewportExt:
        if (!framed && p.x() != 0 && p.y() != 0)
            s.viewportExtent = QSizeF(p.x(), p.y());
        return true;
    case OffsetViewportOrg:
        if (!framed)
            s.viewportOrigin += p;
        return true;
    case ScaleWindowExt:
    case ScaleViewportExt: {
        const qreal yd = word(r, 0), yn = word(r, 1), xd = word(r, 2), xn = word(r, 3);
        if (xn == 0 || xd == 0 || yn == 0 || yd == 0 || (framed && type == ScaleViewportExt))
            return true;
        QSizeF &extent = type == ScaleViewportExt ? s.viewportExtent : s.windowExtent;
        extent = QSizeF(extent.width() * xn / xd, extent.height() * yn / yd);
        return true;
    }
    default:
        return false;
    }
}

void WmfPlayer::add(MetafileObject object)
{
    m_objects.addAtLowestFree(std::move(object));
}

bool WmfPlayer::useObject(quint32 type, const ByteReader &r)
{
    switch (type) {
    case SelectObject:
        if (const MetafileObject *object = m_objects.at(r.u16le(6).value_or(0)))
            m_canvas.select(*object);
        return true;
    case DeleteObject:
        m_objects.remove(r.u16le(6).value_or(0));
        return true;
    case CreatePenIndirect:
        add(MetafilePen::fromStyle(r.u16le(6).value_or(0), word(r, 1), colourAt(r, 12)));
        return true;
    case CreateBrushIndirect:
        add(MetafileBrush::fromLogBrush(
            r.u16le(6).value_or(0), colourAt(r, 8), r.u16le(12).value_or(0)));
        return true;
    case DibCreatePatternBrush: {
        MetafileBrush brush;
        brush.style = MetafileBrush::Style::Pattern;
        const QByteArrayView dib = r.view(10, r.size() - 10);
        brush.pattern = DibDecoder::decodePacked(dib, m_pixelLimit,
            r.u16le(8).value_or(0) == 1 ? DibDecoder::ColourUsage::PaletteIndices
                                        : DibDecoder::ColourUsage::Rgb);
        if (brush.pattern.isNull())
            brush = MetafileBrush::fromLogBrush(0, 0x808080, 0);
        add(brush);
        return true;
    }
    case CreatePatternBrush:
        // An old device-dependent bitmap: shown as a mid grey.
        add(MetafileBrush::fromLogBrush(0, 0x808080, 0));
        return true;
    case CreatePalette:
    case CreateRegion:
        add(MetafilePlaceholder {});
        return true;
    case CreateFontIndirect: {
        MetafileFont font;
        font.height = qint32(word(r, 0));
        font.width = qint32(word(r, 1));
        font.escapement = qint32(word(r, 2));
        font.weight = qint32(word(r, 4));
        font.italic = r.u8(16).value_or(0) != 0;
        font.underline = r.u8(17).value_or(0) != 0;
        font.strikeOut = r.u8(18).value_or(0) != 0;
        font.charset = r.u8(19).value_or(0);
        const QByteArrayView face = r.view(24, std::min<qint64>(32, r.size() - 24));
        font.face = QString::fromLatin1(face.first(std::min<qsizetype>(
            face.size(), qsizetype(std::find(face.begin(), face.end(), '\0') - face.begin()))));
        add(font);
        return true;
    }
    default:
        return false;
    }
}

bool WmfPlayer::text(quint32 type, const ByteReader &r)
{
    if (type == TextOut) {
        const qint64 length = r.u16le(6).value_or(0);
        const qint64 padded = (length + 1) / 2 * 2;
        if (!r.has(8, padded + 4))
            return true;
        const qreal y = qint16(*r.u16le(8 + padded)), x = qint16(*r.u16le(10 + padded));
        m_canvas.text(QPointF(x, y), latin(r, 8, length), {}, 0, {});
        return true;
    }
    if (type != ExtTextOut)
        return false;
    const QPointF at = pointFrom(r, 0);
    const qint64 length = r.u16le(10).value_or(0);
    const quint16 options = r.u16le(12).value_or(0);
    qint64 stringAt = 14;
    QRectF rect;
    if (options & (MetafileCanvas::TextOpaque | MetafileCanvas::TextClipped)) {
        const auto v = [&](qint64 o) { return qreal(qint16(r.u16le(o).value_or(0))); };
        rect = QRectF(QPointF(v(14), v(16)), QPointF(v(18), v(20)));
        stringAt = 22;
    }
    if (!r.has(stringAt, length))
        return true;
    const QString string = latin(r, stringAt, length);
    QList<qreal> advances;
    const qint64 dxAt = stringAt + (length + 1) / 2 * 2;
    if (r.has(dxAt, length * 2)) {
        for (qint64 k = 0; k < length; ++k)
            advances.append(qint16(*r.u16le(dxAt + 2 * k)));
    }
    m_canvas.text(at, string, advances, options, rect);
    return true;
}

bool WmfPlayer::bitmap(quint32 type, const ByteReader &r)
{
    const quint32 rop = r.u32le(6).value_or(0);
    const qint64 words = r.size() / 2;
    const auto decoded = [&](qint64 at, quint16 usage) {
        return DibDecoder::decodePacked(r.view(at, r.size() - at), m_pixelLimit,
            usage == 1 ? DibDecoder::ColourUsage::PaletteIndices : DibDecoder::ColourUsage::Rgb);
    };
    // Bottom-up rows: a source rectangle of StretchDIBits counts from the bottom.
    const auto fromBottom = [](QRectF source, const QImage &image) {
        source.moveTop(image.height() - source.top() - source.height());
        return source;
    };
    switch (type) {
    case PatBlt: {
        const QRectF destination(QPointF(word(r, 5), word(r, 4)), QSizeF(word(r, 3), word(r, 2)));
        m_canvas.bitmap(destination, {}, {}, rop);
        return true;
    }
    case DibBitBlt: {
        const bool withBitmap = words != 12;
        const qint64 k = withBitmap ? 4 : 5;
        const QRectF destination(
            QPointF(word(r, k + 3), word(r, k + 2)), QSizeF(word(r, k + 1), word(r, k)));
        const QRectF source(QPointF(word(r, 3), word(r, 2)), destination.size());
        m_canvas.bitmap(destination, withBitmap ? decoded(22, 0) : QImage(), source, rop);
        return true;
    }
    case DibStretchBlt: {
        const bool withBitmap = words != 14;
        const qint64 k = withBitmap ? 6 : 7;
        const QRectF destination(
            QPointF(word(r, k + 3), word(r, k + 2)), QSizeF(word(r, k + 1), word(r, k)));
        const QRectF source(QPointF(word(r, 5), word(r, 4)), QSizeF(word(r, 3), word(r, 2)));
        m_canvas.bitmap(destination, withBitmap ? decoded(26, 0) : QImage(), source, rop);
        return true;
    }
    case StretchDib: {
        const QImage image = decoded(28, r.u16le(10).value_or(0));
        if (image.isNull())
            return true;
        const QRectF destination(QPointF(word(r, 10), word(r, 9)), QSizeF(word(r, 8), word(r, 7)));
        const QRectF source(QPointF(word(r, 6), word(r, 5)), QSizeF(word(r, 4), word(r, 3)));
        m_canvas.bitmap(destination, image, fromBottom(source, image), rop);
        return true;
    }
    case SetDibToDev: {
        const QImage image = decoded(24, r.u16le(6).value_or(0));
        if (image.isNull())
            return true;
        const QSizeF size(word(r, 6), word(r, 5));
        const QRectF destination(QPointF(word(r, 8), word(r, 7)), size);
        const QRectF source(QPointF(word(r, 4), word(r, 3)), size);
        m_canvas.bitmap(destination, image, fromBottom(source, image), RasterOp::SRCCOPY);
        return true;
    }
    default:
        return false;
    }
}

#include "files/EmfPlayer.h"

#include "files/EmfFields.h"
#include "files/EmfRecordType.h"

#include "files/DibDecoder.h"
#include "files/MetafileLimits.h"
#include "files/MetafileStockObjects.h"

#include <cmath>
#include <cstring>

namespace {

using namespace EmfRecordType;
using namespace EmfFields;

constexpr quint32 EmfSignature = 0x464D4520; // " EMF"
constexpr qint64 LeastHeader = 88;

}

std::optional<EmfPlayer::Header> EmfPlayer::readHeader(QByteArrayView file)
{
    const ByteReader r(file);
    if (r.u32le(0).value_or(0) != EmfRecordType::Header || r.u32le(40).value_or(0) != EmfSignature)
        return std::nullopt;
    const qint64 size = r.u32le(4).value_or(0);
    if (size < LeastHeader || !r.has(0, size))
        return std::nullopt;
    Header h;
    h.bounds = box(r, 8).toRect();
    const QPointF f0 = point32(r, 24), f1 = point32(r, 32);
    h.frame = QRect(QPoint(int(f0.x()), int(f0.y())), QPoint(int(f1.x()), int(f1.y())));
    h.handles = r.u16le(56).value_or(0);
    h.device = QSize(r.i32le(72).value_or(0), r.i32le(76).value_or(0));
    h.millimetres = QSizeF(r.i32le(80).value_or(0), r.i32le(84).value_or(0));
    // The micrometre size of the extended header is the more precise one.
    if (size >= 108) {
        const QSizeF micrometres(r.i32le(100).value_or(0), r.i32le(104).value_or(0));
        if (micrometres.width() > 0 && micrometres.height() > 0)
            h.millimetres = micrometres / 1000;
    }
    h.headerSize = size;
    return h;
}

EmfPlayer::EmfPlayer(MetafileCanvas &canvas, const Header &header, qint64 pixelLimit)
    : m_canvas(canvas)
    , m_objects(header.handles)
    , m_pixelLimit(pixelLimit)
{ }

void EmfPlayer::play(const MetafileRecord &record)
{
    const ByteReader r(record.bytes);
    const quint32 t = record.type;
    const bool handled = drawFigure(t, r) || drawPolys(t, r) || setState(t, r) || setMapping(t, r)
        || useObject(t, r) || usePath(t, r) || clip(t, r) || text(t, r) || bitmap(t, r)
        || region(t, r);
    if (handled)
        return;
    switch (t) {
    case EmfRecordType::Header:
    case SetBrushOrgEx:
    case SetMapperFlags:
    case SetStretchBltMode:
    case SetColorAdjustment:
    case SetMetaRgn:
    case SelectPalette:
    case CreatePalette:
    case SetPaletteEntries:
    case ResizePalette:
    case RealizePalette:
    case FlattenPath:
    case WidenPath:
    case GdiComment:
    case SetIcmMode:
    case CreateColorSpace:
    case SetColorSpace:
    case DeleteColorSpace:
    case PixelFormat:
    case DrawEscape:
    case ExtEscape:
    case NamedEscape:
    case ForceUfiMapping:
    case ColorCorrectPalette:
    case SetIcmProfileA:
    case SetIcmProfileW:
    case SetLayout:
    case ColorMatchToTargetW:
    case CreateColorSpaceW:
        // A palette takes a slot of the table, so later numbers stay right.
        if (t == CreatePalette)
            m_objects.put(r.u32le(8).value_or(0), MetafilePlaceholder {});
        return;
    default:
        ++m_skipped;
        return;
    }
}

bool EmfPlayer::drawFigure(quint32 type, const ByteReader &r)
{
    switch (type) {
    case MoveToEx:
        m_canvas.moveTo(point32(r, 8));
        return true;
    case LineTo:
        m_canvas.lineTo(point32(r, 8));
        return true;
    case SetPixelV:
        m_canvas.pixel(point32(r, 8), r.u32le(16).value_or(0) & 0xFFFFFF);
        return true;
    case Ellipse:
        m_canvas.ellipse(box(r, 8));
        return true;
    case Rectangle:
        m_canvas.rectangle(box(r, 8));
        return true;
    case RoundRect:
        m_canvas.roundRectangle(box(r, 8), QSizeF(point32(r, 24).x(), point32(r, 24).y()));
        return true;
    case Arc:
    case ArcTo:
    case Chord:
    case Pie: {
        const QRectF b = box(r, 8);
        const QPointF start = point32(r, 24), end = point32(r, 32);
        const auto kind = type == Chord ? MetafileCanvas::ArcKind::Chord
            : type == Pie               ? MetafileCanvas::ArcKind::Pie
            : type == ArcTo             ? MetafileCanvas::ArcKind::ArcTo
                                        : MetafileCanvas::ArcKind::Arc;
        m_canvas.arc(b, start, end, kind);
        return true;
    }
    case AngleArc: {
        const QPointF centre = point32(r, 8);
        const qreal radius = r.u32le(16).value_or(0);
        const qreal start = float32(r, 20), sweep = std::clamp(float32(r, 24), -3600.0, 3600.0);
        const int steps = std::max(2, int(std::abs(sweep) / 5));
        QPolygonF line;
        for (int k = 0; k <= steps; ++k) {
            const qreal a = qDegreesToRadians(start + sweep * k / steps);
            line.append(centre + QPointF(radius * std::cos(a), -radius * std::sin(a)));
        }
        m_canvas.polylineTo(line);
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::drawPolys(quint32 type, const ByteReader &r)
{
    const bool small = type >= PolyBezier16 && type <= PolyPolygon16;
    const quint32 base = small ? type - PolyBezier16 + PolyBezier : type;
    if (base < PolyBezier || base > PolyPolygon || (!small && type > PolyPolygon))
        return false;
    if (base == PolyPolyline || base == PolyPolygon) {
        const qint64 polys = r.u32le(24).value_or(0), total = r.u32le(28).value_or(0);
        if (!r.has(32, polys * 4))
            return true;
        const auto all = points(r, 32 + polys * 4, total, small);
        if (!all)
            return true;
        QList<QPolygonF> list;
        qint64 used = 0;
        for (qint64 k = 0; k < polys; ++k) {
            const qint64 n = *r.u32le(32 + 4 * k);
            if (n > total - used)
                break;
            list.append(all->mid(used, n));
            used += n;
        }
        if (base == PolyPolygon)
            m_canvas.polyPolygon(list);
        else
            m_canvas.polyPolyline(list);
        return true;
    }
    const auto p = points(r, 28, r.u32le(24).value_or(0), small);
    if (!p)
        return true;
    switch (base) {
    case PolyBezier:
        m_canvas.polyBezier(*p);
        break;
    case Polygon:
        m_canvas.polygon(*p);
        break;
    case Polyline:
        m_canvas.polyline(*p);
        break;
    case PolyBezierTo:
        m_canvas.polyBezierTo(*p);
        break;
    default:
        m_canvas.polylineTo(*p);
        break;
    }
    return true;
}

bool EmfPlayer::setState(quint32 type, const ByteReader &r)
{
    MetafileState &s = m_canvas.state();
    const quint32 value = r.u32le(8).value_or(0);
    switch (type) {
    case SetBkMode:
        s.opaqueBackground = value == 2;
        return true;
    case SetPolyFillMode:
        s.fillRule = value == 2 ? Qt::WindingFill : Qt::OddEvenFill;
        return true;
    case SetRop2:
        if (value >= 1 && value <= 16)
            s.rop2 = int(value);
        return true;
    case SetTextAlign:
        s.textAlign = value;
        return true;
    case SetTextColor:
        s.textColour = value & 0xFFFFFF;
        return true;
    case SetBkColor:
        s.backgroundColour = value & 0xFFFFFF;
        return true;
    case SetArcDirection:
        s.clockwiseArcs = value == 2;
        return true;
    case SetMiterLimit: {
        // Written as an integer by some exporters and as a float by others.
        qreal limit = value;
        if (value > 1000)
            limit = float32(r, 8);
        if (limit >= 1 && limit <= 1000)
            s.miterLimit = limit;
        return true;
    }
    case SaveDc:
        m_canvas.save();
        return true;
    case RestoreDc:
        m_canvas.restore(r.i32le(8).value_or(0));
        return true;
    default:
        return false;
    }
}

bool EmfPlayer::setMapping(quint32 type, const ByteReader &r)
{
    MetafileState &s = m_canvas.state();
    const QPointF p = point32(r, 8);
    switch (type) {
    case SetMapMode: {
        const quint32 mode = r.u32le(8).value_or(0);
        if (mode >= MetafileState::Text && mode <= MetafileState::Anisotropic)
            s.mapMode = int(mode);
        return true;
    }
    case SetWindowExtEx:
        if (p.x() != 0 && p.y() != 0)
            s.windowExtent = QSizeF(p.x(), p.y());
        return true;
    case SetWindowOrgEx:
        s.windowOrigin = p;
        return true;
    case SetViewportExtEx:
        if (p.x() != 0 && p.y() != 0)
            s.viewportExtent = QSizeF(p.x(), p.y());
        return true;
    case SetViewportOrgEx:
        s.viewportOrigin = p;
        return true;
    case ScaleViewportExtEx:
    case ScaleWindowExtEx: {
        const qreal xn = r.i32le(8).value_or(1), xd = r.i32le(12).value_or(1);
        const qreal yn = r.i32le(16).value_or(1), yd = r.i32le(20).value_or(1);
        if (xn == 0 || xd == 0 || yn == 0 || yd == 0)
            return true;
        QSizeF &extent = type == ScaleViewportExtEx ? s.viewportExtent : s.windowExtent;
        extent = QSizeF(extent.width() * xn / xd, extent.height() * yn / yd);
        return true;
    }
    case SetWorldTransform: {
        const QTransform t = xform(r, 8);
        if (sane(t))
            s.world = t;
        return true;
    }
    case ModifyWorldTransform: {
        const QTransform t = xform(r, 8);
        switch (r.u32le(32).value_or(0)) {
        case 1:
            s.world = QTransform();
            break;
        case 2:
            if (sane(t * s.world))
                s.world = t * s.world;
            break;
        case 3:
            if (sane(s.world * t))
                s.world = s.world * t;
            break;
        case 4:
            if (sane(t))
                s.world = t;
            break;
        default:
            break;
        }
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::useObject(quint32 type, const ByteReader &r)
{
    const quint32 index = r.u32le(8).value_or(0);
    switch (type) {
    case SelectObject: {
        if (index & MetafileStockObjects::StockFlag) {
            if (const auto stock
                = MetafileStockObjects::object(index & ~MetafileStockObjects::StockFlag))
                m_canvas.select(*stock);
        } else if (const MetafileObject *object = m_objects.at(index)) {
            m_canvas.select(*object);
        }
        return true;
    }
    case DeleteObject:
        m_objects.remove(index);
        return true;
    case CreatePen:
        m_objects.put(index,
            MetafilePen::fromStyle(
                r.u32le(12).value_or(0), r.i32le(16).value_or(0), r.u32le(24).value_or(0)));
        return true;
    case ExtCreatePen: {
        MetafilePen pen = MetafilePen::fromStyle(
            r.u32le(28).value_or(0), r.u32le(32).value_or(0), r.u32le(40).value_or(0));
        if (r.u32le(36).value_or(0) == 1) // a BS_NULL brush draws nothing
            pen.style = MetafilePen::Style::Null;
        m_objects.put(index, pen);
        return true;
    }
    case CreateBrushIndirect:
        m_objects.put(index,
            MetafileBrush::fromLogBrush(
                r.u32le(12).value_or(0), r.u32le(16).value_or(0), r.u32le(20).value_or(0)));
        return true;
    case CreateMonoBrush:
    case CreateDibPatternBrushPt: {
        MetafileBrush brush;
        brush.style = MetafileBrush::Style::Pattern;
        brush.pattern = dib(r, r.u32le(16).value_or(0), r.u32le(20).value_or(0),
            r.u32le(24).value_or(0), r.u32le(28).value_or(0), r.u32le(12).value_or(0));
        if (brush.pattern.isNull())
            brush = MetafileBrush::fromLogBrush(0, 0x808080, 0);
        m_objects.put(index, brush);
        return true;
    }
    case ExtCreateFontIndirectW: {
        MetafileFont font;
        font.height = r.i32le(12).value_or(0);
        font.width = r.i32le(16).value_or(0);
        font.escapement = r.i32le(20).value_or(0);
        font.weight = r.i32le(28).value_or(400);
        font.italic = r.u8(32).value_or(0) != 0;
        font.underline = r.u8(33).value_or(0) != 0;
        font.strikeOut = r.u8(34).value_or(0) != 0;
        font.charset = r.u8(35).value_or(0);
        for (qint64 k = 0; k < 32; ++k) {
            const quint16 c = r.u16le(40 + 2 * k).value_or(0);
            if (c == 0)
                break;
            font.face.append(QChar(c));
        }
        m_objects.put(index, font);
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::usePath(quint32 type, const ByteReader &r)
{
    switch (type) {
    case BeginPath:
        m_canvas.beginPath();
        return true;
    case EndPath:
        m_canvas.endPath();
        return true;
    case CloseFigure:
        m_canvas.closeFigure();
        return true;
    case AbortPath:
        m_canvas.abortPath();
        return true;
    case FillPath:
        m_canvas.fillPath();
        return true;
    case StrokePath:
        m_canvas.strokePath();
        return true;
    case StrokeAndFillPath:
        m_canvas.strokeAndFillPath();
        return true;
    case SelectClipPath:
        m_canvas.selectClipPath(int(r.u32le(8).value_or(5)));
        return true;
    default:
        return false;
    }
}

bool EmfPlayer::clip(quint32 type, const ByteReader &r)
{
    switch (type) {
    case IntersectClipRect:
        m_canvas.intersectClip(box(r, 8));
        return true;
    case ExcludeClipRect:
        m_canvas.excludeClip(box(r, 8));
        return true;
    case OffsetClipRgn: {
        MetafileState &s = m_canvas.state();
        if (s.clip) {
            const QTransform t = m_canvas.logicalToPicture();
            const QPointF offset = t.map(point32(r, 8)) - t.map(QPointF());
            s.clip->translate(offset);
        }
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::text(quint32 type, const ByteReader &r)
{
    if (type != ExtTextOutW && type != ExtTextOutA)
        return false;
    const bool wide = type == ExtTextOutW;
    const QPointF reference = point32(r, 36);
    const qint64 count = std::min<qint64>(r.u32le(44).value_or(0), MetafileLimits::MaxTextLength);
    const qint64 offString = r.u32le(48).value_or(0);
    const quint32 options = r.u32le(52).value_or(0);
    const QRectF rect = box(r, 56);
    const qint64 offDx = r.u32le(72).value_or(0);
    if (!r.has(offString, count * (wide ? 2 : 1)))
        return true;
    QString string;
    string.reserve(count);
    for (qint64 k = 0; k < count; ++k) {
        if (wide)
            string.append(QChar(*r.u16le(offString + 2 * k)));
        else
            string.append(QChar::fromLatin1(char(*r.u8(offString + k))));
    }
    QList<qreal> advances;
    if (offDx != 0 && r.has(offDx, count * 4)) {
        for (qint64 k = 0; k < count; ++k)
            advances.append(*r.i32le(offDx + 4 * k));
    }
    m_canvas.text(reference, string, advances, options, rect);
    return true;
}

QImage EmfPlayer::dib(const ByteReader &r, qint64 offInfo, qint64 sizeInfo, qint64 offBits,
    qint64 sizeBits, quint32 usage) const
{
    if (sizeInfo == 0 || !r.has(offInfo, sizeInfo) || !r.has(offBits, sizeBits))
        return {};
    return DibDecoder::decode(r.view(offInfo, sizeInfo), r.view(offBits, sizeBits), m_pixelLimit,
        usage == 1 ? DibDecoder::ColourUsage::PaletteIndices : DibDecoder::ColourUsage::Rgb);
}

bool EmfPlayer::bitmap(quint32 type, const ByteReader &r)
{
    switch (type) {
    case BitBlt:
    case StretchBlt: {
        const QRectF destination(point32(r, 24), QSizeF(point32(r, 32).x(), point32(r, 32).y()));
        const quint32 rop = r.u32le(40).value_or(0);
        const QPointF sourceAt = point32(r, 44);
        const QImage source = dib(r, r.u32le(84).value_or(0), r.u32le(88).value_or(0),
            r.u32le(92).value_or(0), r.u32le(96).value_or(0), r.u32le(80).value_or(0));
        QSizeF sourceSize = destination.size();
        if (type == StretchBlt)
            sourceSize = QSizeF(r.i32le(100).value_or(0), r.i32le(104).value_or(0));
        m_canvas.bitmap(destination, source, QRectF(sourceAt, sourceSize), rop);
        return true;
    }
    case StretchDiBits:
    case SetDiBitsToDevice: {
        const bool stretch = type == StretchDiBits;
        const QPointF at = point32(r, 24);
        const QRectF sourceRect(point32(r, 32), QSizeF(point32(r, 40).x(), point32(r, 40).y()));
        const QImage source = dib(r, r.u32le(48).value_or(0), r.u32le(52).value_or(0),
            r.u32le(56).value_or(0), r.u32le(60).value_or(0), r.u32le(64).value_or(0));
        if (source.isNull())
            return true;
        // The source rectangle counts rows from the bottom of the bitmap.
        QRectF fromTop = sourceRect;
        fromTop.moveTop(source.height() - sourceRect.top() - sourceRect.height());
        const QSizeF size = stretch ? QSizeF(r.i32le(72).value_or(0), r.i32le(76).value_or(0))
                                    : sourceRect.size();
        const quint32 rop = stretch ? r.u32le(68).value_or(0) : RasterOp::SRCCOPY;
        m_canvas.bitmap(QRectF(at, size), source, fromTop, rop);
        return true;
    }
    default:
        return false;
    }
}

bool EmfPlayer::region(quint32 type, const ByteReader &r)
{
    qint64 dataAt = 0, dataSize = 0;
    switch (type) {
    case FillRgn:
    case PaintRgn:
        dataSize = r.u32le(24).value_or(0);
        dataAt = type == FillRgn ? 32 : 28;
        break;
    case ExtSelectClipRgn:
        dataSize = r.u32le(8).value_or(0);
        dataAt = 16;
        break;
    case FrameRgn:
    case InvertRgn:
        return false;
    default:
        return false;
    }
    // RGNDATAHEADER (32 bytes) and its rectangles, in device units.
    const qint64 count = r.u32le(dataAt + 8).value_or(0);
    QPainterPath rects;
    if (dataSize >= 32 && r.has(dataAt, dataSize) && count <= (dataSize - 32) / 16) {
        for (qint64 k = 0; k < count; ++k)
            rects.addRect(box(r, dataAt + 32 + 16 * k).normalized());
    }
    if (type == ExtSelectClipRgn) {
        m_canvas.selectClipRegion(rects, int(r.u32le(12).value_or(5)), dataSize == 0);
        return true;
    }
    MetafileState &s = m_canvas.state();
    const MetafileBrush current = s.brush;
    if (type == FillRgn) {
        if (const MetafileObject *object = m_objects.at(r.u32le(28).value_or(0)))
            m_canvas.select(*object);
    }
    m_canvas.fillDeviceArea(rects);
    s.brush = current;
    return true;
}

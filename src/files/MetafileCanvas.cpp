#include "files/MetafileCanvas.h"

#include "files/MetafileBlit.h"
#include "files/MetafileClip.h"
#include "files/MetafileLimits.h"
#include "files/MetafilePageMapping.h"
#include "files/MetafileStyles.h"
#include "files/MetafileTextLayout.h"

#include <QBitmap>

#include <cmath>
#include <functional>

namespace {

constexpr qreal Limit = MetafileLimits::MaxDeviceCoordinate;

qreal pinned(qreal v)
{
    if (!std::isfinite(v))
        return 0;
    return std::clamp(v, -Limit, Limit);
}

QPainterPath pinnedPath(QPainterPath path)
{
    for (int k = 0; k < path.elementCount(); ++k) {
        const QPainterPath::Element e = path.elementAt(k);
        if (std::abs(e.x) > Limit || std::abs(e.y) > Limit || !std::isfinite(e.x)
            || !std::isfinite(e.y))
            path.setElementPositionAt(k, pinned(e.x), pinned(e.y));
    }
    return path;
}

bool axisAligned(const QTransform &t)
{
    return t.m12() == 0 && t.m21() == 0;
}

}

MetafileCanvas::MetafileCanvas(QImage *target, Mode mode)
    : m_target(target)
    , m_mode(mode)
{
    if (m_mode == Mode::Paint && m_target && !m_target->isNull()) {
        m_painter = std::make_unique<QPainter>(m_target);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    } else {
        m_mode = Mode::Measure;
    }
}

MetafileCanvas::~MetafileCanvas()
{
    if (m_painter)
        m_painter->end();
}

void MetafileCanvas::setDevice(const QTransform &deviceToPicture, qreal devicePixelsPerMm)
{
    m_deviceToPicture = deviceToPicture;
    if (devicePixelsPerMm > 0 && std::isfinite(devicePixelsPerMm))
        m_devicePixelsPerMm = devicePixelsPerMm;
}

QTransform MetafileCanvas::logicalToDevice() const
{
    return m_state.world * MetafilePageMapping::pageTransform(m_state, m_devicePixelsPerMm);
}

QTransform MetafileCanvas::logicalToPicture() const
{
    return logicalToDevice() * m_deviceToPicture;
}

// How many picture pixels one logical unit is (the geometric mean of the
// axes): pen widths and font heights follow it.
qreal MetafileCanvas::pictureScale() const
{
    const qreal determinant = std::abs(logicalToPicture().determinant());
    return std::isfinite(determinant) ? std::sqrt(determinant) : 0;
}

QPolygonF MetafileCanvas::toPicture(const QPolygonF &logical) const
{
    return logicalToPicture().map(logical);
}

void MetafileCanvas::select(const MetafileObject &object)
{
    if (const auto *pen = std::get_if<MetafilePen>(&object))
        m_state.pen = *pen;
    else if (const auto *brush = std::get_if<MetafileBrush>(&object))
        m_state.brush = *brush;
    else if (const auto *font = std::get_if<MetafileFont>(&object))
        m_state.font = *font;
}

void MetafileCanvas::save()
{
    if (int(m_saved.size()) < MetafileLimits::MaxSaveDepth)
        m_saved.push_back(m_state);
}

void MetafileCanvas::restore(int which)
{
    const qint64 count = qint64(m_saved.size());
    const qint64 index = which < 0 ? count + which : qint64(which) - 1;
    if (which == 0 || index < 0 || index >= count)
        return;
    m_state = m_saved[size_t(index)];
    m_saved.resize(size_t(index));
}

void MetafileCanvas::moveTo(QPointF point)
{
    m_state.position = point;
    if (m_inPath)
        m_path.moveTo(logicalToPicture().map(point));
}

void MetafileCanvas::lineTo(QPointF point)
{
    polylineTo(QPolygonF { point });
}

void MetafileCanvas::polylineTo(const QPolygonF &points)
{
    if (points.isEmpty())
        return;
    if (m_inPath) {
        if (m_path.elementCount() == 0)
            m_path.moveTo(logicalToPicture().map(m_state.position));
        for (const QPointF &p : toPicture(points))
            m_path.lineTo(p);
    } else {
        QPolygonF all { m_state.position };
        all += points;
        QPainterPath path;
        path.addPolygon(toPicture(all));
        figure(path, false);
    }
    m_state.position = points.last();
}

void MetafileCanvas::polyline(const QPolygonF &points)
{
    if (points.size() < 2)
        return;
    QPainterPath path;
    path.addPolygon(toPicture(points));
    figure(path, false);
}

void MetafileCanvas::polygon(const QPolygonF &points)
{
    polyPolygon({ points });
}

void MetafileCanvas::polyPolygon(const QList<QPolygonF> &polygons)
{
    QPainterPath path;
    path.setFillRule(m_state.fillRule);
    for (const QPolygonF &points : polygons) {
        if (points.size() < 2)
            continue;
        path.addPolygon(toPicture(points));
        path.closeSubpath();
    }
    figure(path, true);
}

void MetafileCanvas::polyPolyline(const QList<QPolygonF> &polylines)
{
    for (const QPolygonF &points : polylines)
        polyline(points);
}

void MetafileCanvas::polyBezier(const QPolygonF &points)
{
    if (points.size() < 4)
        return;
    const QPolygonF p = toPicture(points);
    QPainterPath path(p[0]);
    for (qsizetype k = 1; k + 2 < p.size(); k += 3)
        path.cubicTo(p[k], p[k + 1], p[k + 2]);
    figure(path, false);
}

void MetafileCanvas::polyBezierTo(const QPolygonF &points)
{
    if (points.size() < 3)
        return;
    const QPolygonF p = toPicture(points);
    QPainterPath own(logicalToPicture().map(m_state.position));
    QPainterPath &path = m_inPath ? m_path : own;
    if (m_inPath && m_path.elementCount() == 0)
        m_path.moveTo(own.currentPosition());
    for (qsizetype k = 0; k + 2 < p.size(); k += 3)
        path.cubicTo(p[k], p[k + 1], p[k + 2]);
    if (!m_inPath)
        figure(own, false);
    m_state.position = points[(points.size() / 3) * 3 - 1];
}

// A box figure covers its left and top edges but not its right and bottom
// ones, in device pixels, as a device context draws it: the box is cut by
// one device pixel before it reaches the picture. A rotated or sheared box
// is drawn as given.
QPainterPath MetafileCanvas::boxPath(
    const QRectF &box, const std::function<void(QPainterPath &, QRectF)> &shape) const
{
    const QTransform toDevice = logicalToDevice();
    QPainterPath path;
    if (!axisAligned(toDevice)) {
        shape(path, box.normalized());
        return logicalToPicture().map(path);
    }
    QRectF device = toDevice.mapRect(box.normalized());
    if (device.width() > 1 && device.height() > 1)
        device.adjust(0, 0, -1, -1);
    shape(path, device);
    return m_deviceToPicture.map(path);
}

void MetafileCanvas::rectangle(const QRectF &box)
{
    figure(boxPath(box, [](QPainterPath &p, QRectF r) { p.addRect(r); }), true);
}

void MetafileCanvas::roundRectangle(const QRectF &box, QSizeF corner)
{
    // The corner ellipse is in logical units; its share of the box is what
    // carries over (Qt's relative radii are percents of half the box).
    const qreal rx = box.width() == 0 ? 0 : std::abs(corner.width() / box.width()) * 100;
    const qreal ry = box.height() == 0 ? 0 : std::abs(corner.height() / box.height()) * 100;
    figure(boxPath(box,
               [&](QPainterPath &p, QRectF r) {
                   p.addRoundedRect(
                       r, std::min<qreal>(rx, 50), std::min<qreal>(ry, 50), Qt::RelativeSize);
               }),
        true);
}

void MetafileCanvas::ellipse(const QRectF &box)
{
    figure(boxPath(box, [](QPainterPath &p, QRectF r) { p.addEllipse(r); }), true);
}

// The arc runs from the ray through `start` to the ray through `end`, counter-
// clockwise unless the arc direction says otherwise, in logical space.
void MetafileCanvas::arc(const QRectF &box, QPointF start, QPointF end, ArcKind kind)
{
    const QRectF r = box.normalized();
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QPointF c = r.center();
    const auto angleOf = [&](QPointF p) {
        const qreal t = std::atan2(-(p.y() - c.y()) / r.height(), (p.x() - c.x()) / r.width());
        return qRadiansToDegrees(t);
    };
    const qreal a0 = angleOf(start);
    qreal sweep = angleOf(end) - a0;
    if (m_state.clockwiseArcs) {
        while (sweep >= 0)
            sweep -= 360;
    } else {
        while (sweep <= 0)
            sweep += 360;
    }
    QPainterPath path;
    if (kind == ArcKind::ArcTo) {
        QPainterPath line(m_state.position);
        line.arcTo(r, a0, sweep);
        const qreal a1 = qDegreesToRadians(a0 + sweep);
        m_state.position
            = c + QPointF(r.width() / 2 * std::cos(a1), -r.height() / 2 * std::sin(a1));
        if (m_inPath && m_path.elementCount() > 0) {
            m_path.connectPath(logicalToPicture().map(line));
            return;
        }
        figure(logicalToPicture().map(line), false);
        return;
    }
    if (kind == ArcKind::Pie) {
        path.moveTo(c);
        path.arcTo(r, a0, sweep);
        path.closeSubpath();
    } else {
        path.arcMoveTo(r, a0);
        path.arcTo(r, a0, sweep);
        if (kind == ArcKind::Chord)
            path.closeSubpath();
    }
    figure(logicalToPicture().map(path), kind != ArcKind::Arc);
}

void MetafileCanvas::pixel(QPointF point, ColourValue colour)
{
    const QPointF p = logicalToPicture().map(point);
    const QRectF one(std::floor(pinned(p.x())), std::floor(pinned(p.y())), 1, 1);
    if (m_mode == Mode::Measure)
        return measure(one);
    paint(one, [&](QPainter &painter) { painter.fillRect(one, Colour::toQColor(colour)); });
}

void MetafileCanvas::beginPath()
{
    m_inPath = true;
    m_path = QPainterPath();
}

void MetafileCanvas::endPath()
{
    m_inPath = false;
}

void MetafileCanvas::closeFigure()
{
    if (m_inPath)
        m_path.closeSubpath();
}

void MetafileCanvas::abortPath()
{
    m_inPath = false;
    m_path = QPainterPath();
}

void MetafileCanvas::fillPath()
{
    m_inPath = false;
    m_path.setFillRule(m_state.fillRule);
    paintFigure(m_path, true, false);
    m_path = QPainterPath();
}

void MetafileCanvas::strokePath()
{
    m_inPath = false;
    paintFigure(m_path, false, true);
    m_path = QPainterPath();
}

void MetafileCanvas::strokeAndFillPath()
{
    m_inPath = false;
    m_path.setFillRule(m_state.fillRule);
    paintFigure(m_path, true, true);
    m_path = QPainterPath();
}

void MetafileCanvas::selectClipPath(int mode)
{
    m_inPath = false;
    QPainterPath path = pinnedPath(m_path);
    path.setFillRule(m_state.fillRule);
    m_path = QPainterPath();
    combineClip(path, mode);
}

void MetafileCanvas::selectClipRegion(const QPainterPath &device, int mode, bool reset)
{
    if (reset && mode == 5) {
        m_state.clip.reset();
        return;
    }
    combineClip(pinnedPath(m_deviceToPicture.map(device)), mode);
}

void MetafileCanvas::combineClip(const QPainterPath &path, int mode)
{
    m_state.clip = MetafileClip::combined(m_state.clip, path, mode);
}

void MetafileCanvas::fillDeviceArea(const QPainterPath &device)
{
    paintFigure(m_deviceToPicture.map(device), true, false);
}

void MetafileCanvas::intersectClip(const QRectF &logical)
{
    QPainterPath rect;
    rect.addPolygon(toPicture(QPolygonF(logical.normalized())));
    rect = pinnedPath(rect);
    m_state.clip = MetafileClip::combined(m_state.clip, rect, MetafileClip::And);
}

void MetafileCanvas::excludeClip(const QRectF &logical)
{
    QPainterPath rect;
    rect.addPolygon(toPicture(QPolygonF(logical.normalized())));
    rect = pinnedPath(rect);
    m_state.clip = MetafileClip::combined(m_state.clip, rect, MetafileClip::Difference);
}

void MetafileCanvas::resetClip()
{
    m_state.clip.reset();
}

// Drawn at once, or added to the path under construction.
void MetafileCanvas::figure(const QPainterPath &picturePath, bool closed)
{
    if (m_inPath) {
        m_path.addPath(picturePath);
        return;
    }
    paintFigure(picturePath, closed, true);
}

void MetafileCanvas::paintFigure(const QPainterPath &picturePath, bool fill, bool stroke)
{
    if (picturePath.isEmpty())
        return;
    const QPainterPath path = pinnedPath(picturePath);
    const bool hasFill = fill && m_state.brush.style != MetafileBrush::Style::Null;
    const bool hasStroke = stroke && m_state.pen.style != MetafilePen::Style::Null;
    if (!hasFill && !hasStroke)
        return;
    const qreal grow = hasStroke ? pen().widthF() / 2 + 1 : 0;
    const QRectF bounds = path.controlPointRect().adjusted(-grow, -grow, grow, grow);
    if (m_mode == Mode::Measure)
        return measure(bounds);
    paint(bounds, [&](QPainter &painter) {
        if (hasFill) {
            QPainterPath area = path;
            area.setFillRule(picturePath.fillRule());
            painter.setPen(Qt::NoPen);
            const MetafileBrush &brush = m_state.brush;
            if (brush.style == MetafileBrush::Style::Hatched) {
                if (m_state.opaqueBackground)
                    painter.fillPath(area, Colour::toQColor(m_state.backgroundColour));
                painter.fillPath(area, MetafileStyles::hatchBrush(brush.hatch, brush.colour));
            } else if (brush.style == MetafileBrush::Style::Pattern && !brush.pattern.isNull()) {
                painter.fillPath(area, QBrush(brush.pattern));
            } else {
                painter.fillPath(area, Colour::toQColor(brush.colour));
            }
        }
        if (hasStroke) {
            const QPen outline = pen();
            painter.setBrush(Qt::NoBrush);
            if (outline.style() == Qt::CustomDashLine && m_state.opaqueBackground) {
                QPen gaps = outline;
                gaps.setStyle(Qt::SolidLine);
                gaps.setColor(Colour::toQColor(m_state.backgroundColour));
                painter.strokePath(path, gaps);
            }
            painter.strokePath(path, outline);
        }
    });
}

QPen MetafileCanvas::pen() const
{
    return MetafileStyles::penFor(m_state.pen, pictureScale(), m_state.miterLimit);
}

void MetafileCanvas::measure(const QRectF &bounds)
{
    m_bounds = m_bounds.united(bounds);
}

void MetafileCanvas::applyClip(QPainter &painter) const
{
    if (m_state.clip)
        painter.setClipPath(*m_state.clip);
    else
        painter.setClipping(false);
}

// Straight onto the picture with R2_COPYPEN; through a scratch layer and the
// surface's raster operation otherwise, so each pixel of the figure is
// combined once whatever the figure's fill and outline overlap.
void MetafileCanvas::paint(const QRectF &bounds, const std::function<void(QPainter &)> &draw)
{
    if (!m_painter)
        return;
    const int rop = m_state.rop2;
    if (rop == RasterOp::R2_NOP)
        return;
    if (rop == RasterOp::R2_COPYPEN || rop < RasterOp::R2_BLACK || rop > RasterOp::R2_WHITE) {
        m_painter->save();
        applyClip(*m_painter);
        draw(*m_painter);
        m_painter->restore();
        return;
    }
    const QRect area = bounds.toAlignedRect().intersected(m_target->rect());
    if (!area.isEmpty())
        combineWithRop(area, draw);
}

void MetafileCanvas::combineWithRop(const QRect &area, const std::function<void(QPainter &)> &draw)
{
    if (m_scratch.size() != m_target->size())
        m_scratch = QImage(m_target->size(), QImage::Format_ARGB32_Premultiplied);
    if (m_scratch.isNull())
        return;
    {
        QPainter layer(&m_scratch);
        layer.setCompositionMode(QPainter::CompositionMode_Source);
        layer.fillRect(area, Qt::transparent);
        layer.setCompositionMode(QPainter::CompositionMode_SourceOver);
        layer.setClipRect(area);
        if (m_state.clip)
            layer.setClipPath(*m_state.clip, Qt::IntersectClip);
        draw(layer);
    }
    m_painter->end();
    MetafileBlit::combinePenLayer(*m_target, m_scratch, area, m_state.rop2);
    m_painter->begin(m_target);
}

void MetafileCanvas::text(QPointF reference, const QString &text, const QList<qreal> &advances,
    quint32 options, const QRectF &rect)
{
    const QTransform toPicture = logicalToPicture();
    const QPolygonF box = toPicture.map(QPolygonF(rect.normalized()));
    const bool opaqueRect = (options & TextOpaque) && !rect.isEmpty();
    const bool clipped = (options & TextClipped) && !rect.isEmpty();
    if ((options & TextOpaque) && m_mode == Mode::Paint && opaqueRect) {
        const QColor background = Colour::toQColor(m_state.backgroundColour);
        paint(box.boundingRect(), [&](QPainter &painter) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(background);
            painter.drawPolygon(box);
        });
    }
    if (text.isEmpty())
        return;
    const MetafileTextLayout layout(m_state, toPicture, reference, text, advances);
    if (m_mode == Mode::Measure)
        return measure(layout.bounds());
    const QColor ink = Colour::toQColor(m_state.textColour);
    const QColor background = Colour::toQColor(m_state.backgroundColour);
    const bool opaque = m_state.opaqueBackground && !opaqueRect;
    paint(layout.bounds(), [&](QPainter &painter) {
        if (clipped) {
            QPainterPath clip;
            clip.addPolygon(box);
            painter.setClipPath(clip, Qt::IntersectClip);
        }
        layout.paint(painter, ink, opaque ? std::optional<QColor>(background) : std::nullopt);
    });
    if (m_state.textAlign & MetafileTextLayout::UpdateCurrentPosition)
        m_state.position = layout.nextReference();
}

void MetafileCanvas::bitmap(
    const QRectF &destination, const QImage &source, const QRectF &sourceRect, quint32 rop)
{
    const QPolygonF corners = toPicture(QPolygonF(destination));
    const QRectF bounds = corners.boundingRect();
    if (m_mode == Mode::Measure)
        return measure(bounds);
    if (!m_painter)
        return;
    // Which corner the source's top left lands on tells a mirrored copy.
    const QPointF topLeft = logicalToPicture().map(destination.topLeft());
    const QPointF bottomRight = logicalToPicture().map(destination.bottomRight());
    const QRectF target(topLeft, bottomRight);
    const QRect area = bounds.toAlignedRect().intersected(m_target->rect());
    if (area.isEmpty())
        return;
    const QImage layer = MetafileBlit::blit(
        *m_target, area, target, source, sourceRect, rop, Colour::toPixel(m_state.brush.colour));
    if (layer.isNull())
        return;
    m_painter->save();
    applyClip(*m_painter);
    m_painter->setCompositionMode(QPainter::CompositionMode_Source);
    m_painter->drawImage(area.topLeft(), layer);
    m_painter->restore();
}

#include "document/PictureSurface.h"

#include "document/CoverageMask.h"
#include "document/EllipseRaster.h"
#include "document/FillPattern.h"
#include "document/LineStyle.h"
#include "document/SegmentClip.h"
#include "document/StretchMap.h"
#include "document/Twips.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Qt rasterises only where its fixed-point arithmetic holds; a segment that
// reaches further than this beyond the surface is cut to the surface first.
constexpr int FarOutside = 4096;

// 96 dots per inch, so that a point of Font is 4/3 of a pixel (20 twips).
constexpr int DotsPerMeter = 3780;

QPoint toPixels(double x, double y)
{
    return { Twips::toPixels(x), Twips::toPixels(y) };
}

// The pixels from one corner to the other, both included, in any order.
// (QRect::normalized() reads a reversed rectangle as exclusive of its corners.)
QRect spanning(const QPoint &a, const QPoint &b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
        QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

}

struct PictureSurface::Stroke
{
    QPoint end;
    qreal length = 0;
    std::unique_ptr<CoverageMask> lastSegment;
    // Every pixel the stroke has touched; made when the stroke first continues.
    std::unique_ptr<CoverageMask> touched;
};

bool PictureSurface::sizeIsAllowed(int widthPixels, int heightPixels)
{
    return widthPixels >= 0 && heightPixels >= 0 && widthPixels <= MaxSide
        && heightPixels <= MaxSide && qint64(widthPixels) * heightPixels <= MaxPixels;
}

PictureSurface::PictureSurface(QObject *parent)
    : PictureSurface(0, 0, parent)
{
}

PictureSurface::PictureSurface(int widthPixels, int heightPixels, QObject *parent)
    : QObject(parent)
{
    m_font = QFont(QStringLiteral("WenQuanYi Micro Hei"), 9);
    if (!sizeIsAllowed(widthPixels, heightPixels))
        widthPixels = heightPixels = 0;
    m_image = QImage(widthPixels, heightPixels, QImage::Format_RGB32);
    m_image.setDotsPerMeterX(DotsPerMeter);
    m_image.setDotsPerMeterY(DotsPerMeter);
    m_image.fill(Colour::toPixel(m_backColor));
}

PictureSurface::~PictureSurface() = default;

double PictureSurface::Width() const
{
    return Twips::fromPixels(pixelWidth());
}

double PictureSurface::Height() const
{
    return Twips::fromPixels(pixelHeight());
}

void PictureSurface::Move(double left, double top)
{
    m_left = left;
    m_top = top;
}

bool PictureSurface::Move(double left, double top, double width, double height)
{
    Move(left, top);
    return resizePixels(Twips::toPixels(width), Twips::toPixels(height));
}

bool PictureSurface::resizePixels(int widthPixels, int heightPixels)
{
    if (!sizeIsAllowed(widthPixels, heightPixels))
        return false;
    if (widthPixels == pixelWidth() && heightPixels == pixelHeight())
        return true;
    QImage grown(widthPixels, heightPixels, QImage::Format_RGB32);
    grown.setDotsPerMeterX(DotsPerMeter);
    grown.setDotsPerMeterY(DotsPerMeter);
    grown.fill(Colour::toPixel(m_backColor));
    const int keepWidth = std::min(widthPixels, pixelWidth());
    const int keepHeight = std::min(heightPixels, pixelHeight());
    for (int y = 0; y < keepHeight; ++y)
        std::memcpy(grown.scanLine(y), m_image.constScanLine(y), size_t(keepWidth) * 4);
    m_image = grown;
    endStroke();
    emit resized();
    emit changed(pixelRect());
    return true;
}

void PictureSurface::setBackColor(ColourValue c)
{
    m_backColor = c & 0xFFFFFF;
    Cls();
}

void PictureSurface::setFillStyle(int style)
{
    m_fillStyle = std::clamp(style, 0, 7);
}

void PictureSurface::setDrawStyle(int style)
{
    m_drawStyle = std::clamp(style, 0, 6);
}

void PictureSurface::setDrawWidth(int width)
{
    m_drawWidth = std::clamp(width, 1, 32767);
}

void PictureSurface::setDrawMode(int mode)
{
    m_drawMode = (mode >= RasterOp::R2_BLACK && mode <= RasterOp::R2_WHITE) ? mode
                                                                              : int(RasterOp::R2_COPYPEN);
}

void PictureSurface::setPicture(const QImage &picture)
{
    m_picture = picture.isNull() ? QImage()
                                 : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (m_autoSize && !m_picture.isNull())
        resizePixels(m_picture.width(), m_picture.height());
    restartFromPicture();
    emit pictureChanged();
    emit changed(pixelRect());
}

void PictureSurface::setImage(const QImage &image)
{
    const QSize before = m_image.size();
    if (!sizeIsAllowed(image.width(), image.height()))
        return;
    m_image = image.convertToFormat(QImage::Format_RGB32);
    m_image.setDotsPerMeterX(DotsPerMeter);
    m_image.setDotsPerMeterY(DotsPerMeter);
    endStroke();
    if (m_image.size() != before)
        emit resized();
    emit changed(pixelRect());
}

void PictureSurface::restartFromPicture()
{
    endStroke();
    m_image.fill(Colour::toPixel(m_backColor));
    if (!m_picture.isNull() && !m_image.isNull()) {
        QPainter painter(&m_image);
        painter.drawImage(0, 0, m_picture);
    }
}

void PictureSurface::Cls()
{
    restartFromPicture();
    m_currentX = 0;
    m_currentY = 0;
    emit changed(pixelRect());
}

void PictureSurface::Refresh()
{
    emit changed(pixelRect());
}

RasterOp::PenOperation PictureSurface::penOperation(ColourValue colour) const
{
    return RasterOp::PenOperation::make(m_drawMode, colour);
}

void PictureSurface::drawMask(const CoverageMask &mask, ColourValue outlineColour)
{
    if (mask.isEmpty())
        return;
    mask.apply(m_image, CoverageMask::Interior, penOperation(m_fillColor),
        FillPattern::forFillStyle(m_fillStyle));
    mask.apply(m_image, CoverageMask::Outline, penOperation(outlineColour));
    emit changed(mask.bounds());
}

QRect PictureSurface::reachOf(const QRectF &figure) const
{
    const int margin = m_drawWidth + 2;
    const QRectF reach = figure.normalized().adjusted(-margin, -margin, margin + 1, margin + 1);
    const QRectF surface(pixelRect());
    return reach.intersected(surface).toAlignedRect() & pixelRect();
}

void PictureSurface::endStroke()
{
    m_stroke.reset();
}

void PictureSurface::PSet(double x, double y)
{
    PSet(x, y, m_foreColor);
}

void PictureSurface::PSet(double x, double y, ColourValue colour)
{
    endStroke();
    drawDot(toPixels(x, y), colour & 0xFFFFFF);
    m_currentX = x;
    m_currentY = y;
}

void PictureSurface::drawDot(const QPoint &at, ColourValue colour)
{
    CoverageMask mask(reachOf(QRectF(at, at)));
    markDot(mask, at);
    drawMask(mask, colour);
}

void PictureSurface::markDot(CoverageMask &mask, const QPoint &at) const
{
    if (m_drawWidth <= 1) {
        mask.fillRect(QRect(at, at), CoverageMask::Outline);
        return;
    }
    const qreal radius = m_drawWidth / 2.0;
    QPainterPath disc;
    disc.addEllipse(QPointF(at), radius, radius);
    mask.fillPath(disc, CoverageMask::Outline);
}

void PictureSurface::markSegment(CoverageMask &mask, QLineF segment, qreal dashOffset) const
{
    const QRectF near = QRectF(pixelRect()).adjusted(-FarOutside, -FarOutside, FarOutside, FarOutside);
    if (!near.contains(segment.p1()) || !near.contains(segment.p2())) {
        const int margin = m_drawWidth + 16;
        const auto clipped
            = clipSegment(segment, QRectF(pixelRect()).adjusted(-margin, -margin, margin, margin));
        if (!clipped)
            return;
        dashOffset += QLineF(segment.p1(), clipped->p1()).length();
        segment = *clipped;
    }
    if (m_drawWidth > 1 && LineStyle::isDashed(m_drawStyle)) {
        // Flat-capped dashes end at their points; reaching half a pixel past
        // each end point covers the end pixels as a thin line does.
        const QPointF half = (segment.p2() - segment.p1()) / segment.length() * 0.5;
        segment = QLineF(segment.p1() - half, segment.p2() + half);
    }
    QPainterPath path(segment.p1());
    path.lineTo(segment.p2());
    const QPen pen = LineStyle::penFor(m_drawStyle, m_drawWidth, LineStyle::Joins::Round, dashOffset);
    if (m_drawWidth <= 1)
        mask.strokeThin(path, pen, CoverageMask::Outline);
    else
        mask.strokeWide(path, pen, CoverageMask::Outline);
}

std::optional<ColourValue> PictureSurface::Point(double x, double y) const
{
    const QPoint p = toPixels(x, y);
    if (!m_image.rect().contains(p))
        return std::nullopt;
    return Colour::fromPixel(m_image.pixel(p));
}

void PictureSurface::Line(double x1, double y1, double x2, double y2,
    std::optional<ColourValue> colour, LineShape shape)
{
    const ColourValue c = colour.value_or(m_foreColor) & 0xFFFFFF;
    const QPoint a = toPixels(x1, y1);
    const QPoint b = toPixels(x2, y2);
    switch (shape) {
    case LineShape::Segment:
        drawSegment(a, b, c, false);
        break;
    case LineShape::Box:
        endStroke();
        drawBox(a, b, c);
        break;
    case LineShape::FilledBox:
        endStroke();
        drawFilledBox(a, b, c);
        break;
    }
    m_currentX = x2;
    m_currentY = y2;
}

void PictureSurface::LineTo(double x2, double y2, std::optional<ColourValue> colour)
{
    const ColourValue c = colour.value_or(m_foreColor) & 0xFFFFFF;
    drawSegment(toPixels(m_currentX, m_currentY), toPixels(x2, y2), c, true);
    m_currentX = x2;
    m_currentY = y2;
}

void PictureSurface::drawSegment(const QPoint &from, const QPoint &to, ColourValue colour,
    bool continuesStroke)
{
    const bool continuing = continuesStroke && m_stroke && m_stroke->end == from;
    if (!continuing) {
        m_stroke = std::make_unique<Stroke>();
        m_stroke->end = from;
    }
    Stroke &stroke = *m_stroke;
    const qreal dashOffset = stroke.length;
    stroke.length += QLineF(from, to).length();
    stroke.end = to;
    if (m_drawStyle == LineStyle::Invisible)
        return;

    auto mask = std::make_unique<CoverageMask>(reachOf(QRectF(from, to)));
    if (mask->isEmpty())
        return;
    if (from == to)
        markDot(*mask, from);
    else
        markSegment(*mask, QLineF(from, to), dashOffset);

    if (continuing) {
        if (!stroke.touched) {
            stroke.touched = std::make_unique<CoverageMask>(pixelRect());
            if (stroke.lastSegment)
                stroke.touched->unite(*stroke.lastSegment, CoverageMask::Outline);
        }
        mask->subtract(*stroke.touched);
        stroke.touched->unite(*mask, CoverageMask::Outline);
    }
    drawMask(*mask, colour);
    stroke.lastSegment = std::move(mask);
}

void PictureSurface::drawFilledBox(const QPoint &a, const QPoint &b, ColourValue colour)
{
    const QRect box = spanning(a, b);
    CoverageMask mask(box & pixelRect());
    mask.fillRect(box, CoverageMask::Outline);
    drawMask(mask, colour);
}

void PictureSurface::drawBox(const QPoint &a, const QPoint &b, ColourValue colour)
{
    const QRect box = spanning(a, b);
    const int w = m_drawWidth;
    const bool invisible = m_drawStyle == LineStyle::Invisible;
    // A centred pen puts the wider half outside on even widths; the inside
    // style keeps the whole pen within the box.
    const int outside = (m_drawStyle == LineStyle::InsideSolid || invisible) ? 0 : w / 2;
    const QRect outer = outside == 0 && (m_drawStyle == LineStyle::InsideSolid || invisible)
        ? box
        : box.adjusted(-outside, -outside, w - 1 - outside, w - 1 - outside);
    const QRect inner = invisible ? outer : outer.adjusted(w, w, -w, -w);
    const bool filled = m_fillStyle != FillPattern::Transparent;

    CoverageMask mask(outer & pixelRect());
    if (mask.isEmpty())
        return;
    if (invisible) {
        if (filled)
            mask.fillRect(inner, CoverageMask::Interior);
    } else if (LineStyle::isDashed(m_drawStyle)) {
        if (filled && inner.isValid())
            mask.fillRect(inner, CoverageMask::Interior);
        QPainterPath path;
        path.addRect(QRectF(box.topLeft(), box.bottomRight()));
        const QPen pen = LineStyle::penFor(m_drawStyle, w, LineStyle::Joins::Square);
        if (w <= 1)
            mask.strokeThin(path, pen, CoverageMask::Outline);
        else
            mask.strokeWide(path, pen, CoverageMask::Outline);
    } else {
        mask.fillRect(outer, CoverageMask::Outline);
        if (inner.isValid())
            mask.fillRect(inner, filled ? CoverageMask::Interior : CoverageMask::None);
    }
    drawMask(mask, colour);
}

namespace {

// Where an arc's geometric angle (the direction from the centre) meets the
// ellipse, as the ellipse's parametric angle in degrees.
qreal parametricDegrees(double polar, double rx, double ry)
{
    return qRadiansToDegrees(std::atan2(rx * std::sin(polar), ry * std::cos(polar)));
}

double normalisedAngle(double radians)
{
    constexpr double fullTurn = 2 * std::numbers::pi;
    double a = std::fmod(std::fabs(radians), fullTurn);
    return std::isfinite(a) ? a : 0.0;
}

}

void PictureSurface::Circle(double x, double y, double radius, std::optional<ColourValue> colour,
    std::optional<ArcAngles> angles, double aspect)
{
    endStroke();
    m_currentX = x;
    m_currentY = y;
    const ColourValue c = colour.value_or(m_foreColor) & 0xFFFFFF;
    // The centre stays a real point, so that an ellipse spanning two corner
    // pixels fills exactly the box between them.
    const QPointF centre(Twips::toPixelsReal(x), Twips::toPixelsReal(y));
    const double r = std::fabs(Twips::toPixelsReal(radius));
    aspect = std::isfinite(aspect) ? std::fabs(aspect) : 1.0;
    // The radius is the longer semi-axis.
    double rx = aspect <= 1.0 ? r : r / aspect;
    double ry = aspect <= 1.0 ? r * aspect : r;
    if (m_drawStyle == LineStyle::InsideSolid) {
        rx = std::max(0.0, rx - (m_drawWidth - 1) / 2.0);
        ry = std::max(0.0, ry - (m_drawWidth - 1) / 2.0);
    }
    if (rx < 0.5 && ry < 0.5)
        return;
    const QRectF bounds(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    CoverageMask mask(reachOf(bounds));
    if (mask.isEmpty())
        return;

    QPainterPath path;
    bool closed = true;
    if (!angles) {
        path.addEllipse(bounds);
    } else {
        const bool startRadius = angles->start < 0;
        const bool endRadius = angles->end < 0;
        const double start = normalisedAngle(angles->start);
        const double end = normalisedAngle(angles->end);
        double sweep = end - start;
        if (sweep <= 0)
            sweep += 2 * std::numbers::pi;
        const qreal from = parametricDegrees(start, rx, ry);
        qreal span = parametricDegrees(end, rx, ry) - from;
        while (span <= 0)
            span += 360;
        if (sweep >= 2 * std::numbers::pi)
            span = 360;
        if (startRadius) {
            path.moveTo(centre);
            QPainterPath probe;
            probe.arcMoveTo(bounds, from);
            path.lineTo(probe.currentPosition());
        } else {
            path.arcMoveTo(bounds, from);
        }
        path.arcTo(bounds, from, span);
        if (endRadius)
            path.lineTo(centre);
        closed = startRadius && endRadius;
        if (closed)
            path.closeSubpath();
    }

    const bool filled = closed && m_fillStyle != FillPattern::Transparent;
    if (!angles && !LineStyle::isDashed(m_drawStyle)) {
        const bool invisible = m_drawStyle == LineStyle::Invisible;
        if (invisible && filled) {
            EllipseRaster::mark(mask, centre, rx, ry, 1, true);
            mask.relabel(CoverageMask::Outline, CoverageMask::Interior);
        } else if (!invisible) {
            EllipseRaster::mark(mask, centre, rx, ry, m_drawWidth, filled);
        }
        drawMask(mask, c);
        return;
    }
    if (filled)
        mask.fillPath(path, CoverageMask::Interior);
    if (m_drawStyle != LineStyle::Invisible) {
        const QPen pen = LineStyle::penFor(m_drawStyle, m_drawWidth, LineStyle::Joins::Round);
        if (m_drawWidth <= 1)
            mask.strokeThin(path, pen, CoverageMask::Outline);
        else
            mask.strokeWide(path, pen, CoverageMask::Outline);
    }
    drawMask(mask, c);
}

void PictureSurface::PaintPicture(const QImage &source, double dx, double dy, quint32 op)
{
    const double w = Twips::fromPixels(source.width());
    const double h = Twips::fromPixels(source.height());
    PaintPicture(source, dx, dy, w, h, 0, 0, w, h, op);
}

void PictureSurface::PaintPicture(const QImage &source, double dx, double dy, double dw,
    double dh, double sx, double sy, double sw, double sh, quint32 op)
{
    endStroke();
    if (source.isNull() || m_image.isNull())
        return;
    // Holding a reference keeps the source's pixels if it is this very image:
    // writing below then detaches ours instead of reading what we write.
    const QImage src = source.format() == QImage::Format_RGB32
        ? source
        : source.convertToFormat(QImage::Format_RGB32);
    const StretchMap columns = StretchMap::make(Twips::toPixels(dx), Twips::toPixels(dw),
        Twips::toPixels(sx), Twips::toPixels(sw), 0, pixelWidth(), src.width());
    const StretchMap rows = StretchMap::make(Twips::toPixels(dy), Twips::toPixels(dh),
        Twips::toPixels(sy), Twips::toPixels(sh), 0, pixelHeight(), src.height());
    if (columns.isEmpty() || rows.isEmpty())
        return;

    const auto blit = RasterOp::BlitOperation::make(op, m_fillColor);
    const int count = columns.count();
    for (int j = 0; j < rows.count(); ++j) {
        const auto *srcRow = reinterpret_cast<const quint32 *>(src.constScanLine(rows.source(j)));
        auto *dstRow = reinterpret_cast<quint32 *>(m_image.scanLine(rows.first() + j))
            + columns.first();
        if (columns.isIdentity())
            RasterOp::blitRow(dstRow, srcRow + columns.source(0), count, blit);
        else
            RasterOp::blitRowGathered(dstRow, srcRow, columns.sources(), count, blit);
    }
    emit changed(QRect(columns.first(), rows.first(), columns.count(), rows.count()));
}

void PictureSurface::Print(const QString &text)
{
    endStroke();
    const QFontMetrics metrics(m_font, &m_image);
    QStringList lines = text.split(QLatin1Char('\n'));
    int x = Twips::toPixels(m_currentX);
    int y = Twips::toPixels(m_currentY);
    QRect touched;
    if (!m_image.isNull()) {
        QPainter painter(&m_image);
        painter.setFont(m_font);
        painter.setPen(QColor::fromRgb(Colour::toPixel(m_foreColor)));
        for (QString line : lines) {
            if (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            painter.drawText(QPoint(x, y + metrics.ascent()), line);
            touched |= metrics.boundingRect(line).translated(x, y + metrics.ascent());
            x = 0;
            y += metrics.lineSpacing();
        }
    } else {
        y += metrics.lineSpacing() * int(lines.size());
    }
    m_currentX = 0;
    m_currentY = Twips::fromPixels(y);
    if (!touched.isEmpty())
        emit changed(touched & pixelRect());
}

#include "raster/PictureSurface.h"

#include "raster/LargeImageMemory.h"

#include "base/Twips.h"
#include "raster/FigureRasterizer.h"
#include "raster/FillPattern.h"
#include "raster/StretchMap.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstring>

namespace {

// 96 dots per inch, so that a point of Font is 4/3 of a pixel (20 twips).
constexpr int DotsPerMeter = 3780;

QPoint toPixels(double x, double y)
{
    return { Twips::toPixels(x), Twips::toPixels(y) };
}

}

struct PictureSurface::Stroke
{
    // What the stroke is drawn with; another pen starts another stroke.
    struct Pen
    {
        ColourValue colour;
        int width;
        int style;
        int mode;
        bool operator==(const Pen &) const = default;
    };

    Pen pen;
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
{ }

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
    m_drawMode = (mode >= RasterOp::R2_BLACK && mode <= RasterOp::R2_WHITE)
        ? mode
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

QImage &PictureSurface::pixelsForWriting()
{
    endStroke();
    return m_image;
}

void PictureSurface::pixelsWritten(const QRect &pixels)
{
    const QRect touched = pixels & pixelRect();
    if (!touched.isEmpty())
        emit changed(touched);
}

void PictureSurface::Refresh()
{
    emit changed(pixelRect());
}

FigureRasterizer PictureSurface::rasterizer() const
{
    return FigureRasterizer(pixelRect(), penStyle());
}

void PictureSurface::drawFigure(const Figure &figure)
{
    if (figure.mask.isEmpty())
        return;
    figure.mask.apply(m_image, CoverageMask::Interior,
        RasterOp::PenOperation::make(m_drawMode, figure.fill),
        FillPattern::forFillStyle(figure.fillStyle));
    figure.mask.apply(
        m_image, CoverageMask::Outline, RasterOp::PenOperation::make(m_drawMode, figure.outline));
    emit changed(figure.mask.bounds());
}

PictureSurface::Figure PictureSurface::figure(CoverageMask mask, ColourValue outline) const
{
    return Figure { std::move(mask), outline & 0xFFFFFF, m_fillColor, m_fillStyle };
}

void PictureSurface::endStroke()
{
    m_stroke.reset();
}

PictureSurface::Figure PictureSurface::dotFigure(
    double x, double y, std::optional<ColourValue> colour) const
{
    return figure(rasterizer().dot(toPixels(x, y)), colour.value_or(m_foreColor));
}

void PictureSurface::PSet(double x, double y)
{
    PSet(x, y, m_foreColor);
}

void PictureSurface::PSet(double x, double y, ColourValue colour)
{
    endStroke();
    drawFigure(dotFigure(x, y, colour));
    m_currentX = x;
    m_currentY = y;
}

std::optional<ColourValue> PictureSurface::Point(double x, double y) const
{
    const QPoint p = toPixels(x, y);
    if (!m_image.rect().contains(p))
        return std::nullopt;
    return Colour::fromPixel(m_image.pixel(p));
}

PictureSurface::Figure PictureSurface::lineFigure(double x1, double y1, double x2, double y2,
    std::optional<ColourValue> colour, LineShape shape) const
{
    const QPoint a = toPixels(x1, y1);
    const QPoint b = toPixels(x2, y2);
    const FigureRasterizer r = rasterizer();
    const ColourValue c = colour.value_or(m_foreColor);
    switch (shape) {
    case LineShape::Box:
        return figure(r.box(a, b), c);
    case LineShape::FilledBox:
        return figure(r.filledBox(a, b), c);
    case LineShape::Segment:
        break;
    }
    return figure(r.segment(a, b), c);
}

void PictureSurface::Line(
    double x1, double y1, double x2, double y2, std::optional<ColourValue> colour, LineShape shape)
{
    const ColourValue c = colour.value_or(m_foreColor) & 0xFFFFFF;
    if (shape == LineShape::Segment) {
        drawSegment(toPixels(x1, y1), toPixels(x2, y2), c, false);
    } else {
        endStroke();
        drawFigure(lineFigure(x1, y1, x2, y2, c, shape));
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

void PictureSurface::drawSegment(
    const QPoint &from, const QPoint &to, ColourValue colour, bool continuesStroke)
{
    const Stroke::Pen pen { colour, m_drawWidth, m_drawStyle, m_drawMode };
    const bool continuing
        = continuesStroke && m_stroke && m_stroke->end == from && m_stroke->pen == pen;
    if (!continuing) {
        m_stroke = std::make_unique<Stroke>();
        m_stroke->pen = pen;
        m_stroke->end = from;
    }
    Stroke &stroke = *m_stroke;
    Figure segment = figure(rasterizer().segment(from, to, stroke.length), colour);
    stroke.length += QLineF(from, to).length();
    stroke.end = to;
    if (segment.mask.isEmpty())
        return;
    if (continuing) {
        if (!stroke.touched) {
            stroke.touched = std::make_unique<CoverageMask>(pixelRect());
            if (stroke.lastSegment)
                stroke.touched->unite(*stroke.lastSegment, CoverageMask::Outline);
        }
        segment.mask.subtract(*stroke.touched);
        stroke.touched->unite(segment.mask, CoverageMask::Outline);
    }
    drawFigure(segment);
    stroke.lastSegment = std::make_unique<CoverageMask>(std::move(segment.mask));
}

PictureSurface::Figure PictureSurface::circleFigure(double x, double y, double radius,
    std::optional<ColourValue> colour, std::optional<ArcAngles> angles, double aspect) const
{
    // The centre stays a real point, so that an ellipse spanning two corner
    // pixels fills exactly the box between them.
    const QPointF centre(Twips::toPixelsReal(x), Twips::toPixelsReal(y));
    const double r = std::fabs(Twips::toPixelsReal(radius));
    aspect = std::isfinite(aspect) ? std::fabs(aspect) : 1.0;
    // The radius is the longer semi-axis.
    const double rx = aspect <= 1.0 ? r : r / aspect;
    const double ry = aspect <= 1.0 ? r * aspect : r;
    return figure(rasterizer().ellipse(centre, rx, ry, angles), colour.value_or(m_foreColor));
}

void PictureSurface::Circle(double x, double y, double radius, std::optional<ColourValue> colour,
    std::optional<ArcAngles> angles, double aspect)
{
    endStroke();
    drawFigure(circleFigure(x, y, radius, colour, angles, aspect));
    m_currentX = x;
    m_currentY = y;
}

namespace {

// Whether every pixel of a surface of `size` comes from the same pixel of a
// source of that size.
bool coversWhole(const StretchMap &columns, const StretchMap &rows, const QSize &size)
{
    const auto whole = [](const StretchMap &map, int extent) {
        return map.isIdentity() && map.first() == 0 && map.count() == extent && map.source(0) == 0;
    };
    return whole(columns, size.width()) && whole(rows, size.height());
}

}

void PictureSurface::PaintPicture(const QImage &source, double dx, double dy, quint32 op)
{
    const double w = Twips::fromPixels(source.width());
    const double h = Twips::fromPixels(source.height());
    PaintPicture(source, dx, dy, w, h, 0, 0, w, h, op);
}

void PictureSurface::PaintPicture(const QImage &source, double dx, double dy, double dw, double dh,
    double sx, double sy, double sw, double sh, quint32 op)
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

    if (op == RasterOp::SRCCOPY && src.size() == m_image.size()
        && coversWhole(columns, rows, src.size())) {
        // The picture becomes ours as it is: shared, not copied (a picture
        // with another resolution is copied to keep ours).
        const int dpmX = m_image.dotsPerMeterX(), dpmY = m_image.dotsPerMeterY();
        m_image = src;
        if (m_image.dotsPerMeterX() != dpmX || m_image.dotsPerMeterY() != dpmY) {
            m_image.setDotsPerMeterX(dpmX);
            m_image.setDotsPerMeterY(dpmY);
        }
        emit changed(m_image.rect());
        return;
    }
    const auto blit = RasterOp::BlitOperation::make(op, m_fillColor);
    const int first = columns.first();
    const int count = columns.count();
    // Paints row j of the picture into `out`, combining it with `under`, the
    // same canvas row before painting (the two are one row when painting in
    // place).
    const auto paintRow = [&](quint32 *out, const quint32 *under, int j) {
        const auto *srcRow = reinterpret_cast<const quint32 *>(src.constScanLine(rows.source(j)));
        if (out != under) {
            std::memcpy(out, under, size_t(first) * 4);
            const int after = first + count;
            std::memcpy(out + after, under + after, size_t(pixelWidth() - after) * 4);
        }
        if (columns.isIdentity() && op == RasterOp::SRCCOPY) {
            std::memcpy(out + first, srcRow + columns.source(0), size_t(count) * 4);
        } else if (columns.isIdentity()) {
            RasterOp::blitRowInto(
                out + first, srcRow + columns.source(0), under + first, count, blit);
        } else {
            if (out != under)
                std::memcpy(out + first, under + first, size_t(count) * 4);
            RasterOp::blitRowGathered(out + first, srcRow, columns.sources(), count, blit);
        }
    };
    QImage painted;
    if (!m_image.isDetached())
        painted = paintedCopy(rows.first(), rows.count(), paintRow);
    if (!painted.isNull()) {
        m_image = painted;
    } else {
        for (int j = 0; j < rows.count(); ++j) {
            auto *row = reinterpret_cast<quint32 *>(m_image.scanLine(rows.first() + j));
            paintRow(row, row, j);
        }
    }
    emit changed(QRect(columns.first(), rows.first(), columns.count(), rows.count()));
}

// Our pixels are shared (with an undo step that holds them, or a selection
// lifted from them). Writing would first copy the whole image and then paint
// over the copy; painting each row straight into a fresh image reads and
// writes every pixel once.
template <typename PaintRow>
QImage PictureSurface::paintedCopy(int firstRow, int rowCount, PaintRow paintRow) const
{
    QImage out = m_image.format() == QImage::Format_RGB32
        ? LargeImageMemory::freshImage(m_image.width(), m_image.height())
        : QImage(m_image.size(), m_image.format());
    if (out.isNull())
        return out;
    out.setDotsPerMeterX(m_image.dotsPerMeterX());
    out.setDotsPerMeterY(m_image.dotsPerMeterY());
    const size_t rowBytes = size_t(m_image.width()) * 4;
    for (int y = 0; y < m_image.height(); ++y) {
        auto *row = reinterpret_cast<quint32 *>(out.scanLine(y));
        const auto *under = reinterpret_cast<const quint32 *>(m_image.constScanLine(y));
        if (y >= firstRow && y < firstRow + rowCount)
            paintRow(row, under, y - firstRow);
        else
            std::memcpy(row, under, rowBytes);
    }
    return out;
}

namespace {

// Aliased glyphs cover a pixel fully or not at all, so text printed again
// at the same place (a gradient prints its text at every step) leaves the
// picture as the first print did instead of darkening the edges.
QFont printFont(const QFont &font)
{
    QFont aliased = font;
    aliased.setStyleStrategy(QFont::StyleStrategy(aliased.styleStrategy() | QFont::NoAntialias));
    return aliased;
}

QString withoutReturn(QString line)
{
    if (line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line;
}

}

QSize PictureSurface::TextSize(const QString &text, const QFont &font)
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(DotsPerMeter);
        image.setDotsPerMeterY(DotsPerMeter);
        return image;
    }();
    const QFontMetrics metrics(printFont(font), &device);
    const QStringList lines = text.split(QLatin1Char('\n'));
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, metrics.horizontalAdvance(withoutReturn(line)));
    return QSize(width, metrics.lineSpacing() * int(lines.size()));
}

void PictureSurface::Print(const QString &text)
{
    endStroke();
    const QFont font = printFont(m_font);
    const QFontMetrics metrics(font, &m_image);
    QStringList lines = text.split(QLatin1Char('\n'));
    int x = Twips::toPixels(m_currentX);
    int y = Twips::toPixels(m_currentY);
    QRect touched;
    if (!m_image.isNull()) {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::TextAntialiasing, false);
        painter.setFont(font);
        painter.setPen(QColor::fromRgb(Colour::toPixel(m_foreColor)));
        for (const QString &each : lines) {
            const QString line = withoutReturn(each);
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

#include "document/FloatingSelection.h"

#include "base/Twips.h"

#include <algorithm>

namespace {

// A picture of `twips` keeps at least one pixel each way, however small the
// marquee (a click selects one twip).
QSize pixelSizeOf(const QRectF &twips)
{
    const QRect pixels = Twips::toPixelRect(twips);
    return QSize(std::max(1, pixels.width()), std::max(1, pixels.height()));
}

QRegion outlineOf(const QRect &r)
{
    if (r.isEmpty())
        return {};
    QRegion region(r);
    if (r.width() > 2 && r.height() > 2)
        region -= QRegion(r.adjusted(1, 1, -1, -1));
    return region;
}

}

FloatingSelection::FloatingSelection(QObject *parent)
    : QObject(parent)
    , m_picture(1, 1)
{ }

template <typename Change> void FloatingSelection::update(Change change)
{
    const QRegion before = shownPixels();
    change();
    const QRegion after = shownPixels();
    if (!before.isEmpty() || !after.isEmpty())
        emit changed(before + after);
}

void FloatingSelection::showMarquee(const QRectF &outline)
{
    update([&] {
        m_outline = outline;
        if (!m_pictureShown && !m_shape1Visible && !m_shape2Visible)
            m_shape1Visible = true;
    });
}

void FloatingSelection::lift(const PictureSurface &canvas)
{
    const QRectF rect = m_outline.value_or(QRectF());
    reselect(rect, canvas);
}

void FloatingSelection::reselect(const QRectF &rect, const PictureSurface &canvas)
{
    update([&] {
        m_rect = rect;
        const QSize size = pixelSizeOf(rect);
        m_picture.resizePixels(size.width(), size.height());
        // What lies off the canvas is lifted as the canvas's background colour.
        m_picture.setBackColor(canvas.BackColor());
        m_picture.PaintPicture(canvas.Image(), 0, 0, Twips::fromPixels(size.width()),
            Twips::fromPixels(size.height()), rect.left(), rect.top(),
            Twips::fromPixels(size.width()), Twips::fromPixels(size.height()));
        m_pictureShown = true;
        layOutFrame();
    });
}

void FloatingSelection::place(const QImage &pixels, double left, double top)
{
    update([&] {
        // The picture takes the pixels as they are, shared: sizing it first
        // would fill a picture as large only to throw it away.
        if (PictureSurface::sizeIsAllowed(pixels.width(), pixels.height()))
            m_picture.setImage(pixels);
        else
            m_picture.resizePixels(1, 1);
        m_rect = QRectF(
            left, top, Twips::fromPixels(pixels.width()), Twips::fromPixels(pixels.height()));
        if (!m_pictureShown && !m_shape2Visible)
            m_shape1Visible = true;
        m_pictureShown = true;
        layOutFrame();
    });
}

void FloatingSelection::moveTo(double left, double top)
{
    if (left == m_rect.left() && top == m_rect.top())
        return;
    update([&] {
        m_rect.moveTo(left, top);
        layOutFrame();
    });
}

void FloatingSelection::fill(ColourValue colour)
{
    m_picture.setDrawStyle(0);
    m_picture.setFillStyle(0);
    m_picture.setFillColor(colour);
    m_picture.setDrawMode(RasterOp::R2_COPYPEN);
    m_picture.Line(
        0, 0, m_picture.ScaleWidth(), m_picture.ScaleHeight(), colour, LineShape::FilledBox);
    if (m_pictureShown)
        emit changed(QRegion(picturePixels()));
}

void FloatingSelection::replacePixels(const QImage &pixels)
{
    m_picture.setImage(pixels);
    if (m_pictureShown)
        emit changed(QRegion(picturePixels()));
}

void FloatingSelection::pictureRedrawn(const QRect &pixels)
{
    const QRect shown = picturePixels();
    const QRect changed = pixels.translated(shown.topLeft()) & shown;
    if (!changed.isEmpty())
        emit this->changed(QRegion(changed));
}

void FloatingSelection::clear()
{
    update([&] {
        m_pictureShown = false;
        m_outline.reset();
        m_shape1Visible = m_shape2Visible = false;
        m_picture.resizePixels(1, 1);
    });
}

void FloatingSelection::blink()
{
    if (!m_outline)
        return;
    m_shape1Visible = !m_shape1Visible;
    m_shape2Visible = !m_shape2Visible;
    emit changed(outlinePixels());
}

void FloatingSelection::layOutFrame()
{
    m_outline = frame().outline;
}

QRectF FloatingSelection::landing(double canvasWidth, double canvasHeight) const
{
    const double left = std::max(m_rect.left(), 0.0);
    const double top = std::max(m_rect.top(), 0.0);
    const double right = std::min(m_rect.left() + m_rect.width(), canvasWidth);
    const double bottom = std::min(m_rect.top() + m_rect.height(), canvasHeight);
    return QRectF(left, top, right - left, bottom - top);
}

void FloatingSelection::stampOnto(PictureSurface &canvas, quint32 op) const
{
    canvas.PaintPicture(m_picture.Image(), m_rect.left(), m_rect.top(), op);
}

QRect FloatingSelection::picturePixels() const
{
    if (!m_pictureShown)
        return {};
    return QRect(QPoint(Twips::toPixels(m_rect.left()), Twips::toPixels(m_rect.top())),
        m_picture.Image().size());
}

QRegion FloatingSelection::outlinePixels() const
{
    if (!m_outline)
        return {};
    return outlineOf(Twips::toPixelRect(*m_outline));
}

QRegion FloatingSelection::shownPixels() const
{
    QRegion region = outlinePixels();
    if (!m_pictureShown)
        return region;
    region += picturePixels();
    for (const QRectF &handle : frame().handles)
        region += Twips::toPixelRect(handle);
    return region;
}

#include "document/ui/CanvasView.h"

#include "base/Twips.h"
#include "document/CanvasInput.h"
#include "document/Document.h"
#include "document/RubberBand.h"
#include "raster/PictureSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

CanvasMouse toCanvas(const QMouseEvent &event)
{
    CanvasMouse mouse;
    const QPointF at
        = event.position() - QPointF(CanvasView::BorderPixels, CanvasView::BorderPixels);
    mouse.x = at.x() * Twips::PerPixel;
    mouse.y = at.y() * Twips::PerPixel;
    mouse.button = event.button();
    mouse.buttons = event.buttons();
    mouse.modifiers = event.modifiers();
    return mouse;
}

}

CanvasView::CanvasView(Document &document, QWidget *parent)
    : QWidget(parent)
    , m_document(&document)
{
    setObjectName(QStringLiteral("Picture1"));
    // The drawing is opaque and stays put while the window grows: Qt need not
    // clear or repaint what is already shown.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::ClickFocus);
    // The pointer read-out follows the pointer with no button held as well.
    setMouseTracking(true);
    connect(&document.Picture1(), &PictureSurface::changed, this,
        [this](const QRect &pixels) { update(pixels.translated(BorderPixels, BorderPixels)); });
    connect(&document.rubberBand(), &RubberBand::changed, this,
        [this](const QRegion &pixels) { update(pixels.translated(BorderPixels, BorderPixels)); });
}

CanvasInput *CanvasView::input() const
{
    return m_document ? m_document->input() : nullptr;
}

void CanvasView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.setPen(QColor(Qt::black));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!m_document)
        return;
    // The image has a device pixel ratio of 1, so on a 2x screen each image
    // pixel covers one logical pixel (2 x 2 device pixels) and, without
    // smoothing, stays crisp.
    const QImage &image = m_document->Picture1().Image();
    const QRect target(QPoint(BorderPixels, BorderPixels), image.size());
    const RubberBand &band = m_document->rubberBand();
    for (const QRect &r : event->region()) {
        const QRect part = r & target;
        if (part.isEmpty())
            continue;
        const QRect pixels = part.translated(-BorderPixels, -BorderPixels);
        if (band.isVisible() && band.region().intersects(pixels)) {
            // The rubber band is shown over a copy; the picture never holds it.
            QImage shown = image.copy(pixels);
            band.composeOnto(shown, pixels.topLeft());
            painter.drawImage(part.topLeft(), shown);
        } else {
            painter.drawImage(part, image, pixels);
        }
    }
    // What the border does not reach (a box narrower than its drawing) is the window's colour.
    const QRegion rest = QRegion(rect().adjusted(1, 1, -1, -1)) - QRegion(target);
    for (const QRect &r : rest)
        painter.fillRect(r, palette().window());
}

void CanvasView::mousePressEvent(QMouseEvent *event)
{
    if (CanvasInput *target = input())
        target->mouseDown(toCanvas(*event));
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    if (CanvasInput *target = input())
        target->mouseMove(toCanvas(*event));
}

void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    if (CanvasInput *target = input())
        target->mouseUp(toCanvas(*event));
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is the double click alone.
    if (CanvasInput *target = input())
        target->doubleClick(toCanvas(*event));
}

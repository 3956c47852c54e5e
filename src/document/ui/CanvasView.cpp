#include "document/ui/CanvasView.h"

#include "base/Twips.h"
#include "document/CanvasInput.h"
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/RadiusGuide.h"
#include "document/RubberBand.h"
#include "raster/PictureSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// The handles are yellow; the outlines dotted, one black and one in the
// window's colour, shown in turn.
const QColor HandleColour(255, 255, 0);

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
    connect(&document.radiusGuide(), &RadiusGuide::changed, this,
        [this](const QRegion &pixels) { update(pixels.translated(BorderPixels, BorderPixels)); });
    connect(&document.selection(), &FloatingSelection::changed, this,
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
    const RadiusGuide &guide = m_document->radiusGuide();
    // The floating picture is opaque: the canvas under it need not be drawn.
    const QRegion canvasPart = event->region()
        - m_document->selection().picturePixels().translated(BorderPixels, BorderPixels);
    for (const QRect &r : canvasPart) {
        const QRect part = r & target;
        if (part.isEmpty())
            continue;
        const QRect pixels = part.translated(-BorderPixels, -BorderPixels);
        const bool banded = band.isVisible() && band.region().intersects(pixels);
        const bool guided = (guide.line1Visible() || guide.line2Visible())
            && guide.linePixels().intersects(pixels);
        if (banded || guided) {
            // Overlays are shown over a copy; the picture never holds them.
            QImage shown = image.copy(pixels);
            if (banded)
                band.composeOnto(shown, pixels.topLeft());
            if (guided)
                guide.composeOnto(shown, pixels.topLeft());
            painter.drawImage(part.topLeft(), shown);
        } else {
            painter.drawImage(part, image, pixels);
        }
    }
    paintSelection(painter, event->region());
    // What the border does not reach (a box narrower than its drawing) is the window's colour.
    const QRegion rest = QRegion(rect().adjusted(1, 1, -1, -1)) - QRegion(target);
    for (const QRect &r : rest)
        painter.fillRect(r, palette().window());
}

void CanvasView::paintSelection(QPainter &painter, const QRegion &region) const
{
    const FloatingSelection &selection = m_document->selection();
    if (!region.intersects(selection.shownPixels().translated(BorderPixels, BorderPixels)))
        return;
    painter.save();
    painter.setClipRegion(region & QRegion(rect().adjusted(1, 1, -1, -1)));
    painter.translate(BorderPixels, BorderPixels);
    if (selection.pictureShown())
        painter.drawImage(selection.picturePixels().topLeft(), selection.picture().Image());
    if (selection.outline() && (selection.shape1Visible() || selection.shape2Visible())) {
        QPen pen(selection.shape1Visible() ? QColor(Qt::black) : palette().window().color());
        pen.setStyle(Qt::DotLine);
        pen.setWidth(0);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        const QRect outline = Twips::toPixelRect(*selection.outline());
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
    }
    if (selection.handlesShown()) {
        for (const QRectF &handle : selection.frame().handles)
            painter.fillRect(Twips::toPixelRect(handle), HandleColour);
    }
    painter.restore();
}

bool CanvasView::pressSelection(QMouseEvent *event)
{
    if (!m_document || !m_document->hBoolSelect)
        return false;
    const CanvasMouse at = toCanvas(*event);
    const QPoint pixel = (event->position() - QPointF(BorderPixels, BorderPixels)).toPoint();
    const FloatingSelection &selection = m_document->selection();
    const SelectionFrame::Layout frame = selection.frame();
    for (int k = SelectionFrame::HandleCount - 1; k >= 0; --k) {
        if (Twips::toPixelRect(frame.handles[k]).contains(pixel)) {
            if (event->button() == Qt::LeftButton) {
                m_held = Held::Handle;
                m_handle = SelectionFrame::Handle(k);
            }
            return true;
        }
    }
    if (!selection.picturePixels().contains(pixel))
        return false;
    if (event->button() == Qt::LeftButton) {
        m_held = Held::Picture;
        m_document->grabSelection(at.x, at.y);
    } else if (event->button() == Qt::RightButton) {
        m_document->requestEditMenu(at.x, at.y);
    }
    return true;
}

void CanvasView::mousePressEvent(QMouseEvent *event)
{
    if (pressSelection(event))
        return;
    if (CanvasInput *target = input())
        target->mouseDown(toCanvas(*event));
}

void CanvasView::mouseMoveEvent(QMouseEvent *event)
{
    if (m_held != Held::Nothing) {
        const CanvasMouse at = toCanvas(*event);
        if (!m_document || !(event->buttons() & Qt::LeftButton))
            return;
        if (m_held == Held::Picture)
            m_document->dragSelection(at.x, at.y);
        else
            m_document->resizeSelection(m_handle, at.x, at.y);
        return;
    }
    if (CanvasInput *target = input())
        target->mouseMove(toCanvas(*event));
}

void CanvasView::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_held != Held::Nothing) {
        if (event->button() == Qt::LeftButton)
            m_held = Held::Nothing;
        return;
    }
    if (CanvasInput *target = input())
        target->mouseUp(toCanvas(*event));
}

void CanvasView::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is the double click alone.
    if (CanvasInput *target = input())
        target->doubleClick(toCanvas(*event));
}

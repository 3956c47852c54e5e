#include "document/Document.h"

#include "base/Twips.h"
#include "document/FloatingSelection.h"
#include "document/RadiusGuide.h"
#include "document/RubberBand.h"
#include "document/TextBox.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "raster/StretchedCopy.h"

#include <algorithm>
#include <cmath>

namespace {

// The drawing inside a box of `extent` twips: the border takes 30 twips. A
// drawing keeps at least one pixel, however narrow the box.
double drawingTwips(double extent)
{
    return std::max(0.0, extent - CanvasLayout::BorderTwips);
}

int drawingPixels(double extent)
{
    return std::max(1, Twips::toPixels(drawingTwips(extent)));
}

}

Document::Document(QObject *parent)
    : Document(std::make_unique<UndoHistory>(), parent)
{ }

Document::Document(HistoryBudget &budget, QObject *parent)
    : Document(std::make_unique<UndoHistory>(budget), parent)
{ }

Document::Document(std::unique_ptr<UndoHistory> history, QObject *parent)
    : QObject(parent)
    , m_canvas(std::make_unique<PictureSurface>(DefaultWidth, DefaultHeight))
    , m_history(std::move(history))
    , m_rubberBand(std::make_unique<RubberBand>())
    , m_radiusGuide(std::make_unique<RadiusGuide>())
    , m_selection(std::make_unique<FloatingSelection>())
    , m_hword(std::make_unique<TextBox>())
    , m_box(0, 0, Twips::fromPixels(DefaultWidth) + CanvasLayout::BorderTwips,
          Twips::fromPixels(DefaultHeight) + CanvasLayout::BorderTwips)
{
    // The canvas takes the size of a picture given to it (an opened file).
    m_canvas->setAutoSize(true);
    // A new picture replaced wholesale (opened, pasted as the picture) is a change.
    connect(
        m_canvas.get(), &PictureSurface::pictureChanged, this, [this] { m_dataChanged = true; });
    connect(m_canvas.get(), &PictureSurface::resized, this, &Document::followSurfaceSize);
}

Document::~Document() = default;

void Document::setCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    emit captionChanged();
}

// The drawing is whole pixels: its size in twips is a whole number of pixels,
// whatever the box around it measures.
double Document::ScaleWidth() const
{
    return m_canvas->ScaleWidth();
}

double Document::ScaleHeight() const
{
    return m_canvas->ScaleHeight();
}

void Document::moveCanvas(double left, double top)
{
    if (left == m_box.left() && top == m_box.top())
        return;
    m_box.moveTo(left, top);
    m_canvas->Move(left, top);
    emit canvasMoved();
}

void Document::resizeCanvas(double width, double height)
{
    // The size boxes may ask for the largest drawing; the handles stop a
    // little short of it (CanvasLayout::dragged).
    const double maxWidth
        = Twips::fromPixels(CanvasLayout::MaxDrawingWidth) + CanvasLayout::BorderTwips;
    const double maxHeight
        = Twips::fromPixels(CanvasLayout::MaxDrawingHeight) + CanvasLayout::BorderTwips;
    const QSizeF size(std::clamp(std::isnan(width) ? 1.0 : width, 1.0, maxWidth),
        std::clamp(std::isnan(height) ? 1.0 : height, 1.0, maxHeight));
    if (size == m_box.size())
        return;
    m_box.setSize(size);
    // The surface only resizes when its pixel size changes; the box keeps the
    // exact twips either way.
    QSignalBlocker quiet(m_canvas.get());
    m_canvas->resizePixels(drawingPixels(size.width()), drawingPixels(size.height()));
    quiet.unblock();
    m_canvas->Refresh();
    m_dataChanged = true;
    emit canvasResized();
}

void Document::dragHandle(CanvasLayout::Handle handle, double x, double y)
{
    const QSizeF size = CanvasLayout::dragged(handle, m_box.size(), x, y);
    resizeCanvas(size.width(), size.height());
}

void Document::followSurfaceSize()
{
    // The surface took a picture's size: the box follows it.
    m_box.setSize(QSizeF(m_canvas->ScaleWidth() + CanvasLayout::BorderTwips,
        m_canvas->ScaleHeight() + CanvasLayout::BorderTwips));
    m_dataChanged = true;
    emit canvasResized();
}

void Document::setInput(std::unique_ptr<CanvasInput> input)
{
    m_input = std::move(input);
}

bool Document::cancelSelection()
{
    m_selection->clear();
    if (!hBoolSelect)
        return false;
    hBoolSelect = false;
    emit selectionChanged();
    return true;
}

bool Document::cancelRadius()
{
    if (!hBanJingOk.value_or(false))
        return false;
    hBanJingOk = false;
    m_radiusGuide->hide();
    emit radiusCancelled();
    return true;
}

void Document::beginMarquee(double x, double y)
{
    anchors.hStartx = x;
    anchors.hStarty = y;
    m_selection->showMarquee(QRectF(x, y, 1, 1));
}

void Document::dragMarquee(double x, double y)
{
    // Left and top are not clipped: the marquee may reach past the canvas's
    // left or top edge.
    const double sx = anchors.hStartx;
    const double sy = anchors.hStarty;
    m_selection->showMarquee(QRectF(std::min(sx, x), std::min(sy, y),
        std::min(std::abs(x - sx), ScaleWidth()), std::min(std::abs(y - sy), ScaleHeight())));
}

void Document::liftSelection()
{
    if (!m_selection->outline())
        return;
    m_selection->lift(*m_canvas);
    hBoolSelect = true;
    emit selectionChanged();
}

void Document::grabSelection(double x, double y)
{
    m_grab = QPointF(x, y) - m_selection->rect().topLeft();
}

void Document::dragSelection(double x, double y)
{
    if (!hBoolSelect)
        return;
    m_selection->moveTo(x - m_grab.x(), y - m_grab.y());
    anchors.hStartx = m_selection->rect().left();
    anchors.hStarty = m_selection->rect().top();
}

bool Document::nudgeSelection(double dx, double dy)
{
    if (!hBoolSelect)
        return false;
    const QRectF r = m_selection->rect();
    m_selection->moveTo(r.left() + dx, r.top() + dy);
    return true;
}

void Document::resizeSelection(SelectionFrame::Handle handle, double x, double y)
{
    if (!hBoolSelect)
        return;
    // The offset is measured from where the handle stands now, as a handle
    // reports the pointer in its own coordinates.
    const QRectF at = m_selection->frame().handle(handle);
    const QRectF rect
        = SelectionFrame::resized(m_selection->rect(), handle, x - at.left(), y - at.top());
    m_selection->reselect(rect, *m_canvas);
    anchors.hStartx = rect.left();
    anchors.hStarty = rect.top();
}

void Document::pasteSelection(const QImage &pixels)
{
    m_selection->place(pixels, anchors.hStartx, anchors.hStarty);
    if (!hBoolSelect) {
        hBoolSelect = true;
        emit selectionChanged();
    }
}

void Document::selectAll()
{
    m_selection->place(m_canvas->Image(), 0, 0);
    anchors.hStartx = 0;
    anchors.hStarty = 0;
    if (!hBoolSelect) {
        hBoolSelect = true;
        emit selectionChanged();
    }
}

bool Document::clearSelection(ColourValue colour)
{
    if (!hBoolSelect)
        return false;
    m_selection->fill(colour);
    return true;
}

QRectF Document::selectionLanding() const
{
    return m_selection->landing(ScaleWidth(), ScaleHeight());
}

void Document::stampSelection(quint32 op)
{
    m_selection->stampOnto(*m_canvas, op);
}

Document::ScaleOutcome Document::scalePicture()
{
    const QImage &before = m_canvas->Image();
    const bool enlarge = !hZoomed;
    const int w = enlarge ? before.width() * 3 : std::max(1, before.width() / 3);
    const int h = enlarge ? before.height() * 3 : std::max(1, before.height() / 3);
    if (!PictureSurface::sizeIsAllowed(w, h))
        return ScaleOutcome::TooLarge;
    // The surface takes the stretched image and the canvas box follows its
    // size (followSurfaceSize), past what the handles and size boxes allow.
    // Every pixel of an enlargement repeats one of the picture and a
    // reduction samples the middle of each 3 x 3 block, so reducing an
    // enlargement nothing has been drawn on gives the picture it came from:
    // it is kept (shared) rather than read back out of the enlarged canvas.
    // Any write to the canvas changes its image's key.
    const bool unchangedSinceEnlarging = !enlarge && !m_beforeEnlarging.isNull()
        && before.cacheKey() == m_enlargedKey && m_beforeEnlarging.width() == w
        && m_beforeEnlarging.height() == h;
    QImage scaled = unchangedSinceEnlarging ? m_beforeEnlarging : stretchedCopy(before, w, h);
    if (scaled.isNull())
        return ScaleOutcome::OutOfMemory;
    QImage original = enlarge ? before : QImage();
    m_canvas->setImage(std::move(scaled));
    m_beforeEnlarging = std::move(original);
    m_enlargedKey = enlarge ? m_canvas->Image().cacheKey() : 0;
    hZoomed = enlarge;
    // What was drawn between the sample points is gone after a reduction, and
    // an enlarged picture saved is a different picture: both are changes.
    m_dataChanged = true;
    return enlarge ? ScaleOutcome::Enlarged : ScaleOutcome::Reduced;
}

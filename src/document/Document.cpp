#include "document/Document.h"

#include "base/Twips.h"
#include "document/RubberBand.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"

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
    emit radiusCancelled();
    return true;
}

bool Document::nudgeSelection(double, double)
{
    return false;
}

bool Document::placeSelection()
{
    return false;
}

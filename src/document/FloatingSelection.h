#pragma once

#include "base/ColourValue.h"
#include "document/SelectionFrame.h"
#include "raster/PictureSurface.h"

#include <QObject>
#include <QRectF>
#include <QRegion>

#include <optional>

// A document's floating selection `PictureCopy` and its frame: the marquee
// while it is dragged out, then the lifted (or pasted) pixels with their
// rectangle in canvas twips, the two blinking outlines and the eight handles.
//
// It is an overlay, like the rubber band: views draw it over the canvas and
// the canvas never holds it until the document stamps it there. `changed`
// names the canvas pixels whose look changed, so a view repaints only those.
class FloatingSelection : public QObject
{
    Q_OBJECT
public:
    explicit FloatingSelection(QObject *parent = nullptr);

    // PictureCopy's left, top, width and height (twips) and its pixels.
    QRectF rect() const { return m_rect; }
    const PictureSurface &picture() const { return m_picture; }
    PictureSurface &picture() { return m_picture; }
    bool pictureShown() const { return m_pictureShown; }

    // The outlines `hselectShape1` (black) and `hselectShape2` (window
    // colour), both at `outline()`; `Timer1` shows them in turn.
    std::optional<QRectF> outline() const { return m_outline; }
    bool shape1Visible() const { return m_shape1Visible; }
    bool shape2Visible() const { return m_shape2Visible; }
    // The handles, shown while a picture floats.
    bool handlesShown() const { return m_pictureShown; }
    SelectionFrame::Layout frame() const { return SelectionFrame::layoutFor(m_rect); }

    // The marquee outline follows the pointer; the picture is not shown.
    void showMarquee(const QRectF &outline);
    // Lifts the canvas pixels under the marquee.
    void lift(const PictureSurface &canvas);
    // Takes `pixels` as the floating picture, its top-left at (left, top).
    void place(const QImage &pixels, double left, double top);
    // Selects the canvas pixels of `rect` afresh (a handle moved the edges).
    void reselect(const QRectF &rect, const PictureSurface &canvas);
    void moveTo(double left, double top);
    // The floating picture becomes a solid block of `colour`.
    void fill(ColourValue colour);
    // The floating picture's pixels become `pixels`, of the same size (an
    // effect or a flip computed elsewhere); the canvas is not touched.
    void replacePixels(const QImage &pixels);
    // Something drew on the floating picture (`pixels` of it): views repaint them.
    void pictureRedrawn(const QRect &pixels);
    // Hides everything and lets the picture go.
    void clear();
    // Timer1: the outlines trade places.
    void blink();

    // Where a commit lands on a canvas of the given size (twips), the undo
    // rectangle: clipped to the canvas.
    QRectF landing(double canvasWidth, double canvasHeight) const;
    // Paints the floating picture onto the canvas with a ternary raster operation.
    void stampOnto(PictureSurface &canvas, quint32 op) const;

    // What a view shows of the selection, in canvas pixels.
    QRect picturePixels() const;
    QRegion outlinePixels() const;
    QRegion shownPixels() const;

signals:
    void changed(const QRegion &pixels);

private:
    // Runs `change` and reports what looked different before or after.
    template <typename Change> void update(Change change);
    void layOutFrame();

    PictureSurface m_picture;
    QRectF m_rect;
    bool m_pictureShown = false;
    std::optional<QRectF> m_outline;
    bool m_shape1Visible = false;
    bool m_shape2Visible = false;
};

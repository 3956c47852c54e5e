#pragma once

#include "base/ColourValue.h"
#include "document/CanvasInput.h"
#include "document/CanvasLayout.h"
#include "document/FigureAnchors.h"
#include "document/SelectionFrame.h"

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <memory>
#include <optional>

class FloatingSelection;
class TextBox;
class HistoryBudget;
class PictureSurface;
class RadiusGuide;
class RubberBand;
class UndoHistory;

// One open picture: the canvas `Picture1` with its place in the window, the
// edit history, the name (`Caption`), the position in the window list (`Tag`),
// the changed flag and the per-document variables the tools share. The
// document window is a view of this object.
class Document : public QObject
{
    Q_OBJECT
public:
    // The canvas a document starts with before its window sizes it, in pixels.
    static constexpr int DefaultWidth = 925;
    static constexpr int DefaultHeight = 519;

    // A document whose history has a budget of its own.
    explicit Document(QObject *parent = nullptr);
    // A document whose history shares `budget` with the other documents'.
    explicit Document(HistoryBudget &budget, QObject *parent = nullptr);
    ~Document() override;

    PictureSurface &Picture1() { return *m_canvas; }
    const PictureSurface &Picture1() const { return *m_canvas; }
    UndoHistory &history() { return *m_history; }
    const UndoHistory &history() const { return *m_history; }

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    bool DataChanged() const { return m_dataChanged; }
    void setDataChanged(bool changed) { m_dataChanged = changed; }

    // The canvas box in its window, border included (twips).
    QRectF canvasRect() const { return m_box; }
    // The drawing's size inside the border, in exact twips (a fraction of a
    // pixel when the box is not a whole number of pixels).
    double ScaleWidth() const;
    double ScaleHeight() const;
    // Moves the canvas box without resizing it (scrolling).
    void moveCanvas(double left, double top);
    // Resizes the canvas box, clamped to the canvas limits; the drawing keeps
    // its top-left pixels, new area shows the background colour, and the
    // document counts as changed.
    void resizeCanvas(double width, double height);
    void dragHandle(CanvasLayout::Handle handle, double x, double y);

    // Where the figure being drawn stands (hStartx, hLastX, hMinX, ...), shared
    // by every tool of this document; twips.
    FigureAnchors anchors;
    std::optional<bool> hBanJingOk;
    bool hBoolSelect = false;
    // The scale tool has enlarged the picture three times.
    bool hZoomed = false;

    // The figure bounding box starts over.
    void resetFigureBox() { anchors.resetFigureBox(); }

    // The preview of the figure being dragged out, shown over the canvas.
    RubberBand &rubberBand() { return *m_rubberBand; }
    // The arc and sector radius, its guide lines and sweep angles.
    RadiusGuide &radiusGuide() { return *m_radiusGuide; }
    // Where the canvas's pointer events go: the drawing tools.
    CanvasInput *input() const { return m_input.get(); }
    void setInput(std::unique_ptr<CanvasInput> input);
    // Asks the window to pop up the Edit menu at a canvas point (twips).
    void requestEditMenu(double x, double y) { emit editMenuRequested(QPointF(x, y)); }
    void tellUser(const QString &text) { emit userNotice(text); }

    // Drops a floating selection without painting it; false when there was none.
    bool cancelSelection();
    // Forgets a fixed arc or sector radius; false when none was fixed.
    bool cancelRadius();
    // The floating selection `PictureCopy` with its outlines and handles.
    FloatingSelection &selection() { return *m_selection; }
    const FloatingSelection &selection() const { return *m_selection; }
    // The text tool's box `hword`.
    TextBox &hword() { return *m_hword; }
    const TextBox &hword() const { return *m_hword; }
    // The region tool: a press starts a marquee at the point (hStartx,
    // hStarty), a move drags it out, the release lifts the pixels under it.
    void beginMarquee(double x, double y);
    void dragMarquee(double x, double y);
    void liftSelection();
    // Dragging the floating picture: the press point inside it, then each
    // pointer position (canvas twips); the new top-left becomes hStartx, hStarty.
    void grabSelection(double x, double y);
    void dragSelection(double x, double y);
    // An arrow key: moves a floating selection; hStartx, hStarty stay.
    bool nudgeSelection(double dx, double dy);
    // A handle held at the canvas point (x, y) moves the edges it sits on and
    // selects the canvas pixels of the new rectangle.
    void resizeSelection(SelectionFrame::Handle handle, double x, double y);
    // Paste: `pixels` float at (hStartx, hStarty), replacing a floating picture.
    void pasteSelection(const QImage &pixels);
    // Select all: the whole canvas floats at (0, 0).
    void selectAll();
    // Clear: the floating picture becomes a solid block of `colour`.
    bool clearSelection(ColourValue colour);
    // Where a commit lands (the undo rectangle, twips) and the commit's paint.
    QRectF selectionLanding() const;
    void stampSelection(quint32 op);

    // The scale tool: enlarges three times, or reduces back when enlarged. The
    // picture stays as it was when it would grow too large or memory runs out.
    enum class ScaleOutcome { Enlarged, Reduced, TooLarge, OutOfMemory };
    ScaleOutcome scalePicture();

signals:
    void captionChanged();
    void canvasMoved();
    void canvasResized();
    void selectionChanged();
    void radiusCancelled();
    void editMenuRequested(const QPointF &at);
    // Something the user is to be told in a message box.
    void userNotice(const QString &text);

private:
    Document(std::unique_ptr<UndoHistory> history, QObject *parent);
    void followSurfaceSize();

    std::unique_ptr<PictureSurface> m_canvas;
    std::unique_ptr<UndoHistory> m_history;
    std::unique_ptr<RubberBand> m_rubberBand;
    std::unique_ptr<RadiusGuide> m_radiusGuide;
    std::unique_ptr<FloatingSelection> m_selection;
    std::unique_ptr<TextBox> m_hword;
    // Where the floating picture was grabbed, inside it (hLastX, hLastY of a drag).
    QPointF m_grab;
    std::unique_ptr<CanvasInput> m_input;
    QString m_caption;
    QString m_tag;
    bool m_dataChanged = false;
    QRectF m_box;
    // The picture as it was before the scale tool enlarged it, and the
    // enlarged image's key: while the key is unchanged nothing has been drawn
    // since, and reducing gives back exactly that picture.
    QImage m_beforeEnlarging;
    qint64 m_enlargedKey = 0;
};

#pragma once

#include "document/SelectionFrame.h"

#include <QPointer>
#include <QWidget>

#include <optional>

class CanvasInput;
class Document;

// The canvas `Picture1`: shows the document's drawing inside a one-pixel
// border, one image pixel per logical pixel, repainting only what changed.
// Pointer events go to the document's CanvasInput in canvas twips, looked up
// on each event: the document (and its input) may be gone before the view.
class CanvasView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BorderPixels = 1;

    CanvasView(Document &document, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    CanvasInput *input() const;
    // A press on the floating picture or one of its handles belongs to the
    // selection, not to the tool: true when it was taken.
    bool pressSelection(QMouseEvent *event);
    void paintSelection(QPainter &painter, const QRegion &region) const;

    QPointer<Document> m_document;
    // What the left button holds since its press on the selection.
    enum class Held { Nothing, Picture, Handle };
    Held m_held = Held::Nothing;
    SelectionFrame::Handle m_handle = SelectionFrame::Handle::RightDown;
};

#pragma once

#include <QPointer>
#include <QWidget>

class CanvasInput;
class Document;

// The canvas `Picture1`: shows the document's drawing inside a one-pixel
// border, one image pixel per logical pixel, repainting only what changed.
// Pointer events go to a CanvasInput in canvas twips.
class CanvasView : public QWidget
{
    Q_OBJECT
public:
    static constexpr int BorderPixels = 1;

    CanvasView(Document &document, QWidget *parent = nullptr);

    void setInput(CanvasInput *input) { m_input = input; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPointer<Document> m_document;
    CanvasInput *m_input = nullptr;
};

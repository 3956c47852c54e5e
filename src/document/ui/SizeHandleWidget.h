#pragma once

#include "document/CanvasLayout.h"

#include <QWidget>

// One of the three drag handles on the canvas's right edge, bottom edge and
// bottom-right corner. While the left button is held it reports the pointer
// position inside itself, in twips.
class SizeHandleWidget : public QWidget
{
    Q_OBJECT
public:
    SizeHandleWidget(CanvasLayout::Handle kind, QWidget *parent = nullptr);

    CanvasLayout::Handle kind() const { return m_kind; }

signals:
    void dragged(CanvasLayout::Handle kind, double x, double y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    CanvasLayout::Handle m_kind;
};

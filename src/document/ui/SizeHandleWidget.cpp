#include "document/ui/SizeHandleWidget.h"

#include "base/Twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const char *nameOf(CanvasLayout::Handle kind)
{
    switch (kind) {
    case CanvasLayout::Handle::Width:
        return "widthsizePicture";
    case CanvasLayout::Handle::Height:
        return "heightasizePicture";
    case CanvasLayout::Handle::Both:
        return "bothsizePicture";
    }
    return "";
}

Qt::CursorShape cursorOf(CanvasLayout::Handle kind)
{
    switch (kind) {
    case CanvasLayout::Handle::Width:
        return Qt::SizeHorCursor;
    case CanvasLayout::Handle::Height:
        return Qt::SizeVerCursor;
    case CanvasLayout::Handle::Both:
        return Qt::SizeFDiagCursor;
    }
    return Qt::ArrowCursor;
}

}

SizeHandleWidget::SizeHandleWidget(CanvasLayout::Handle kind, QWidget *parent)
    : QWidget(parent)
    , m_kind(kind)
{
    setObjectName(QString::fromLatin1(nameOf(kind)));
    setCursor(cursorOf(kind));
}

void SizeHandleWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(64, 64, 64));
}

void SizeHandleWidget::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const QPointF at = event->position();
    emit dragged(m_kind, at.x() * Twips::PerPixel, at.y() * Twips::PerPixel);
}

#include "tools/ui/ToolButtonWidget.h"

#include <QFocusEvent>
#include <QMouseEvent>

ToolButtonWidget::ToolButtonWidget(QWidget *parent)
    : QToolButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAutoRaise(false);
}

void ToolButtonWidget::focusInEvent(QFocusEvent *event)
{
    QToolButton::focusInEvent(event);
    // The focus coming back with the main window or after a menu closes is
    // not a choice of the user: choosing again would end the selection and
    // reset the styles behind their back.
    const Qt::FocusReason reason = event->reason();
    m_focusReturned = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
    if (!m_focusReturned)
        emit focused();
}

void ToolButtonWidget::focusOutEvent(QFocusEvent *event)
{
    QToolButton::focusOutEvent(event);
    m_focusReturned = false;
}

void ToolButtonWidget::mousePressEvent(QMouseEvent *event)
{
    if (m_focusReturned && event->button() == Qt::LeftButton) {
        m_focusReturned = false;
        emit clickedWithReturnedFocus();
    }
    QToolButton::mousePressEvent(event);
}

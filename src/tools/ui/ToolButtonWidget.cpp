#include "tools/ui/ToolButtonWidget.h"

#include <QFocusEvent>

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
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason)
        return;
    emit focused();
}

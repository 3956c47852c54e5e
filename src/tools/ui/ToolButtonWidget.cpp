#include "tools/ui/ToolButtonWidget.h"

#include <QFocusEvent>
#include <QMouseEvent>

namespace {

// How long after a press its focus may still arrive with the window.
constexpr qint64 ClickFocusDelayMs = 1000;

bool isReturningFocus(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
        || reason == Qt::MenuBarFocusReason;
}

}

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
    // reset the styles behind their back. But a press into an inactive window
    // gives the button its focus only once the window is active, as focus
    // that came back: that is a click all the same.
    const bool clicked
        = m_unfocusedPress.isValid() && m_unfocusedPress.elapsed() < ClickFocusDelayMs;
    m_unfocusedPress.invalidate();
    m_focusReturned = isReturningFocus(event->reason()) && !clicked;
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
    if (event->button() == Qt::LeftButton) {
        if (!hasFocus())
            m_unfocusedPress.start();
        if (m_focusReturned) {
            m_focusReturned = false;
            emit clickedWithReturnedFocus();
        }
    }
    QToolButton::mousePressEvent(event);
}

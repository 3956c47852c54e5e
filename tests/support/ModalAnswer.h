#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <deque>
#include <functional>

// Answers the message boxes a test provokes: while it lives it polls for the
// active modal message box and clicks the next of the given buttons, keeping
// each box's title and text, and lets the test look at each box first
// (`onBox`). It dies with the test, so it cannot answer a box of a later test.
class ModalAnswer
{
public:
    explicit ModalAnswer(std::initializer_list<QMessageBox::StandardButton> buttons)
        : m_buttons(buttons)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    QStringList titles;
    QStringList texts;
    QStringList names;
    // Called with each box just before it is answered.
    std::function<void(QMessageBox &)> onBox;

private:
    void answer()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || m_buttons.empty())
            return;
        titles << box->windowTitle();
        texts << box->text();
        names << box->objectName();
        if (onBox)
            onBox(*box);
        QAbstractButton *button = box->button(m_buttons.front());
        m_buttons.pop_front();
        if (button)
            button->click();
        else
            box->reject();
    }

    std::deque<QMessageBox::StandardButton> m_buttons;
    QTimer m_timer;
};

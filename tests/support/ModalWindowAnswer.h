#pragma once

#include <QApplication>
#include <QTimer>

#include <functional>

// Acts on the first modal window of type T a test provokes, like ModalAnswer
// does for message boxes, and on no later one; it dies with the test.
template <typename T> class ModalWindowAnswer
{
public:
    explicit ModalWindowAnswer(std::function<void(T &)> act)
        : m_act(std::move(act))
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    int seen = 0;

private:
    void answer()
    {
        auto *window = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!window || seen > 0)
            return;
        ++seen;
        m_act(*window);
    }

    std::function<void(T &)> m_act;
    QTimer m_timer;
};

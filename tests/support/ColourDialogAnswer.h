#pragma once

#include <QApplication>
#include <QColorDialog>
#include <QTimer>

#include <deque>
#include <optional>

// Answers the colour dialogs a test opens: while it lives it polls for the
// active modal colour dialog and chooses the next of the given colours, or
// cancels for an empty entry, keeping each dialog's title, starting colour
// and options. It dies with the test, so it cannot answer a later test's dialog.
class ColourDialogAnswer
{
public:
    explicit ColourDialogAnswer(std::initializer_list<std::optional<QColor>> answers)
        : m_answers(answers)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    QStringList titles;
    QStringList names;
    QList<QColor> startColours;
    QList<bool> alphaShown;

private:
    void answer()
    {
        auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!dialog || m_answers.empty())
            return;
        titles << dialog->windowTitle();
        names << dialog->objectName();
        startColours << dialog->currentColor();
        alphaShown << dialog->testOption(QColorDialog::ShowAlphaChannel);
        const std::optional<QColor> colour = m_answers.front();
        m_answers.pop_front();
        if (colour) {
            dialog->setCurrentColor(*colour);
            dialog->accept();
        } else {
            dialog->reject();
        }
    }

    std::deque<std::optional<QColor>> m_answers;
    QTimer m_timer;
};

#pragma once

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include <deque>
#include <optional>

// Answers the file dialogs a test provokes, like ModalAnswer does for message
// boxes: each dialog gets the next name (accepted) or nullopt (cancelled),
// and its title, filters, folder and preset name are kept.
class FileDialogAnswer
{
public:
    explicit FileDialogAnswer(std::initializer_list<std::optional<QString>> names)
        : m_names(names)
    {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { answer(); });
        m_timer.start();
    }

    QStringList titles;
    QStringList filters;
    QStringList folders;
    QStringList presets;

private:
    void answer()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || m_names.empty())
            return;
        titles << dialog->windowTitle();
        filters << dialog->nameFilters().join(QStringLiteral(";;"));
        folders << dialog->directory().absolutePath();
        const QStringList selected = dialog->selectedFiles();
        presets << (selected.isEmpty() ? QString() : selected.first());
        const std::optional<QString> name = m_names.front();
        m_names.pop_front();
        if (!name) {
            dialog->reject();
            return;
        }
        dialog->selectFile(*name);
        static_cast<QDialog *>(dialog)->accept();
    }

    std::deque<std::optional<QString>> m_names;
    QTimer m_timer;
};

#include "files/ui/CommonDialogHost.h"

#include "widgets/MessageButtons.h"

#include <QFileDialog>
#include <QMessageBox>

CommonDialogHost::CommonDialogHost(QWidget *parent)
    : m_parent(parent)
{ }

std::optional<QString> CommonDialogHost::askFileName(const FileDialogSpec &spec)
{
    QFileDialog dialog(m_parent, spec.title, spec.folder);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    // Qt's own dialog shows each filter by its description alone, so the
    // upper-case twins of the patterns stay out of sight.
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setNameFilter(spec.filter);
    const bool saving = spec.purpose == FileDialogSpec::Purpose::Save;
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Open does not insist on an existing file: a typed name of a missing
    // file reaches the not-found message.
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!spec.fileName.isEmpty())
        dialog.selectFile(spec.fileName);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    m_filter = int(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1;
    const QStringList chosen = dialog.selectedFiles();
    return chosen.isEmpty() ? QString() : chosen.first();
}

FileMessage::Answer CommonDialogHost::show(const FileMessage &message)
{
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    if (message.buttons == FileMessage::Buttons::RetryCancel)
        buttons = QMessageBox::Retry | QMessageBox::Cancel;
    else if (message.buttons == FileMessage::Buttons::AbortRetryIgnore)
        buttons = QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    QMessageBox box(message.warning ? QMessageBox::Warning : QMessageBox::NoIcon, message.title,
        message.text, buttons, m_parent);
    box.setObjectName(message.name);
    useChineseButtonTexts(box);
    if (message.defaultAnswer == FileMessage::Answer::Retry)
        box.setDefaultButton(QMessageBox::Retry);
    switch (box.exec()) {
    case QMessageBox::Retry:
        return FileMessage::Answer::Retry;
    case QMessageBox::Abort:
        return FileMessage::Answer::Abort;
    case QMessageBox::Ignore:
        return FileMessage::Answer::Ignore;
    case QMessageBox::Ok:
        return FileMessage::Answer::Ok;
    default:
        return FileMessage::Answer::Cancel;
    }
}

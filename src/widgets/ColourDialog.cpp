#include "widgets/ColourDialog.h"

#include <QColorDialog>

std::optional<ColourValue> ColourDialog::ask(QWidget *parent, const QString &title)
{
    QColorDialog dialog(m_last, parent);
    dialog.setObjectName(QStringLiteral("dlgCommonDialog"));
    dialog.setWindowTitle(title);
    // Qt's own dialog on every platform: it always shows the custom colours,
    // and pictures have no alpha channel to choose.
    dialog.setOptions(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    m_last = dialog.selectedColor();
    return Colour::fromQColor(m_last);
}

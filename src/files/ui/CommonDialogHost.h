#pragma once

#include "app/FileCommands.h"

class QWidget;

// The file commands' dialogs and boxes as Qt shows them: the common file
// dialog `dlgCommonDialog` and message boxes with Chinese buttons.
class CommonDialogHost : public FileHost
{
public:
    explicit CommonDialogHost(QWidget *parent);

    std::optional<QString> askFileName(const FileDialogSpec &dialog) override;
    FileMessage::Answer show(const FileMessage &message) override;
    int chosenFilter() const override { return m_filter; }

private:
    QWidget *m_parent;
    int m_filter = 1;
};

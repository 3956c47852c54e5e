#pragma once

#include "app/FileCommands.h"
#include "files/MountedDrives.h"
#include "files/PreviewLoader.h"

#include <QWidget>

class ModuleMain;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

// The picture browser " Pictures Explorer": drives, folders and picture files
// on the left, a scrollable preview with its size on the right. It stays on
// top of every window; opening a file makes a document window as Open does,
// and the browser stays for the next file.
class FrmOpenfile : public QWidget, private FileHost
{
    Q_OBJECT
public:
    FrmOpenfile(ModuleMain &module, const QString &programFolder, QWidget *parent = nullptr);
    ~FrmOpenfile() override;

    using QWidget::show;

    // The drives offered; the mounted file systems unless a test sets others.
    void setDrives(const QList<Drive> &drives);
    QString folder() const { return m_folder; }
    void setFolder(const QString &folder);
    // Command1: opens the selected file in a new document window.
    void openSelected();
    PreviewLoader &previewLoader() { return m_loader; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void Drive1_Change(int index);
    void Dir1_Activated();
    void File1_Changed();
    void showPreview(const QString &path, const LoadedPicture &picture);
    void Picture1_Resize();
    void setTopmost(bool on);
    QString selectedPath() const;

    std::optional<QString> askFileName(const FileDialogSpec &dialog) override;
    FileMessage::Answer show(const FileMessage &message) override;

    FileCommands m_files;
    PreviewLoader m_loader;
    QList<Drive> m_drives;
    int m_drive = -1;
    QString m_folder;

    QComboBox *Drive1 = nullptr;
    QLabel *m_folderPath = nullptr;
    QListWidget *Dir1 = nullptr;
    QListWidget *File1 = nullptr;
    QWidget *Picture0 = nullptr;
    QLabel *Picture1 = nullptr;
    QLabel *m_note = nullptr;
    QScrollBar *HScroll1 = nullptr;
    QScrollBar *VScroll1 = nullptr;
    QLineEdit *Text1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
};

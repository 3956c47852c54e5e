// The main window's command handlers, by menu item name.
#include "app/ui/FrmMain.h"

#include "app/FileCommands.h"
#include "app/ModuleMain.h"
#include "app/PasteTextFromFile.h"
#include "app/ToolbarTable.h"
#include "app/WindowArrangement.h"
#include "app/ui/MainMenus.h"
#include "app/ui/MainToolBar.h"
#include "app/ui/SystemPictureClipboard.h"
#include "app/ui/WindowArranger.h"
#include "colour/ui/FrmColorTool.h"
#include "document/Document.h"
#include "document/TextBox.h"
#include "document/ui/FrmEdit.h"
#include "document/ui/TextBoxView.h"
#include "files/ui/CommonDialogHost.h"
#include "widgets/MessageButtons.h"

#include <QAction>
#include <QFontDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolBar>

void FrmMain::on(const char *name, std::function<void()> handler)
{
    m_commands.insert(QString::fromLatin1(name), std::move(handler));
}

void FrmMain::runCommand(const QString &name)
{
    const auto handler = m_commands.constFind(name);
    if (handler != m_commands.constEnd())
        (*handler)();
    // A checkable item turns its own mark over when clicked, also when its
    // command then does nothing; the marks always come back from the engine.
    refreshCommands();
}

void FrmMain::tbToolBar_ButtonClick(const QString &key)
{
    runCommand(ToolbarTable::commandFor(key));
}

void FrmMain::registerCommands()
{
    on("mnuFileNew", [this] { mnuFileNew_Click(); });
    on("mnuFileOpen", [this] { m_files->Open(); });
    on("mnuFileSave", [this] { m_files->Save(); });
    on("mnuFileSaveAs", [this] { m_files->SaveAs(); });
    on("mnuAllFileSave", [this] { m_files->SaveAll(); });
    on("mnuFileClose", [this] { mnuFileClose_Click(); });
    on("mnuAllFileClose", [this] { mnuAllFileClose_Click(); });
    on("mnuFileExit", [this] { close(); });
    on("mnuEditUndo", [this] { m_module->undo(); });
    on("mnuEditRedo", [this] { m_module->redo(); });
    on("mnuEditCopy", [this] {
        SystemPictureClipboard clipboard;
        m_module->EditCopy(clipboard);
    });
    on("mnuEditPaste", [this] { mnuEditPaste_Click(); });
    on("mnuEditselect", [this] { m_module->EditSelectAll(); });
    on("mnuEditCls", [this] { m_module->EditClear(); });
    for (const ModeMenu *modes : { &m_module->mnudrawmode(), &m_module->mnupastemode() }) {
        const bool draw = modes == &m_module->mnudrawmode();
        for (const ModeItem &item : modes->items()) {
            const double value = item.value;
            m_commands.insert(item.name, [this, draw, value] {
                if (draw)
                    SetDrawMode(int(value));
                else
                    SetPasteMode(value);
            });
        }
    }
    on("mnuViewToolbar", [this] { toggleBar(QStringLiteral("mnuViewToolbar"), m_toolBar); });
    on("mnuViewStatusBar", [this] { toggleBar(QStringLiteral("mnuViewStatusBar"), statusBar()); });
    on("mnuWindowmax", [this] { mnuWindowmax_Click(); });
    on("mnuWindowCascade", [this] { ArrangeWindows(WindowArrangement::Cascade); });
    on("mnuWindowTileVertical", [this] { ArrangeWindows(WindowArrangement::Stacked); });
    on("mnuWindowTileHorizontal", [this] { ArrangeWindows(WindowArrangement::SideBySide); });
    on("mnuWindowArrangeIcons", [this] { ArrangeWindows(WindowArrangement::Icons); });
    on("mnuHelpAbout", [this] { mnuHelpAbout_Click(); });
    // The help window and the picture browser come later; until then these
    // entry points do nothing.
    on("mnuHelpContents", [] {});
    on("Hexplor", [] {});
    on("Hquickmnuselall", [this] { runOnTextBox([](FrmEdit &e) { e.hword()->selectAll(); }); });
    on("Hquickmnucut", [this] { runOnTextBox([](FrmEdit &e) { e.hword()->cut(); }); });
    on("Hquickmnucopy", [this] { runOnTextBox([](FrmEdit &e) { e.hword()->copy(); }); });
    on("Hquickmnupast", [this] { runOnTextBox([](FrmEdit &e) { e.hword()->paste(); }); });
    on("Hquickmnufont", [this] { runCommand(QStringLiteral("mnufont")); });
    on("Hquickqueding", [this] { m_module->commitText(); });
    on("Hquickmnupastfrom", [this] {
        if (Document *document = m_module->ActiveEdit())
            PasteTextFromFile(*m_dialogs, *document, m_files->initialFolder());
    });
    on("mnufont", [this] { mnufont_Click(); });
    // The Edit menu's colour items; the toolbar's colour buttons run them too.
    on("mnueditforecolor", [this] { m_colourTool->chooseColourAndTarget(1); });
    on("mnueditfillcolor", [this] { m_colourTool->chooseColourAndTarget(2); });
    on("mnueditbackcolor", [this] { m_colourTool->chooseColourAndTarget(3); });
    on("Hquickmnuforecorlor", [this] { runCommand(QStringLiteral("mnueditforecolor")); });
}

void FrmMain::mnuFileNew_Click()
{
    m_module->FileNew();
}

void FrmMain::mnuEditPaste_Click()
{
    SystemPictureClipboard clipboard;
    if (m_module->EditPaste(clipboard) != ModuleMain::PasteOutcome::TooLarge)
        return;
    const QImage image = clipboard.image();
    QMessageBox box(QMessageBox::Warning, windowTitle(),
        QStringLiteral("剪贴板上的图片有 %1 × %2 像素，太大，不能粘贴。")
            .arg(image.width())
            .arg(image.height()),
        QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("PasteTooLarge"));
    useChineseButtonTexts(box);
    box.exec();
}

void FrmMain::mnuFileClose_Click()
{
    if (FrmEdit *edit = activeEditWindow())
        edit->parentWidget()->close();
}

void FrmMain::mnuAllFileClose_Click()
{
    // From the last window down, so a refused close does not shift the ones still to visit.
    const QList<QMdiSubWindow *> windows = documentWindows();
    for (qsizetype a = windows.size() - 1; a >= 0; --a)
        windows[a]->close();
}

void FrmMain::mnuWindowmax_Click()
{
    if (!m_module->mayArrange(WindowArrangement::None))
        return;
    WindowArranger::fillWorkArea(*m_workArea, documentWindows());
    ArrangeWindows(WindowArrangement::None);
}

void FrmMain::toggleBar(const QString &itemName, QWidget *bar)
{
    // The item has already turned its check mark over; the bar follows it and
    // the main window gives its room to the work area or takes it back.
    bar->setVisible(m_menus->action(itemName)->isChecked());
}

void FrmMain::runOnTextBox(const std::function<void(FrmEdit &)> &action)
{
    if (FrmEdit *edit = activeEditWindow())
        action(*edit);
}

void FrmMain::mnuHelpAbout_Click()
{
    QMessageBox box(QMessageBox::Information, QStringLiteral("关于Tessara"),
        QStringLiteral("Tessara 3.0\n\n位图绘图软件"), QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("AboutBox"));
    useChineseButtonTexts(box);
    box.exec();
}

void FrmMain::mnufont_Click()
{
    Document *document = m_module->ActiveEdit();
    if (!document)
        return;
    QFontDialog dialog(document->hword().Font(), this);
    dialog.setObjectName(QStringLiteral("FontDialog"));
    dialog.setWindowTitle(QStringLiteral("字体..."));
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    if (dialog.exec() == QDialog::Accepted)
        m_module->applyTextFont(dialog.selectedFont());
}

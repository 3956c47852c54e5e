// The main window's command handlers, by menu item name.
#include "app/ui/FrmMain.h"

#include "app/CommandRules.h"
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
#include "effects/EffectCommands.h"
#include "effects/ui/FrmFilter.h"
#include "effects/ui/FrmJianbian.h"
#include "files/ui/CommonDialogHost.h"
#include "files/ui/FrmFileInf.h"
#include "files/ui/FrmHelp.h"
#include "files/ui/FrmOpenfile.h"
#include "files/ui/FrmSeeAll.h"
#include "files/ui/PrinterDialogs.h"
#include "raster/PictureSurface.h"
#include "widgets/MessageButtons.h"

#include <QAction>
#include <QCoreApplication>
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
    EffectCommands &effects = m_module->effects();
    on("mnuviewfanzhuan1", [&effects] { effects.flipSelection(FlipKind::Horizontal); });
    on("mnuviewfanzhuan2", [&effects] { effects.flipSelection(FlipKind::Vertical); });
    on("mnuviewfanzhuan3", [&effects] { effects.flipSelection(FlipKind::Diagonal); });
    on("mnuviewsmooth", [&effects] { effects.soften(); });
    on("mnuviewruihua", [&effects] { effects.sharpen(); });
    on("mnuviewyouhua", [&effects] { effects.oil(); });
    on("mnuviewfudiao", [&effects] { effects.emboss(); });
    on("mnuviewcustom", [this] { mnuviewcustom_Click(); });
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
    on("mnuFileProperties", [this] {
        if (const Document *document = m_module->ActiveEdit())
            FrmFileInf::showFor(this, document->Caption());
    });
    // What the user sees is printed: the canvas with everything drawn on it.
    on("mnuFilePrint", [this] {
        if (const Document *document = m_module->ActiveEdit())
            m_printers->print(document->Picture1().Image());
    });
    on("mnuFilePageSetup", [this] {
        if (m_module->ActiveEdit())
            m_printers->pageSetup();
    });
    on("mnueditseeall", [this] { mnueditseeall_Click(); });
    on("mnuHelpContents", [this] {
        FrmHelp help(this);
        help.exec();
    });
    on("Hexplor", [this] { Hexplor_Click(); });
    on("mnuviewjianbianse", [this] { mnuviewjianbianse_Click(); });
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

void FrmMain::mnuviewcustom_Click()
{
    if (!m_module->effects().hasSelection())
        return;
    // One dialog at a time; Cancel destroys it and the next use makes it afresh.
    auto *dialog = findChild<FrmFilter *>();
    if (!dialog)
        dialog = new FrmFilter(this, m_module->effects());
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void FrmMain::mnuviewjianbianse_Click()
{
    // The key reaches the item even when its menu is shut; the rule decides.
    const QString item = QStringLiteral("mnuviewjianbianse");
    if (!CommandRules::isEnabled(CommandRules::menuNeed(item), m_module->commandContext()))
        return;
    if (!m_gradientFill) {
        m_gradientFill = new FrmJianbian(*m_module, m_colourTool->colourDialog(), this);
        m_gradientFill->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_gradientFill->show();
    m_gradientFill->raise();
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

FrmOpenfile *FrmMain::browser() const
{
    return m_browser;
}

void FrmMain::Hexplor_Click()
{
    if (!m_browser) {
        m_browser = new FrmOpenfile(*m_module, QCoreApplication::applicationDirPath(), this);
        m_browser->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_browser->show();
    m_browser->raise();
    m_browser->activateWindow();
}

void FrmMain::mnueditseeall_Click()
{
    const Document *document = m_module->ActiveEdit();
    if (!document)
        return;
    FrmSeeAll view(document->Picture1().Image(), this);
    view.exec();
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

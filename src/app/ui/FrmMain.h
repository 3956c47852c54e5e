#pragma once

#include "app/ClosePolicy.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class CommonDialogHost;
class Document;
class FileCommands;
class FrmColorTool;
class FrmEdit;
class FrmOpenfile;
class FrmJianbian;
class FrmTools;
class MainMenus;
class MainStatusBar;
class MainToolBar;
class ModuleMain;
class QMdiArea;
class QMdiSubWindow;
class PrinterDialogs;

// The main window: menus, toolbar, status bar, the tool palette on the left,
// the colour window along the bottom and the work area holding the document
// windows. It routes every command to the engine or to the window that
// carries it out and mirrors the engine's state in the commands.
class FrmMain : public QMainWindow, private CloseHost
{
    Q_OBJECT
public:
    explicit FrmMain(QWidget *parent = nullptr);
    ~FrmMain() override;

    ModuleMain &module() { return *m_module; }
    QMdiArea *workArea() const { return m_workArea; }
    MainToolBar *tbToolBar() const { return m_toolBar; }
    MainStatusBar *sbStatusBar() const { return m_statusBar; }
    FrmTools *frmTools() const { return m_tools; }
    FrmColorTool *frmColorTool() const { return m_colourTool; }

    // Document windows in window-list order (`hEditList`).
    QList<QMdiSubWindow *> documentWindows() const;
    FrmEdit *editWindow(int index) const;

    // Open, Save, Save as and Save all, with the common dialog.
    FileCommands &files() { return *m_files; }
    // Files named on the command line: each opens as Open would, after the
    // first empty window.
    void openAtStart(const QStringList &paths);
    // Print and page setup, sharing one printer.
    PrinterDialogs &printers() { return *m_printers; }
    // The picture browser while it is open, else nullptr.
    FrmOpenfile *browser() const;

    void NewPicture();
    void SetDrawMode(int mode);
    void SetPasteMode(double operation);
    void ArrangeWindows(int mode);

    // Runs the command of a menu item by its name; unknown names do nothing.
    void runCommand(const QString &name);
    void tbToolBar_ButtonClick(const QString &key);

    // Whether the start-up sequence has run (it runs when the window is first shown).
    bool isStarted() const { return m_started; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildDocks();
    void startMaximised();
    void openWindowFor(Document *document);
    void onWindowActivated(QMdiSubWindow *window);
    void refreshCommands();
    void showWindowList();
    FrmEdit *activeEditWindow() const;
    static FrmEdit *editOf(QMdiSubWindow *window);
    // The text tool's box goes away when another tool is chosen.
    QMdiSubWindow *windowOf(const Document &document) const;

    // The close prompt's questions (ClosePolicy).
    void bringForward(Document &document) override;
    ClosePrompt::Answer askToSave(Document &document) override;
    bool save(Document &document) override;
    void closeWindow(Document &document) override;

    // Command handlers (FrmMainCommands.cpp).
    void registerCommands();
    void on(const char *name, std::function<void()> handler);
    void mnuFileNew_Click();
    void mnuFileClose_Click();
    void mnuEditPaste_Click();
    void mnuviewcustom_Click();
    void mnuAllFileClose_Click();
    void mnuWindowmax_Click();
    void toggleBar(const QString &itemName, QWidget *bar);
    void runOnTextBox(const std::function<void(FrmEdit &)> &action);
    void mnuHelpAbout_Click();
    void Hexplor_Click();
    void mnueditseeall_Click();
    void mnuviewjianbianse_Click();
    void mnufont_Click();

    void openPending();

    std::unique_ptr<ModuleMain> m_module;
    std::unique_ptr<CommonDialogHost> m_dialogs;
    std::unique_ptr<FileCommands> m_files;
    std::unique_ptr<PrinterDialogs> m_printers;
    QPointer<FrmOpenfile> m_browser;
    QStringList m_pendingFiles;
    QMdiArea *m_workArea = nullptr;
    MainMenus *m_menus = nullptr;
    MainToolBar *m_toolBar = nullptr;
    MainStatusBar *m_statusBar = nullptr;
    FrmTools *m_tools = nullptr;
    FrmColorTool *m_colourTool = nullptr;
    QHash<QString, std::function<void()>> m_commands;
    QList<QAction *> m_windowList;
    QPointer<FrmJianbian> m_gradientFill;
    bool m_started = false;
};

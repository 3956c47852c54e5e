#include "app/ui/FrmMain.h"

#include "app/FileCommands.h"
#include "files/ui/CommonDialogHost.h"
#include "files/ui/PrinterDialogs.h"

#include "app/ModuleMain.h"
#include "app/WindowArrangement.h"
#include "app/ui/MainMenus.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolBar.h"
#include "app/ui/SubWindowShortcuts.h"
#include "app/ui/WindowArranger.h"
#include "colour/ui/FrmColorTool.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/ui/FrmEdit.h"
#include "document/ui/TextBoxView.h"
#include "tools/ui/FrmTools.h"
#include "widgets/MessageButtons.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTimer>

FrmMain::FrmMain(QWidget *parent)
    : QMainWindow(parent)
    , m_module(std::make_unique<ModuleMain>())
    , m_dialogs(std::make_unique<CommonDialogHost>(this))
    , m_files(std::make_unique<FileCommands>(
          *m_module, *m_dialogs, QCoreApplication::applicationDirPath()))
    , m_printers(std::make_unique<PrinterDialogs>(this))
    , m_workArea(new QMdiArea(this))
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(QStringLiteral("Tessara 3.0"));
    m_workArea->setObjectName(QStringLiteral("MDIForm"));
    setCentralWidget(m_workArea);
    m_menus = new MainMenus(this);
    m_toolBar = new MainToolBar(this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_statusBar = new MainStatusBar(this);
    setStatusBar(m_statusBar);
    // The colour window spans the whole width; the palette stands above it.
    setCorner(Qt::BottomLeftCorner, Qt::BottomDockWidgetArea);
    setCorner(Qt::BottomRightCorner, Qt::BottomDockWidgetArea);

    connect(m_menus, &MainMenus::command, this, &FrmMain::runCommand);
    connect(m_toolBar, &MainToolBar::buttonClicked, this, &FrmMain::tbToolBar_ButtonClick);
    connect(m_menus->menu(QStringLiteral("mnuWindow")), &QMenu::aboutToShow, this,
        &FrmMain::showWindowList);
    connect(m_workArea, &QMdiArea::subWindowActivated, this, &FrmMain::onWindowActivated);
    connect(m_module.get(), &ModuleMain::documentCreated, this, &FrmMain::openWindowFor);
    connect(m_module.get(), &ModuleMain::commandsChanged, this, &FrmMain::refreshCommands);
    registerCommands();
    m_module->startUp();
    buildDocks();
    startMaximised();
}

// The program is a workspace for pictures up to the size of a screen: it takes
// the whole available area of the screen it opens on, and its normal size,
// should the user restore it, is that area too.
void FrmMain::startMaximised()
{
    if (const QScreen *screen = this->screen())
        setGeometry(screen->availableGeometry());
    setWindowState(windowState() | Qt::WindowMaximized);
}

FrmMain::~FrmMain()
{
    // The document windows go before the documents they show.
    delete m_workArea;
    m_workArea = nullptr;
}

void FrmMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The first picture opens in the work area and takes its size from it,
    // which exists only once the main window is laid out on screen.
    if (!m_started) {
        m_started = true;
        NewPicture();
        if (!m_pendingFiles.isEmpty())
            QTimer::singleShot(0, this, &FrmMain::openPending);
    }
}

void FrmMain::openAtStart(const QStringList &paths)
{
    m_pendingFiles += paths;
    if (m_started)
        openPending();
}

void FrmMain::openPending()
{
    const QStringList paths = std::exchange(m_pendingFiles, {});
    for (const QString &path : paths)
        m_files->openPath(QFileInfo(path).absoluteFilePath());
}

void FrmMain::buildDocks()
{
    m_colourTool = new FrmColorTool(*m_module, this);
    addDockWidget(Qt::BottomDockWidgetArea, m_colourTool);
    m_tools = new FrmTools(m_module->tools(), m_colourTool->colourDialog(), this);
    addDockWidget(Qt::LeftDockWidgetArea, m_tools);
}

FrmEdit *FrmMain::editOf(QMdiSubWindow *window)
{
    return window ? qobject_cast<FrmEdit *>(window->widget()) : nullptr;
}

QList<QMdiSubWindow *> FrmMain::documentWindows() const
{
    QList<QMdiSubWindow *> ordered;
    if (!m_workArea)
        return ordered;
    const QList<QMdiSubWindow *> windows = m_workArea->subWindowList();
    for (int k = 1; k <= m_module->hEditCount(); ++k) {
        for (QMdiSubWindow *window : windows) {
            FrmEdit *edit = editOf(window);
            if (edit && edit->document() == m_module->hEditList(k))
                ordered.append(window);
        }
    }
    return ordered;
}

FrmEdit *FrmMain::editWindow(int index) const
{
    const QList<QMdiSubWindow *> windows = documentWindows();
    if (index < 1 || index > windows.size())
        return nullptr;
    return editOf(windows[index - 1]);
}

QMdiSubWindow *FrmMain::windowOf(const Document &document) const
{
    for (QMdiSubWindow *window : documentWindows()) {
        if (editOf(window)->document() == &document)
            return window;
    }
    return nullptr;
}

FrmEdit *FrmMain::activeEditWindow() const
{
    for (QMdiSubWindow *window : documentWindows()) {
        FrmEdit *edit = editOf(window);
        if (edit->document() == m_module->ActiveEdit())
            return edit;
    }
    return nullptr;
}

void FrmMain::NewPicture()
{
    m_module->NewPicture();
}

void FrmMain::openWindowFor(Document *document)
{
    auto *edit = new FrmEdit(*m_module, *document, *this);
    QMdiSubWindow *window = m_workArea->addSubWindow(edit);
    window->setAttribute(Qt::WA_DeleteOnClose);
    SubWindowShortcuts::dropClashes(*window, m_menus->shortcuts());
    const QRect area = WindowArranger::workArea(*m_workArea);
    if (m_module->hArrange == WindowArrangement::None)
        window->setGeometry(area);
    else
        window->resize(area.size() * 2 / 3);
    edit->hword()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(edit->hword(), &QWidget::customContextMenuRequested, this,
        [this, edit](QPoint at) { m_menus->contextMenu()->popup(edit->hword()->mapToGlobal(at)); });
    window->show();
    edit->load();
    if (m_module->hArrange != WindowArrangement::None)
        WindowArranger::arrange(*m_workArea, documentWindows(), m_module->hArrange);
}

void FrmMain::onWindowActivated(QMdiSubWindow *window)
{
    FrmEdit *edit = editOf(window);
    if (edit && edit->document())
        m_module->activate(edit->document());
}

void FrmMain::refreshCommands()
{
    const CommandContext context = m_module->commandContext();
    m_menus->refresh(
        context, m_module->mnudrawmode(), m_module->mnupastemode(), m_module->hArrange);
    m_toolBar->refresh(context, m_module->hArrange);
}

void FrmMain::SetDrawMode(int mode)
{
    m_module->SetDrawMode(mode);
}

void FrmMain::SetPasteMode(double operation)
{
    m_module->SetPasteMode(operation);
}

void FrmMain::ArrangeWindows(int mode)
{
    if (m_module->setArrangement(mode))
        WindowArranger::arrange(*m_workArea, documentWindows(), mode);
}

void FrmMain::showWindowList()
{
    QMenu *menu = m_menus->menu(QStringLiteral("mnuWindow"));
    qDeleteAll(m_windowList);
    m_windowList.clear();
    const QList<QMdiSubWindow *> windows = documentWindows();
    if (windows.isEmpty())
        return;
    m_windowList.append(menu->addSeparator());
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow *window = windows[i];
        QAction *item = menu->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(editOf(window)->document()->Caption()));
        item->setObjectName(QStringLiteral("mnuWindowList%1").arg(i + 1));
        item->setCheckable(true);
        item->setChecked(window == m_workArea->activeSubWindow());
        connect(item, &QAction::triggered, this,
            [this, window] { m_workArea->setActiveSubWindow(window); });
        m_windowList.append(item);
    }
}

void FrmMain::bringForward(Document &document)
{
    if (QMdiSubWindow *window = windowOf(document))
        m_workArea->setActiveSubWindow(window);
}

ClosePrompt::Answer FrmMain::askToSave(Document &document)
{
    return FrmEdit::askToSave(this, document.Caption());
}

bool FrmMain::save(Document &document)
{
    return m_files->saveForClose(document);
}

void FrmMain::closeWindow(Document &document)
{
    if (QMdiSubWindow *window = windowOf(document))
        window->close();
}

void FrmMain::closeEvent(QCloseEvent *event)
{
    if (ClosePolicy::exit(*m_module, *this))
        event->accept();
    else
        event->ignore();
}

#include "app/ui/MainMenus.h"

#include "app/CommandRules.h"
#include "app/WindowArrangement.h"
#include "document/ModeMenu.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

MainMenus::MainMenus(QMainWindow *window)
    : QObject(window)
{
    window->menuBar()->setObjectName(QStringLiteral("menuBar"));
    buildFile(window);
    buildEdit(window);
    buildEffects(window);
    buildOptions(window);
    buildWindow(window);
    buildHelp(window);
    buildTextBoxMenu(window);
}

QList<QKeySequence> MainMenus::shortcuts() const
{
    QList<QKeySequence> keys;
    for (const QAction *item : m_actions)
        keys += item->shortcuts();
    return keys;
}

QMenu *MainMenus::addMenu(QWidget *parent, const char *name, const char *caption)
{
    auto *menu = new QMenu(QString::fromUtf8(caption), parent);
    const QString objectName = QString::fromLatin1(name);
    menu->setObjectName(objectName);
    menu->menuAction()->setObjectName(objectName);
    if (auto *bar = qobject_cast<QMenuBar *>(parent))
        bar->addMenu(menu);
    else if (auto *owner = qobject_cast<QMenu *>(parent))
        owner->addMenu(menu);
    m_menus.insert(objectName, menu);
    m_actions.insert(objectName, menu->menuAction());
    return menu;
}

QAction *MainMenus::addItem(
    QMenu *menu, const char *name, const char *caption, const char *shortcut)
{
    QAction *item = menu->addAction(QString::fromUtf8(caption));
    const QString objectName = QString::fromLatin1(name);
    item->setObjectName(objectName);
    if (shortcut)
        item->setShortcut(QKeySequence(QString::fromLatin1(shortcut), QKeySequence::PortableText));
    connect(item, &QAction::triggered, this, [this, objectName] { emit command(objectName); });
    m_actions.insert(objectName, item);
    return item;
}

QAction *MainMenus::addCheckItem(
    QMenu *menu, const char *name, const char *caption, const char *shortcut)
{
    QAction *item = addItem(menu, name, caption, shortcut);
    item->setCheckable(true);
    item->setChecked(true);
    return item;
}

void MainMenus::addSeparator(QMenu *menu, const char *name)
{
    QAction *separator = menu->addSeparator();
    separator->setObjectName(QString::fromLatin1(name));
    m_actions.insert(separator->objectName(), separator);
}

void MainMenus::buildFile(QMainWindow *window)
{
    QMenu *m = addMenu(window->menuBar(), "mnuFile", "文件(&F)");
    addItem(m, "mnuFileNew", "新建", "F1");
    addItem(m, "mnuFileOpen", "打开...", "F2");
    addSeparator(m, "mnuFileBar6");
    addItem(m, "mnuFileClose", "关闭", "F7");
    addItem(m, "mnuAllFileClose", "全部关闭");
    addSeparator(m, "mnuFileBar0");
    addItem(m, "mnuFileSave", "保存", "F3");
    addItem(m, "mnuFileSaveAs", "另存为...", "F4");
    addItem(m, "mnuAllFileSave", "全部保存...");
    addSeparator(m, "mnuFileBar1");
    addItem(m, "mnuFileProperties", "属性...", "F5");
    addSeparator(m, "mnuFileBar2");
    addItem(m, "mnuFilePageSetup", "页面设置...", "Ctrl+Y");
    addItem(m, "mnuFilePrint", "打印...", "F6");
    addSeparator(m, "mnuFileBar3");
    addItem(m, "mnuFileExit", "退出", "Ctrl+Q");
}

void MainMenus::buildEdit(QMainWindow *window)
{
    QMenu *m = addMenu(window->menuBar(), "mnuedit", "编辑(&E)");
    addItem(m, "mnuEditUndo", "撤消", "Ctrl+Z");
    addItem(m, "mnuEditRedo", "重复", "Ctrl+R");
    addSeparator(m, "mnuEditBar0");
    addItem(m, "mnuEditCopy", "复制", "Ctrl+C");
    addItem(m, "mnuEditPaste", "粘贴", "Ctrl+V");
    addSeparator(m, "mnueditbar1");
    addItem(m, "mnuEditselect", "全选", "Ctrl+A");
    addItem(m, "mnuEditCls", "清空");
    addSeparator(m, "mnueditbar2");
    addItem(m, "mnuviewfanzhuan1", "水平翻转", "Ctrl+S");
    addItem(m, "mnuviewfanzhuan2", "垂直翻转", "Ctrl+D");
    addItem(m, "mnuviewfanzhuan3", "对角翻转", "Ctrl+X");
    addSeparator(m, "mnueditbar3");
    addItem(m, "mnueditfillcolor", "绘图色与填充色...", "Ctrl+H");
    addItem(m, "mnueditforecolor", "前景色...", "Ctrl+F");
    addItem(m, "mnueditbackcolor", "背景色...", "Ctrl+B");
    addSeparator(m, "mnueditbar4");
    addItem(m, "mnufont", "字体...", "Ctrl+W");
    addSeparator(m, "mnuEditBar5");
    addItem(m, "mnueditseeall", "查看全图...", "Ctrl+T");
}

void MainMenus::buildEffects(QMainWindow *window)
{
    QMenu *m = addMenu(window->menuBar(), "mnuview", "效果(&V)");
    addItem(m, "mnuviewsmooth", "柔化图形", "F8");
    addItem(m, "mnuviewruihua", "锐化图形", "F9");
    addItem(m, "mnuviewyouhua", "油化图形", "F11");
    addItem(m, "mnuviewfudiao", "雕化图形", "F12");
    addItem(m, "mnuviewcustom", "自定义柔化(锐化)...", "Ctrl+G");
    addSeparator(m, "mnuviewbar0");
    addItem(m, "mnuviewjianbianse", "渐变颜色...", "Ctrl+J");
}

void MainMenus::addModeMenu(QMenu *menu, const ModeMenu &modes, const char *caption)
{
    QMenu *sub = addMenu(menu, modes.name().toLatin1().constData(), caption);
    for (const ModeItem &item : modes.items()) {
        const QByteArray name = item.name.toLatin1();
        if (item.isSeparator()) {
            addSeparator(sub, name.constData());
            continue;
        }
        QAction *action = addItem(sub, name.constData(), item.caption.toUtf8().constData(),
            item.shortcut.toLatin1().constData());
        action->setCheckable(true);
        action->setChecked(modes.isChecked(item.name));
    }
}

void MainMenus::buildOptions(QMainWindow *window)
{
    QMenu *m = addMenu(window->menuBar(), "mnudraw", "选项(&D)");
    addModeMenu(m, ModeMenu::drawModeMenu(), "绘制方式(&M)");
    addSeparator(m, "mnudrawbar0");
    addModeMenu(m, ModeMenu::pasteModeMenu(), "粘贴方式(&P)");
}

void MainMenus::buildWindow(QMainWindow *window)
{
    QMenu *m = addMenu(window->menuBar(), "mnuWindow", "视窗(&W)");
    addCheckItem(m, "mnuViewToolbar", "工具栏", "Shift+F11");
    addCheckItem(m, "mnuViewStatusBar", "状态栏", "Shift+F12");
    addSeparator(m, "mnuWindowBar0");
    addCheckItem(m, "mnuWindowmax", "最大化", "Ctrl+P");
    addItem(m, "mnuWindowCascade", "层次排列", "Ctrl+O")->setCheckable(true);
    addItem(m, "mnuWindowTileVertical", "纵向排列", "Ctrl+I")->setCheckable(true);
    addItem(m, "mnuWindowTileHorizontal", "横向排列", "Ctrl+U")->setCheckable(true);
    addItem(m, "mnuWindowArrangeIcons", "排列图标", "Ctrl+L")->setCheckable(true);

    // The browser is a command straight on the menu bar, without a submenu.
    auto *browse = new QAction(QStringLiteral("浏览(&L)"), window->menuBar());
    browse->setObjectName(QStringLiteral("Hexplor"));
    connect(browse, &QAction::triggered, this, [this] { emit command(QStringLiteral("Hexplor")); });
    window->menuBar()->addAction(browse);
    m_actions.insert(browse->objectName(), browse);
}

void MainMenus::buildHelp(QMainWindow *window)
{
    QMenu *m = addMenu(window->menuBar(), "mnuHelp", "帮助(&H)");
    addItem(m, "mnuHelpContents", "帮助", "Ctrl+Shift+F11");
    addSeparator(m, "mnuHelpBar0");
    addItem(m, "mnuHelpAbout", "关于...", "Ctrl+M");
}

void MainMenus::buildTextBoxMenu(QMainWindow *window)
{
    // Not on the menu bar: the text tool's box pops it up on a right click.
    m_quick = addMenu(window, "mnuquick1", "快捷菜单");
    m_quick->menuAction()->setVisible(false);
    addItem(m_quick, "Hquickmnuselall", "全选");
    addSeparator(m_quick, "Hquickmnubar4");
    addItem(m_quick, "Hquickmnucut", "剪切(Ctrl+X)");
    addItem(m_quick, "Hquickmnucopy", "复制(Ctrl+C)");
    addItem(m_quick, "Hquickmnupast", "粘贴(Ctrl+P)");
    addSeparator(m_quick, "Hquickmnubar2");
    addItem(m_quick, "Hquickmnupastfrom", "粘贴自...");
    addSeparator(m_quick, "Hquickmnubar0");
    addItem(m_quick, "Hquickmnufont", "字体...");
    addSeparator(m_quick, "Hquickmnubar1");
    addItem(m_quick, "Hquickmnuforecorlor", "前景色...");
    addSeparator(m_quick, "Hquickmnubar3");
    addItem(m_quick, "Hquickqueding", "确定");
}

void MainMenus::refresh(const CommandContext &context, const ModeMenu &drawMode,
    const ModeMenu &pasteMode, int arrangement)
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        if (it.value()->isSeparator())
            continue;
        const CommandNeed need = CommandRules::menuNeed(it.key());
        if (need != CommandNeed::Nothing)
            it.value()->setEnabled(CommandRules::isEnabled(need, context));
    }
    action(QStringLiteral("mnuEditUndo"))->setText(CommandRules::undoCaption(context.canUndo));
    action(QStringLiteral("mnuEditRedo"))->setText(CommandRules::redoCaption(context.canRedo));
    for (const ModeMenu *modes : { &drawMode, &pasteMode }) {
        for (const ModeItem &item : modes->items()) {
            if (!item.isSeparator())
                action(item.name)->setChecked(modes->isChecked(item.name));
        }
    }
    for (int mode = WindowArrangement::Cascade; mode <= WindowArrangement::None; ++mode) {
        const QString name = WindowArrangement::menuItemFor(mode);
        action(name)->setChecked(WindowArrangement::isMenuItemChecked(name, arrangement));
    }
}

#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include "app/ToolbarTable.h"
#include "app/ui/MainStatusBar.h"
#include "app/ui/MainToolBar.h"
#include "colour/ui/FrmColorTool.h"
#include "document/ClosePrompt.h"
#include "files/ui/FrmOpenfile.h"
#include "raster/PictureSurface.h"
#include "tools/ToolPaletteModel.h"
#include "tools/ui/FrmTools.h"

#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

using FrmMainTest = MainWindowTest;

TEST_F(FrmMainTest, StartsWithOneNewPictureAndTheDefaultModes)
{
    EXPECT_EQ(main.windowTitle(), "Tessara 3.0");
    ASSERT_EQ(main.documentWindows().size(), 1);
    EXPECT_EQ(main.editWindow(1)->windowTitle(), "New Picture 1");
    EXPECT_EQ(active(), module().hEditList(1));
    EXPECT_FALSE(active()->DataChanged());
    EXPECT_TRUE(action("mnudrawvbcopypen")->isChecked());
    EXPECT_TRUE(action("mnuvbsrccopy")->isChecked());
    EXPECT_FALSE(action("mnudrawvbblackness")->isChecked());
    EXPECT_EQ(module().hTool, 1);
    EXPECT_EQ(module().hArrange, 4);
    EXPECT_TRUE(action("mnuWindowmax")->isChecked());
    EXPECT_TRUE(action("最大化")->isChecked());
    EXPECT_FALSE(action("层叠排列")->isChecked());
    // The first window's activation refreshed the history and selection commands.
    EXPECT_EQ(action("mnuEditUndo")->text(), "无法撤消");
    EXPECT_FALSE(action("mnuEditUndo")->isEnabled());
    EXPECT_EQ(action("撤消")->toolTip(), "无法撤消");
    EXPECT_EQ(action("重复")->toolTip(), "无法重复");
    EXPECT_FALSE(action("mnuEditCopy")->isEnabled());
    EXPECT_TRUE(action("mnuFileSave")->isEnabled());
    EXPECT_TRUE(action("mnuEditPaste")->isEnabled());
}

TEST_F(FrmMainTest, StartsMaximisedOnTheScreensAvailableArea)
{
    const QRect available = main.screen()->availableGeometry();
    EXPECT_TRUE(main.isMaximized());
    EXPECT_EQ(main.frameGeometry().size(), available.size());
    EXPECT_TRUE(available.contains(main.frameGeometry()));
    // Restored, it keeps the same area, not a fixed size of its own.
    main.showNormal();
    settle();
    EXPECT_GE(main.width(), available.width() * 9 / 10);
    EXPECT_GE(main.height(), available.height() * 9 / 10);
}

TEST_F(FrmMainTest, MenuItemsCarryTheirCaptionsAndShortcuts)
{
    struct Case
    {
        const char *name;
        const char *caption;
        const char *shortcut;
    };
    const Case cases[] = {
        { "mnuFile", "文件(&F)", "" },
        { "mnuFileNew", "新建", "F1" },
        { "mnuAllFileClose", "全部关闭", "" },
        { "mnuFilePageSetup", "页面设置...", "Ctrl+Y" },
        { "mnuFileExit", "退出", "Ctrl+Q" },
        { "mnuEditRedo", "无法重复", "Ctrl+R" },
        { "mnuviewfanzhuan3", "对角翻转", "Ctrl+X" },
        { "mnueditseeall", "查看全图...", "Ctrl+T" },
        { "mnuviewfudiao", "雕化图形", "F12" },
        { "mnuviewjianbianse", "渐变颜色...", "Ctrl+J" },
        { "mnudrawmode", "绘制方式(&M)", "" },
        { "mnudrawvbmaskpennot", "组合颜色(绘图色与反背景色的共有色)", "Ctrl+F11" },
        { "mnudrawvbnotmaskpen", "反组合色(绘图色与显示色的共有色)", "Shift+F5" },
        { "mnuvbsrcand", "反组合位图色(反原位图色与目标位图色的共有色)", "Ctrl+Shift+F9" },
        { "mnuViewStatusBar", "状态栏", "Shift+F12" },
        { "mnuWindowmax", "最大化", "Ctrl+P" },
        { "mnuWindowArrangeIcons", "排列图标", "Ctrl+L" },
        { "Hexplor", "浏览(&L)", "" },
        { "mnuHelpContents", "帮助", "Ctrl+Shift+F11" },
        { "mnuHelpAbout", "关于...", "Ctrl+M" },
        { "Hquickmnupast", "粘贴(Ctrl+P)", "" },
        { "Hquickqueding", "确定", "" },
    };
    for (const Case &c : cases) {
        QAction *a = action(c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QString::fromUtf8(c.caption)) << c.name;
        EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText), c.shortcut) << c.name;
    }
    EXPECT_TRUE(action("mnuFileBar6")->isSeparator());
    EXPECT_TRUE(action("mnuViewToolbar")->isChecked());
}

TEST_F(FrmMainTest, MenuBarHoldsTheTopMenusInOrderAndNotTheContextMenu)
{
    QStringList top;
    for (QAction *a : main.menuBar()->actions())
        top << a->objectName();
    EXPECT_EQ(top,
        QStringList(
            { "mnuFile", "mnuedit", "mnuview", "mnudraw", "mnuWindow", "Hexplor", "mnuHelp" }));
    EXPECT_EQ(action("Hexplor")->menu(), nullptr);
    auto *quick = main.findChild<QMenu *>("mnuquick1");
    ASSERT_NE(quick, nullptr);
    EXPECT_EQ(quick->title(), "快捷菜单");
    EXPECT_EQ(quick->actions().size(), 13);
}

TEST_F(FrmMainTest, ToolbarHoldsTheButtonsInOrderInEightGroups)
{
    auto *bar = main.findChild<QToolBar *>("tbToolBar");
    ASSERT_NE(bar, nullptr);
    QStringList keys;
    int separators = 0;
    for (QAction *a : bar->actions()) {
        if (a->isSeparator())
            ++separators;
        else
            keys << a->objectName();
    }
    QStringList expected;
    for (const ToolbarButton &b : ToolbarTable::buttons())
        expected << b.key;
    EXPECT_EQ(keys, expected);
    EXPECT_EQ(separators, 7);
    EXPECT_EQ(action("新建")->toolTip(), "新建图片");
    EXPECT_EQ(action("浮雕")->toolTip(), "浮雕化选中图片");
    EXPECT_EQ(action("最大化")->toolTip(), "最大化编辑窗口");
}

TEST_F(FrmMainTest, AToolbarClickDispatchesOnTheKeyAlone)
{
    main.tbToolBar_ButtonClick(QStringLiteral("新建"));
    EXPECT_EQ(main.documentWindows().size(), 2);
    main.tbToolBar_ButtonClick(QStringLiteral("不存在"));
    main.tbToolBar_ButtonClick(QString());
    EXPECT_EQ(main.documentWindows().size(), 2);
    EXPECT_EQ(module().hArrange, 4);
}

TEST_F(FrmMainTest, DrawAndPasteModeItemsCheckExactlyOne)
{
    run("mnudrawvbxorpen");
    EXPECT_EQ(module().mnudrawmode().Tag(), "7");
    EXPECT_EQ(active()->Picture1().DrawMode(), 7);
    EXPECT_TRUE(action("mnudrawvbxorpen")->isChecked());
    EXPECT_FALSE(action("mnudrawvbcopypen")->isChecked());
    // Choosing the checked item again keeps its mark.
    run("mnudrawvbxorpen");
    EXPECT_TRUE(action("mnudrawvbxorpen")->isChecked());

    run("mnuvbsrcand");
    EXPECT_EQ(module().mnupastemode().Tag(), "8913094");
    EXPECT_TRUE(action("mnuvbsrcand")->isChecked());
    EXPECT_FALSE(action("mnuvbsrccopy")->isChecked());

    // A new window takes the current draw mode when it becomes active.
    run("mnuFileNew");
    EXPECT_EQ(active()->Picture1().DrawMode(), 7);
}

TEST_F(FrmMainTest, ClosingTheOnlyWindowThenNewGivesTheNextNumber)
{
    run("mnuFileClose");
    EXPECT_TRUE(main.documentWindows().isEmpty());
    run("mnuFileNew");
    ASSERT_EQ(main.documentWindows().size(), 1);
    EXPECT_EQ(main.editWindow(1)->windowTitle(), "New Picture 2");
}

TEST_F(FrmMainTest, ClosingTheLastWindowEmptiesTheReadOutsAndDisablesDocumentCommands)
{
    auto *colour = main.findChild<FrmColorTool *>("FrmColorTool");
    run("mnuFileClose");
    EXPECT_EQ(active(), nullptr);
    EXPECT_EQ(colour->TextX()->text(), "0");
    EXPECT_EQ(colour->TextY()->text(), "0");
    EXPECT_EQ(colour->Text1()->text(), "");
    for (const char *name : { "mnuFileClose", "mnuFileSave", "mnuFilePrint", "mnuedit", "mnuview",
             "mnudraw", "保存", "粘贴", "最大化", "层叠排列", "撤消", "重复" })
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    for (const char *name :
        { "mnuFileNew", "mnuFileOpen", "mnuWindowCascade", "新建", "打开", "帮助" })
        EXPECT_TRUE(action(name)->isEnabled()) << name;

    // Without a document the window commands change nothing.
    run("mnuWindowTileVertical");
    EXPECT_EQ(module().hArrange, 4);
    EXPECT_FALSE(action("mnuWindowTileVertical")->isChecked());

    run("mnuFileNew");
    EXPECT_TRUE(action("mnuFileSave")->isEnabled());
    EXPECT_TRUE(action("保存")->isEnabled());
    EXPECT_FALSE(action("复制")->isEnabled()) << "copy still needs a selection";
    EXPECT_NE(colour->TextX()->text(), "0");
}

TEST_F(FrmMainTest, ClosingTheMiddleOfThreeRenumbersTheThird)
{
    run("mnuFileNew");
    run("mnuFileNew");
    Document *third = main.editWindow(3)->document();
    main.documentWindows()[1]->close();
    settle();
    ASSERT_EQ(main.documentWindows().size(), 2);
    EXPECT_EQ(main.editWindow(2)->document(), third);
    EXPECT_EQ(third->Tag(), "2");
    EXPECT_EQ(module().hEditCount(), 2);
}

TEST_F(FrmMainTest, ArrangementsPressTheirButtonAndRetileNewWindows)
{
    run("mnuFileNew");
    run("mnuWindowTileVertical");
    EXPECT_EQ(module().hArrange, 1);
    EXPECT_TRUE(action("mnuWindowTileVertical")->isChecked());
    EXPECT_FALSE(action("mnuWindowmax")->isChecked());
    EXPECT_TRUE(action("纵向排列")->isChecked());
    EXPECT_FALSE(action("最大化")->isChecked());
    const QRect area = main.workArea()->viewport()->rect();
    auto windows = main.documentWindows();
    EXPECT_EQ(windows[0]->geometry(), QRect(0, 0, area.width(), area.height() / 2));
    EXPECT_EQ(windows[1]->y(), area.height() / 2);

    run("mnuFileNew");
    windows = main.documentWindows();
    ASSERT_EQ(windows.size(), 3);
    for (QMdiSubWindow *w : windows) {
        EXPECT_EQ(w->width(), area.width());
        EXPECT_LE(w->height(), area.height() / 3 + 2);
    }

    main.tbToolBar_ButtonClick(QStringLiteral("横向排列"));
    settle();
    EXPECT_EQ(module().hArrange, 2);
    EXPECT_TRUE(action("横向排列")->isChecked());
    EXPECT_FALSE(action("纵向排列")->isChecked());
    EXPECT_EQ(main.documentWindows()[2]->height(), area.height());

    run("mnuWindowCascade");
    EXPECT_TRUE(action("层叠排列")->isChecked());
    run("mnuWindowArrangeIcons");
    EXPECT_EQ(module().hArrange, 3);
    for (const char *key : { "最大化", "层叠排列", "纵向排列", "横向排列" })
        EXPECT_FALSE(action(key)->isChecked()) << key;
}

TEST_F(FrmMainTest, WorkAreaCommandFillsItAndNewWindowsOpenThere)
{
    run("mnuFileNew");
    run("mnuWindowTileHorizontal");
    main.tbToolBar_ButtonClick(QStringLiteral("最大化"));
    settle();
    const QRect area = main.workArea()->viewport()->rect();
    EXPECT_EQ(module().hArrange, 4);
    EXPECT_TRUE(action("最大化")->isChecked());
    EXPECT_TRUE(action("mnuWindowmax")->isChecked());
    for (QMdiSubWindow *w : main.documentWindows())
        EXPECT_EQ(w->geometry(), area);
    run("mnuFileNew");
    EXPECT_EQ(main.documentWindows().last()->geometry(), area);
    EXPECT_EQ(main.documentWindows().first()->geometry(), area) << "nothing is re-tiled";
}

TEST_F(FrmMainTest, HidingABarGivesItsRoomToTheWorkAreaAndShowingTakesItBack)
{
    for (const char *item : { "mnuViewToolbar", "mnuViewStatusBar" }) {
        const QSize before = main.workArea()->size();
        const QRect palette = main.frmTools()->geometry();
        run(item);
        EXPECT_FALSE(action(item)->isChecked()) << item;
        EXPECT_GT(main.workArea()->height(), before.height()) << item;
        run(item);
        EXPECT_TRUE(action(item)->isChecked()) << item;
        EXPECT_EQ(main.workArea()->size(), before) << item;
        EXPECT_EQ(main.frmTools()->geometry(), palette) << item;
    }
    EXPECT_TRUE(main.tbToolBar()->isVisible());
    EXPECT_TRUE(main.statusBar()->isVisible());
}

TEST_F(FrmMainTest, PaletteStandsLeftAndTheColourWindowSpansTheBottom)
{
    EXPECT_EQ(main.dockWidgetArea(main.frmTools()), Qt::LeftDockWidgetArea);
    EXPECT_EQ(main.dockWidgetArea(main.frmColorTool()), Qt::BottomDockWidgetArea);
    EXPECT_EQ(main.frmColorTool()->x(), 0);
    EXPECT_EQ(main.frmColorTool()->width(), main.width());
    EXPECT_LE(main.frmTools()->geometry().bottom(), main.frmColorTool()->y());
    EXPECT_EQ(main.frmTools()->Text1()->text(), "1");
    EXPECT_EQ(main.frmTools()->Text1()->toolTip(), "绘图线宽度");
}

TEST_F(FrmMainTest, StatusBarWelcomesAndShowsDateAndTime)
{
    auto *bar = main.findChild<MainStatusBar *>("sbStatusBar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->textPanel()->text(), "欢迎使用Tessara软件3.0");
    EXPECT_EQ(bar->textPanel()->toolTip(), "欢迎使用Tessara软件3.0");
    EXPECT_FALSE(bar->datePanel()->text().isEmpty());
    EXPECT_FALSE(bar->timePanel()->text().isEmpty());
}

TEST_F(FrmMainTest, NumberBoxesKeepOnlyTheDigitsTheUserTypes)
{
    QLineEdit *width = main.frmTools()->Text1();
    width->clear();
    QTest::keyClicks(width, QStringLiteral("1a2a3"));
    EXPECT_EQ(width->text(), "123");
    EXPECT_EQ(module().tools().values().Text1(), "123");
    QLineEdit *sizeX = main.frmColorTool()->TextX();
    sizeX->clear();
    QTest::keyClicks(sizeX, QStringLiteral("12.5"));
    EXPECT_EQ(sizeX->text(), "125");
    // The program's own read-out is not filtered.
    active()->resizeCanvas(1000, 600);
    EXPECT_EQ(sizeX->text(), "65");
}

TEST_F(FrmMainTest, AboutBoxOpensAndCloses)
{
    ModalAnswer answer({ QMessageBox::Ok });
    run("mnuHelpAbout");
    ASSERT_EQ(answer.names.size(), 1);
    EXPECT_EQ(answer.names[0], "AboutBox");
    EXPECT_TRUE(answer.texts[0].contains("Tessara 3.0"));
}

TEST_F(FrmMainTest, TheHelpButtonShowsHelpAndBrowseOpensTheBrowserAlone)
{
    QStringList opened;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            opened << w->objectName();
            w->close();
        }
    });
    watch.start(5);
    main.tbToolBar_ButtonClick(QStringLiteral("帮助"));
    EXPECT_EQ(opened, QStringList({ "FrmHelp" }));
    run("Hexplor");
    ASSERT_NE(main.browser(), nullptr);
    EXPECT_TRUE(main.browser()->isVisible());
    EXPECT_EQ(main.documentWindows().size(), 1);
}

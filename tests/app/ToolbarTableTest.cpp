#include "app/ToolbarTable.h"
#include "app/CommandRules.h"

#include <gtest/gtest.h>

TEST(ToolbarTable, HoldsTwentyFourButtonsInEightGroupsInOrder)
{
    const auto &buttons = ToolbarTable::buttons();
    ASSERT_EQ(buttons.size(), 24u);
    EXPECT_EQ(buttons.front().key, "新建");
    EXPECT_EQ(buttons.back().key, "帮助");
    int groups = 1;
    for (size_t i = 1; i < buttons.size(); ++i) {
        EXPECT_GE(buttons[i].group, buttons[i - 1].group);
        if (buttons[i].group != buttons[i - 1].group)
            ++groups;
    }
    EXPECT_EQ(groups, 8);
}

TEST(ToolbarTable, AClickRunsTheCommandOfItsKeyAlone)
{
    struct Case
    {
        const char *key;
        const char *command;
    };
    const Case cases[]
        = { { "新建", "mnuFileNew" }, { "撤消", "mnuEditUndo" }, { "重复", "mnuEditRedo" },
              { "垂直翻转", "mnuviewfanzhuan2" }, { "水平翻转", "mnuviewfanzhuan1" },
              { "图片字体", "mnufont" }, { "前景色", "mnueditforecolor" },
              { "最大化", "mnuWindowmax" }, { "层叠排列", "mnuWindowCascade" },
              { "纵向排列", "mnuWindowTileVertical" }, { "横向排列", "mnuWindowTileHorizontal" },
              { "帮助", "mnuHelpContents" }, { "no such key", "" }, { "", "" } };
    for (const Case &c : cases)
        EXPECT_EQ(ToolbarTable::commandFor(QString::fromUtf8(c.key)), c.command) << c.key;
}

TEST(ToolbarTable, IconsAreLoadedByImageKey)
{
    EXPECT_EQ(ToolbarTable::iconPath(*ToolbarTable::find("油化")), ":/icons/toolbar/youhua1.svg");
}

TEST(CommandRules, EnabledStatesFollowDocumentSelectionAndHistory)
{
    struct Case
    {
        const char *name;
        bool menu;
        CommandContext context;
        bool enabled;
    };
    const CommandContext none {};
    const CommandContext open { true, false, false, false };
    const CommandContext selected { true, true, false, false };
    const CommandContext history { true, false, true, false };
    // A stale selection flag without a document enables nothing.
    const CommandContext stale { false, true, true, true };
    const Case cases[] = {
        { "mnuFileSave", true, none, false },
        { "mnuFileSave", true, open, true },
        { "mnuFileNew", true, none, true },
        { "mnuWindowCascade", true, none, true },
        { "mnuedit", true, none, false },
        { "mnuview", true, open, false },
        { "mnuview", true, selected, true },
        { "mnuEditCopy", true, open, false },
        { "mnuEditCopy", true, selected, true },
        { "mnuEditPaste", true, open, true },
        { "mnuEditUndo", true, open, false },
        { "mnuEditUndo", true, history, true },
        { "mnuEditUndo", true, stale, false },
        { "保存", false, none, false },
        { "最大化", false, open, true },
        { "复制", false, open, false },
        { "油化", false, selected, true },
        { "新建", false, none, true },
        { "帮助", false, none, true },
        { "撤消", false, history, true },
        { "重复", false, history, false },
        { "水平翻转", false, stale, false },
    };
    for (const Case &c : cases) {
        const QString name = QString::fromUtf8(c.name);
        const CommandNeed need
            = c.menu ? CommandRules::menuNeed(name) : CommandRules::toolbarNeed(name);
        EXPECT_EQ(CommandRules::isEnabled(need, c.context), c.enabled) << c.name;
    }
}

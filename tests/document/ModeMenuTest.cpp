#include "document/ModeMenu.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ModeMenu, StartsWithCopyPenAndSourceCopy)
{
    const ModeMenu draw = ModeMenu::drawModeMenu();
    const ModeMenu paste = ModeMenu::pasteModeMenu();
    EXPECT_EQ(draw.Tag(), "13");
    EXPECT_EQ(draw.checkedItem(), "mnudrawvbcopypen");
    EXPECT_EQ(paste.Tag(), "13369376");
    EXPECT_EQ(paste.checkedItem(), "mnuvbsrccopy");
}

TEST(ModeMenu, ChecksExactlyTheItemWithTheValue)
{
    ModeMenu draw = ModeMenu::drawModeMenu();
    int items = 0;
    for (const ModeItem &item : draw.items()) {
        if (item.isSeparator())
            continue;
        ++items;
        draw.setValue(item.value);
        int checked = 0;
        for (const ModeItem &other : draw.items())
            checked += draw.isChecked(other.name) ? 1 : 0;
        EXPECT_EQ(checked, 1) << item.name.toStdString();
        EXPECT_TRUE(draw.isChecked(item.name));
    }
    EXPECT_EQ(items, 16);
}

TEST(ModeMenu, EveryDrawModeFrom1To16HasOneItem)
{
    const ModeMenu draw = ModeMenu::drawModeMenu();
    for (int mode = 1; mode <= 16; ++mode) {
        ModeMenu probe = draw;
        probe.setValue(mode);
        EXPECT_FALSE(probe.checkedItem().isEmpty()) << mode;
    }
}

TEST(ModeMenu, AValueOutsideTheTableChecksNothing)
{
    ModeMenu paste = ModeMenu::pasteModeMenu();
    paste.setValue(12345);
    EXPECT_EQ(paste.Tag(), "12345");
    EXPECT_TRUE(paste.checkedItem().isEmpty());
    EXPECT_FALSE(paste.isChecked("mnudrawmodbar4"));
}

TEST(ModeMenu, PasteOperationsAreTheTernaryCodes)
{
    struct Case
    {
        const char *name;
        double value;
    };
    const Case cases[] = { { "mnuvbsrccopy", 13369376 }, { "mnuvbsrcpaint", 15597702 },
        { "mnuvbmergepaint", 12255782 }, { "mnuvbsrcinvert", 6684742 },
        { "mnuvbsrcerase", 4457256 }, { "mnuvbnotsrccopy", 3342344 }, { "mnuvbdstinvert", 5570569 },
        { "mnuvbnotsrcerase", 1114278 }, { "mnuvbsrcand", 8913094 } };
    const ModeMenu paste = ModeMenu::pasteModeMenu();
    for (const Case &c : cases) {
        const ModeItem *item = paste.find(c.name);
        ASSERT_NE(item, nullptr) << c.name;
        EXPECT_EQ(item->value, c.value) << c.name;
    }
}

TEST(ModeMenu, TagTextOfValuesNoIntegerHolds)
{
    // Whole numbers are digits; NaN, infinities and numbers past 2^63 have
    // no integer to convert to and keep their floating form.
    EXPECT_EQ(ModeMenu::decimalText(-9223372036854775808.0), "-9223372036854775808");
    EXPECT_EQ(ModeMenu::decimalText(0.5), "0.5");
    EXPECT_EQ(ModeMenu::decimalText(9223372036854775808.0), "9.22337203685478e+18");
    EXPECT_EQ(ModeMenu::decimalText(1e300), "1e+300");
    EXPECT_EQ(ModeMenu::decimalText(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(ModeMenu::decimalText(std::numeric_limits<double>::quiet_NaN()), "nan");
    ModeMenu draw = ModeMenu::drawModeMenu();
    draw.setValue(std::numeric_limits<double>::quiet_NaN());
    EXPECT_TRUE(draw.checkedItem().isEmpty());
}

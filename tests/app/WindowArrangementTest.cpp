#include "app/WindowArrangement.h"

#include <gtest/gtest.h>

using namespace WindowArrangement;

TEST(WindowArrangement, ExactlyOneMenuItemAndAtMostOneButtonShowTheCurrentMode)
{
    const char *items[] = { "mnuWindowCascade", "mnuWindowTileVertical", "mnuWindowTileHorizontal",
        "mnuWindowArrangeIcons", "mnuWindowmax" };
    const char *keys[] = { "层叠排列", "纵向排列", "横向排列", "", "最大化" };
    for (int mode = Cascade; mode <= None; ++mode) {
        for (int other = Cascade; other <= None; ++other) {
            EXPECT_EQ(isMenuItemChecked(items[other], mode), other == mode) << mode << other;
            EXPECT_EQ(isButtonPressed(QString::fromUtf8(keys[other]), mode),
                other == mode && other != Icons)
                << mode << other;
        }
    }
    EXPECT_FALSE(isMenuItemChecked("mnuFileNew", None));
}

TEST(WindowArrangement, TilesCoverTheAreaWithoutGaps)
{
    const QRect area(0, 0, 1001, 602);
    for (int count = 1; count <= 7; ++count) {
        const auto rows = stacked(area, count);
        const auto columns = sideBySide(area, count);
        ASSERT_EQ(int(rows.size()), count);
        ASSERT_EQ(int(columns.size()), count);
        int top = 0;
        int left = 0;
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(rows[size_t(i)].top(), top);
            EXPECT_EQ(rows[size_t(i)].width(), area.width());
            top += rows[size_t(i)].height();
            EXPECT_EQ(columns[size_t(i)].left(), left);
            EXPECT_EQ(columns[size_t(i)].height(), area.height());
            left += columns[size_t(i)].width();
        }
        EXPECT_EQ(top, area.height());
        EXPECT_EQ(left, area.width());
    }
    EXPECT_TRUE(stacked(area, 0).empty());
}

TEST(WindowArrangement, IconsLineUpAlongTheBottom)
{
    const auto points = iconRow(QRect(0, 0, 300, 400), QSize(100, 30), 4);
    ASSERT_EQ(points.size(), 4u);
    EXPECT_EQ(points[0], QPoint(0, 370));
    EXPECT_EQ(points[2], QPoint(200, 370));
    EXPECT_EQ(points[3], QPoint(0, 340));
}

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

TEST(WindowArrangement, CascadeSharesOneSizeAndEndsInTheCorner)
{
    const QRect area(0, 0, 1000, 600);
    const QSize step(30, 30);
    const auto rects = cascade(area, 3, step);
    ASSERT_EQ(rects.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(rects[size_t(i)], QRect(30 * i, 30 * i, 940, 540)) << i;
    }
    EXPECT_EQ(rects.back().bottomRight(), area.bottomRight());
    EXPECT_EQ(cascade(area, 1, step).front(), area);
    EXPECT_TRUE(cascade(area, 0, step).empty());
    EXPECT_EQ(cascade(QRect(5, 7, 100, 80), 2, QSize(10, 20))[1], QRect(15, 27, 90, 60));
}

TEST(WindowArrangement, ACascadeStartsAgainBeforeAWindowFallsBelowHalfTheArea)
{
    const QRect area(0, 0, 1000, 600);
    const QSize step(30, 30);
    // 300 / 30 = 10 offsets keep half the height: runs of 11 windows.
    EXPECT_EQ(cascadeRunLength(area, step), 11);
    const auto rects = cascade(area, 25, step);
    ASSERT_EQ(rects.size(), 25u);
    for (size_t i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(area.contains(rects[i])) << i;
        EXPECT_EQ(rects[i].size(), QSize(700, 300)) << i;
        EXPECT_EQ(rects[i].topLeft(), QPoint(30, 30) * int(i % 11)) << i;
    }
    // An area too small for even one step, or no step at all: each window
    // takes the whole area.
    for (const QRect &r : cascade(QRect(0, 0, 40, 40), 3, step))
        EXPECT_EQ(r, QRect(0, 0, 40, 40));
    for (const QRect &r : cascade(area, 3, QSize(0, 0)))
        EXPECT_EQ(r, area);
}

// The text box's model: its size follows its text and font, never collapsing
// below one character, and placing or discarding it keeps or drops the text.
#include "document/TextBox.h"

#include <gtest/gtest.h>

namespace {

QSizeF sizeOf(const TextBox &box)
{
    return QSizeF(box.Width(), box.Height());
}

QSizeF plusMargin(const QSizeF &size)
{
    return size + QSizeF(TextBox::Margin, TextBox::Margin);
}

}

TEST(TextBoxTest, AnEmptyBoxHasTheSizeOfOneH)
{
    TextBox box;
    const QSizeF h = plusMargin(TextBox::measure(QStringLiteral("H"), box.Font()));
    EXPECT_GT(h.width(), TextBox::Margin);
    EXPECT_EQ(sizeOf(box), h);
    box.setText(QStringLiteral("Hello"));
    box.setText(QString());
    EXPECT_EQ(sizeOf(box), h);
}

TEST(TextBoxTest, TheSizeFollowsTextAndFontAndKeepsThePlace)
{
    TextBox box;
    box.place(300, 450);
    box.setText(QStringLiteral("wide text"));
    const QSizeF oneLine = sizeOf(box);
    EXPECT_EQ(oneLine, plusMargin(TextBox::measure(QStringLiteral("wide text"), box.Font())));
    EXPECT_GT(
        oneLine.width(), plusMargin(TextBox::measure(QStringLiteral("H"), box.Font())).width());
    // Lines add their height; the widest line gives the width.
    box.setText(QStringLiteral("wide text\nw"));
    EXPECT_EQ(box.Width(), oneLine.width());
    EXPECT_EQ(box.Height() - TextBox::Margin, 2 * (oneLine.height() - TextBox::Margin));
    QFont large = box.Font();
    large.setPixelSize(40);
    box.setFont(large);
    EXPECT_GT(box.Height(), 2 * 40 * 15);
    EXPECT_EQ(box.Left(), 300);
    EXPECT_EQ(box.Top(), 450);
}

TEST(TextBoxTest, PlacingKeepsTheTextAndDiscardingDropsIt)
{
    TextBox box;
    int placed = 0;
    QObject::connect(&box, &TextBox::placed, [&placed] { ++placed; });
    EXPECT_FALSE(box.Visible());
    box.place(15, 30);
    box.setText(QStringLiteral("abc"));
    box.place(150, 300);
    EXPECT_TRUE(box.Visible());
    EXPECT_EQ(box.Text(), QStringLiteral("abc"));
    EXPECT_EQ(placed, 2);
    box.discard();
    EXPECT_FALSE(box.Visible());
    EXPECT_TRUE(box.Text().isEmpty());
    // After a commit the box stays, empty, and takes the keyboard again.
    box.place(0, 0);
    box.setText(QStringLiteral("x"));
    box.clear();
    EXPECT_TRUE(box.Visible());
    EXPECT_TRUE(box.Text().isEmpty());
    EXPECT_EQ(placed, 4);
}

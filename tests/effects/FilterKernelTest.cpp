// The custom filter dialog's rules: what each box keeps of what is typed,
// where Enter goes, what ▲ and ▼ write, and the convolution a run applies.
#include "effects/FilterKernel.h"
#include "effects/FilterEntries.h"
#include "effects/FilterNumericText.h"

#include <gtest/gtest.h>

namespace {

TypedKey typed(const char *text, int key = 0)
{
    return { key, QString::fromUtf8(text), Qt::NoModifier };
}

TEST(FilterNumericText, removesEveryOccurrenceOfEachStrayCharacter)
{
    EXPECT_EQ(
        FilterNumericText(QStringLiteral("1.5-x.2"), QLatin1Char('-')), QStringLiteral("15-2"));
    EXPECT_EQ(FilterNumericText(QStringLiteral("--3.."), QLatin1Char('-')), QStringLiteral("--3"));
    EXPECT_EQ(FilterNumericText(QStringLiteral("１2"), QLatin1Char('-')), QStringLiteral("2"));
    EXPECT_EQ(FilterNumericText(QString(), QLatin1Char('-')), QString());
}

TEST(FilterEntries, keysReachOnlyTheirBoxes)
{
    for (int entry : { 1, 13, 25, FilterEntries::Divisor, FilterEntries::Addend }) {
        EXPECT_TRUE(FilterEntries::accepts(entry, typed("7")));
        EXPECT_TRUE(FilterEntries::accepts(entry, typed(".")));
        EXPECT_TRUE(FilterEntries::accepts(entry, typed("\b", Qt::Key_Backspace)));
        EXPECT_FALSE(FilterEntries::accepts(entry, typed("a")));
        EXPECT_FALSE(FilterEntries::accepts(entry, typed("+")));
        EXPECT_FALSE(FilterEntries::accepts(entry, typed("\r", Qt::Key_Return)));
        EXPECT_TRUE(FilterEntries::accepts(
            entry, { Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier }));
    }
    EXPECT_TRUE(FilterEntries::accepts(13, typed("-")));
    EXPECT_TRUE(FilterEntries::accepts(FilterEntries::Addend, typed("-")));
    EXPECT_FALSE(FilterEntries::accepts(FilterEntries::Divisor, typed("-")));
}

TEST(FilterEntries, enterWalksTheCellsInUse)
{
    auto walk = [](int from, int radius, int steps) {
        QList<int> path;
        int entry = from;
        for (int k = 0; k < steps; ++k)
            path << (entry = FilterEntries::nextOnEnter(entry, radius));
        return path;
    };
    EXPECT_EQ(walk(7, 1, 12), (QList<int> { 8, 9, 12, 13, 14, 17, 18, 19, 26, 27, 7, 8 }));
    EXPECT_EQ(walk(24, 2, 4), (QList<int> { 25, 26, 27, 1 }));
    EXPECT_EQ(FilterEntries::nextOnEnter(9, 2), 10);
}

TEST(FilterKernel, cellsKeepDigitsAndMinusSigns)
{
    FilterKernel kernel;
    EXPECT_EQ(kernel.cellChanged(13, QStringLiteral("-2.5")), QStringLiteral("-25"));
    EXPECT_EQ(kernel.cellChanged(1, QStringLiteral("3")), QStringLiteral("3"));
    const Convolution c = kernel.convolution();
    EXPECT_EQ(c.weight(0, 0), -25);
    EXPECT_EQ(c.weight(-2, -2), 3);
    EXPECT_EQ(c.weight(2, 2), 0);
}

// Text that gets past the filters but is no number counts as 0 and stays in
// its box to be mended.
TEST(FilterKernel, textThatIsNoNumberCountsAsZero)
{
    FilterKernel kernel;
    EXPECT_EQ(kernel.cellChanged(13, QStringLiteral("1-2")), QStringLiteral("1-2"));
    EXPECT_EQ(kernel.cellChanged(12, QStringLiteral("--")), QStringLiteral("--"));
    EXPECT_EQ(kernel.cellChanged(14, QStringLiteral("-")), QStringLiteral("-"));
    EXPECT_EQ(kernel.addendChanged(QStringLiteral("1-")), QStringLiteral("1-"));
    EXPECT_EQ(kernel.divisorChanged(QStringLiteral("2.5.")), QStringLiteral("2.5."));
    const Convolution c = kernel.convolution();
    EXPECT_EQ(c.weight(0, 0), 0);
    EXPECT_EQ(c.weight(0, -1), 0);
    EXPECT_EQ(c.weight(0, 1), 0);
    EXPECT_EQ(c.addend, 0);
    EXPECT_EQ(c.divisor, 1);
    EXPECT_EQ(FilterKernel::stepped(QStringLiteral("1-2"), 1), QStringLiteral("1"));
    for (const char *number : { "12", "-3", "2.5", "7.", ".5", "-0" })
        EXPECT_TRUE(FilterKernel::numberIn(QString::fromLatin1(number))) << number;
    EXPECT_EQ(*FilterKernel::numberIn(QString(400, QLatin1Char('9'))), 1e300);
    for (const char *other : { "", "-", ".", "--", "1-2", "1.2.3", "-.", "1e5" })
        EXPECT_FALSE(FilterKernel::numberIn(QString::fromLatin1(other))) << other;
}

TEST(FilterKernel, divisorIsAtLeastOneAndRoundsToEven)
{
    FilterKernel kernel;
    EXPECT_EQ(kernel.FilterDivisor(), 0);
    EXPECT_EQ(kernel.convolution().divisor, 1);
    EXPECT_EQ(kernel.divisorChanged(QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(kernel.divisorChanged(QStringLiteral("0.5")), QStringLiteral("1"));
    EXPECT_EQ(kernel.divisorChanged(QString()), QStringLiteral("1"));
    EXPECT_EQ(kernel.FilterDivisor(), 1);
    EXPECT_EQ(kernel.divisorChanged(QStringLiteral("2.5")), QStringLiteral("2.5"));
    EXPECT_EQ(kernel.FilterDivisor(), 2);
    kernel.divisorChanged(QStringLiteral("3.5"));
    EXPECT_EQ(kernel.convolution().divisor, 4);
}

TEST(FilterKernel, addendIsClampedAndAMinusAloneIsZero)
{
    FilterKernel kernel;
    EXPECT_EQ(kernel.addendChanged(QStringLiteral("300")), QStringLiteral("255"));
    EXPECT_EQ(kernel.addendChanged(QStringLiteral("-300")), QStringLiteral("-255"));
    EXPECT_EQ(kernel.convolution().addend, -255);
    EXPECT_EQ(kernel.addendChanged(QStringLiteral("-")), QStringLiteral("0"));
    EXPECT_EQ(kernel.addendChanged(QString()), QStringLiteral("0"));
    EXPECT_EQ(kernel.addendChanged(QStringLiteral("-12.5")), QStringLiteral("-12.5"));
    EXPECT_EQ(kernel.convolution().addend, -12.5);
}

TEST(FilterKernel, threeByThreeEmptiesTheOuterRingForGood)
{
    FilterKernel kernel;
    EXPECT_EQ(kernel.KernelRadius(), 2);
    for (int cell = 1; cell <= 25; ++cell)
        kernel.cellChanged(cell, QString::number(cell));
    kernel.SetKernelSize(1);
    kernel.SetKernelSize(2);
    int kept = 0;
    for (int cell = 1; cell <= 25; ++cell) {
        EXPECT_EQ(kernel.cellText(cell).isEmpty(), FilterKernel::isOuterCell(cell)) << cell;
        kept += !kernel.cellText(cell).isEmpty();
    }
    EXPECT_EQ(kept, 9);
    EXPECT_EQ(kernel.convolution().weight(-2, 0), 0);
    EXPECT_EQ(kernel.convolution().weight(-1, -1), 7);
}

TEST(FilterKernel, stepsCountFromZeroForEmptyOrMinus)
{
    EXPECT_EQ(FilterKernel::stepped(QString(), 1), QStringLiteral("1"));
    EXPECT_EQ(FilterKernel::stepped(QStringLiteral("-"), -1), QStringLiteral("-1"));
    EXPECT_EQ(FilterKernel::stepped(QStringLiteral("9"), 1), QStringLiteral("10"));
    EXPECT_EQ(FilterKernel::stepped(QStringLiteral("2.5"), -1), QStringLiteral("1.5"));
    EXPECT_EQ(FilterKernel::stepped(QStringLiteral("-1"), 1), QStringLiteral("0"));
}

}

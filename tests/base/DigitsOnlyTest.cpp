#include "base/DigitsOnly.h"

#include <gtest/gtest.h>

TEST(DigitsOnly, KeepsOnlyAsciiDigits)
{
    struct Case
    {
        const char *text;
        const char *digits;
    };
    const Case cases[] = {
        { "1a2a3", "123" },
        { "abc", "" },
        { "", "" },
        { "0123456789", "0123456789" },
        { "12.5", "125" },
        { "-7", "7" },
        { " 4 2 ", "42" },
        { "/:09", "09" }, // the neighbours of '0' and '9'
        { "１２3", "3" }, // full-width digits are not digits
        { "中文5字", "5" },
        { "٣4", "4" }, // nor are other scripts' digits
        { "7😀8", "78" }, // a character outside the 16-bit range
        { "aaa1aaa", "1" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(DigitsOnly(QString::fromUtf8(c.text)), QString::fromUtf8(c.digits)) << c.text;
}

TEST(DigitsOnly, FilteringTwiceChangesNothing)
{
    const QString once = DigitsOnly(QStringLiteral("x1y2z3"));
    EXPECT_EQ(DigitsOnly(once), once);
}

TEST(DigitsOnly, WalksTextsLongerThanA16BitPosition)
{
    // A full line-edit holds 32767 characters: the position passes 32767.
    const QString digits(40000, QLatin1Char('7'));
    EXPECT_EQ(DigitsOnly(digits), digits);
    EXPECT_EQ(DigitsOnly(digits + QStringLiteral("x9")), digits + QStringLiteral("9"));
}

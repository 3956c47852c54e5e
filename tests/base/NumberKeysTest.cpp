#include "base/NumberKeys.h"

#include <gtest/gtest.h>

TEST(NumberKeys, TypedCharactersPassOnlyWhenTheyBelongToANumber)
{
    for (QChar c : QStringLiteral("0123456789.\b"))
        EXPECT_TRUE(NumberKeys::accepts({ 0, QString(c), Qt::NoModifier })) << int(c.unicode());
    // Letters, signs, blanks, an exponent, an Arabic-Indic and a full-width digit.
    for (QChar c : QStringLiteral("a-+ ,e\u0661\uFF11"))
        EXPECT_FALSE(NumberKeys::accepts({ 0, QString(c), Qt::NoModifier })) << int(c.unicode());
}

TEST(NumberKeys, KeysThatTypeNothingAndShortcutsAreLeftAlone)
{
    struct Case
    {
        const char *what;
        TypedKey key;
    };
    const Case cases[] = {
        { "cursor key", { Qt::Key_Left, QString(), Qt::NoModifier } },
        { "delete", { Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier } },
        { "enter", { Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier } },
        { "paste", { Qt::Key_V, QStringLiteral("\x16"), Qt::ControlModifier } },
        { "select all", { Qt::Key_A, QStringLiteral("a"), Qt::ControlModifier } },
        { "menu mnemonic", { Qt::Key_E, QStringLiteral("e"), Qt::AltModifier } },
        { "composed text", { 0, QStringLiteral("12"), Qt::NoModifier } },
    };
    for (const Case &c : cases)
        EXPECT_TRUE(NumberKeys::accepts(c.key)) << c.what;
    EXPECT_FALSE(NumberKeys::accepts({ Qt::Key_Exclam, QStringLiteral("!"), Qt::ShiftModifier }))
        << "a shifted digit types a sign";
}

#include "colour/SizeBoxRules.h"

#include <gtest/gtest.h>

namespace {

struct Press
{
    const char *what;
    int key;
    const char *typed;
    Qt::KeyboardModifiers modifiers;
    bool withDocument;
    bool withoutDocument;
};

}

TEST(SizeBoxRules, TakeDigitsBackspaceAndPointOnlyWhileAPictureIsOpen)
{
    const Press presses[] = {
        { "digit", Qt::Key_7, "7", Qt::NoModifier, true, false },
        { "point", Qt::Key_Period, ".", Qt::NoModifier, true, false },
        { "backspace", Qt::Key_Backspace, "\b", Qt::NoModifier, true, false },
        { "delete", Qt::Key_Delete, "\x7f", Qt::NoModifier, true, false },
        { "letter", Qt::Key_A, "a", Qt::NoModifier, false, false },
        { "minus", Qt::Key_Minus, "-", Qt::NoModifier, false, false },
        { "space", Qt::Key_Space, " ", Qt::NoModifier, false, false },
        { "enter takes the size", Qt::Key_Return, "\r", Qt::NoModifier, true, true },
        { "full-width digit", Qt::Key_unknown, "\xef\xbc\x91", Qt::NoModifier, false, false },
        { "shifted digit", Qt::Key_Exclam, "!", Qt::ShiftModifier, false, false },
        { "cursor key", Qt::Key_Left, "", Qt::NoModifier, true, false },
        { "paste", Qt::Key_V, "\x16", Qt::ControlModifier, true, false },
        { "tab", Qt::Key_Tab, "\t", Qt::NoModifier, true, true },
        { "back tab", Qt::Key_Backtab, "", Qt::ShiftModifier, true, true },
    };
    for (const Press &p : presses) {
        SCOPED_TRACE(p.what);
        const TypedKey key { p.key, QString::fromUtf8(p.typed), p.modifiers };
        EXPECT_EQ(SizeBoxRules::accepts(key, true), p.withDocument);
        EXPECT_EQ(SizeBoxRules::accepts(key, false), p.withoutDocument);
    }
}

TEST(SizeBoxRules, AnEmptyBoxShowsTheDefaultAndALargeOneItsLimit)
{
    struct Case
    {
        const char *text;
        int limit;
        const char *shown;
        double outer;
    };
    const Case cases[] = {
        { "", SizeBoxRules::WidthLimit, "925", 925 * 15 + 30 },
        { "", SizeBoxRules::HeightLimit, "925", 925 * 15 + 30 },
        { "3000", SizeBoxRules::WidthLimit, "2402", 2402 * 15 + 30 },
        { "2402", SizeBoxRules::WidthLimit, "2402", 2402 * 15 + 30 },
        { "2403", SizeBoxRules::WidthLimit, "2402", 2402 * 15 + 30 },
        { "2500", SizeBoxRules::HeightLimit, "2002", 2002 * 15 + 30 },
        { "2002", SizeBoxRules::HeightLimit, "2002", 2002 * 15 + 30 },
        { "0", SizeBoxRules::WidthLimit, "0", 30 },
        { "0064", SizeBoxRules::WidthLimit, "0064", 64 * 15 + 30 },
        { "99999999999999999999", SizeBoxRules::WidthLimit, "2402", 2402 * 15 + 30 },
        // What the program itself writes for a canvas of a fractional width.
        { "978.3333", SizeBoxRules::WidthLimit, "978.3333", 978.3333 * 15 + 30 },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const QString shown = SizeBoxRules::limited(SizeBoxRules::filled(c.text), c.limit);
        EXPECT_EQ(shown, c.shown);
        EXPECT_DOUBLE_EQ(SizeBoxRules::outerTwips(shown), c.outer);
    }
}

TEST(SizeBoxRules, LeavingForAnotherControlTakesTheSizeAMenuOrAnotherApplicationDoesNot)
{
    for (Qt::FocusReason reason : { Qt::MouseFocusReason, Qt::TabFocusReason,
             Qt::BacktabFocusReason, Qt::ShortcutFocusReason, Qt::OtherFocusReason })
        EXPECT_TRUE(SizeBoxRules::appliesOnFocusLoss(reason)) << reason;
    EXPECT_FALSE(SizeBoxRules::appliesOnFocusLoss(Qt::PopupFocusReason));
    EXPECT_FALSE(SizeBoxRules::appliesOnFocusLoss(Qt::ActiveWindowFocusReason));
}

#pragma once

#include <QString>
#include <Qt>

// The rules of the colour window's size boxes `TextX` and `TextY`, which show
// the active picture's size in pixels and resize it when the user leaves them.
namespace SizeBoxRules {

// The largest picture the boxes make, in pixels.
inline constexpr int WidthLimit = 2402;
inline constexpr int HeightLimit = 2002;

// Whether a key press reaches the box. Digits, Backspace and "." pass (the
// box's digit filter removes a "." again at once); every other typed
// character is dropped. Keys that type nothing (cursor keys, shortcuts such as
// copy and paste) are left alone: pasted text is repaired by the digit filter.
// While no picture is open every key is refused but those that move the focus on.
bool accepts(int key, const QString &typed, Qt::KeyboardModifiers modifiers, bool documentOpen);

// An emptied box shows the default width again ("925", in either box).
QString filled(const QString &text);
// A box holding more than `limit` shows the limit instead.
QString limited(const QString &text, int limit);
// The number the box's text starts with: "" gives 0. The boxes hold digits,
// or a fraction the program wrote itself.
double value(const QString &text);
// The canvas's outer extent for the box's size in pixels: the one-pixel
// border on both sides comes on top (twips).
double outerTwips(const QString &text);

}

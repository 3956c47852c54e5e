#pragma once

#include "base/NumberKeys.h"
#include "document/CanvasLayout.h"

#include <QString>
#include <Qt>

// The rules of the colour window's size boxes `TextX` and `TextY`, which show
// the active picture's size in pixels and resize it when the user leaves them.
namespace SizeBoxRules {

// The largest picture the boxes make, in pixels.
inline constexpr int WidthLimit = CanvasLayout::MaxDrawingWidth;
inline constexpr int HeightLimit = CanvasLayout::MaxDrawingHeight;

// Whether a key press reaches the box: the number boxes' key rule
// (NumberKeys) while a picture is open. While none is open every key is
// refused but those that move the focus on and Enter, which takes the size as
// leaving the box does.
bool accepts(const TypedKey &key, bool documentOpen);

// Whether losing the focus takes the size typed into the box. Only leaving it
// for another control does: not a menu opening or another application taking
// the focus for a while, after which the user comes back to the box.
bool appliesOnFocusLoss(Qt::FocusReason reason);

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

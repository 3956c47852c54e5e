#pragma once

#include <QString>

// The palette's three number boxes: how each repairs its text after every
// change (which keys reach them is NumberKeys' rule).
// Each rule first keeps only the digits (DigitsOnly), so a "." that the key
// filter lets through disappears again.
namespace NumberBoxRules {

// The widest line the palette hands to a canvas, in pixels. Wider pens are no
// use on pictures of at most a few thousand pixels and only make every stroke slow.
inline constexpr int MaxLineWidth = 500;

// `Text1`, the line width: empty or zero gives "1", above MaxLineWidth gives "500".
QString lineWidth(const QString &text);
// `hlinewidthText`, the frame width of the gradient shapes: empty gives "0".
QString frameWidth(const QString &text);
// `hlinecornerText`, the gradient angle: empty or 180 and above give "0".
QString gradientAngle(const QString &text);

}

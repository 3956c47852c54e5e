#pragma once

#include <QChar>
#include <QString>

// The palette's three number boxes: which keys they take and how each repairs
// its text after every change. Each rule first keeps only the digits
// (DigitsOnly), so a "." that the key filter lets through disappears again.
namespace NumberBoxRules {

// The widest line the palette hands to a canvas, in pixels. Wider pens are no
// use on pictures of at most a few thousand pixels and only make every stroke slow.
inline constexpr int MaxLineWidth = 500;

// Digits, backspace and "." reach the box; any other typed character is
// dropped. Keys that type nothing (arrows, Delete, shortcuts) are not characters.
bool acceptsKey(QChar typed);

// `Text1`, the line width: empty or zero gives "1", above MaxLineWidth gives "500".
QString lineWidth(const QString &text);
// `hlinewidthText`, the frame width of the gradient shapes: empty gives "0".
QString frameWidth(const QString &text);
// `hlinecornerText`, the gradient angle: empty or 180 and above give "0".
QString gradientAngle(const QString &text);

}

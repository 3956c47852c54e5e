#pragma once

#include <QChar>
#include <QString>
#include <Qt>

// A key press as a box that holds a number sees it.
struct TypedKey
{
    int key = 0;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

// Which key presses reach a box that holds a number. Every such box (the size
// boxes, the palette's number boxes) filters its keys with this one rule and
// repairs what gets through with DigitsOnly.
namespace NumberKeys {

// ASCII digits, Backspace and ".": the "." passes the key filter and is removed
// again by the box's digit repair.
bool isNumberCharacter(QChar c);

// A key that types one printable character passes only when that character is
// a number character. Keys that type nothing printable (cursor keys, Delete,
// Enter) and shortcuts (Ctrl, Alt or Meta held: copy, paste, undo) are left
// alone; pasted text is repaired like typed text.
bool accepts(const TypedKey &key);

}

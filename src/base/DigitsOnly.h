#pragma once

#include <QString>

// The text of a number box with every character that is not an ASCII digit
// removed. Walks the text from the start; a non-digit is removed with every
// other occurrence of it at once and the same position is looked at again.
// Full-width and other non-ASCII digits count as non-digits.
QString DigitsOnly(const QString &text);

#pragma once

#include <QString>

#include <cstdlib>

// Message boxes centre their one line under the title by blanks: a carriage
// return, n blanks, the message, n blanks and a carriage return. n grows with
// how far the title's length L is from the message's own width w:
// ⌊|L − w| / 2⌋ + extra.
namespace CentredText {

inline int blanks(const QString &title, int width, int extra)
{
    return int(std::abs(title.size() - width) / 2) + extra;
}

inline QString framed(const QString &message, int blanks)
{
    const QString side(blanks, QLatin1Char(' '));
    return QLatin1Char('\r') + side + message + side + QLatin1Char('\r');
}

}

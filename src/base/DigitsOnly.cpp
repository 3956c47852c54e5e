#include "base/DigitsOnly.h"

QString DigitsOnly(const QString &text)
{
    QString result = text;
    // The position is a plain int: a box may hold 32767 digits, and a 16-bit
    // position would overflow stepping past the last of them.
    qsizetype position = 0;
    while (position < result.size()) {
        const QChar c = result.at(position);
        if (c.unicode() < '0' || c.unicode() > '9')
            result.remove(c);
        else
            ++position;
    }
    return result;
}

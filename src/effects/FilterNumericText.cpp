#include "effects/FilterNumericText.h"

QString FilterNumericText(const QString &text, QChar extra)
{
    QString result = text;
    qsizetype p = 0;
    while (p < result.size()) {
        const QChar c = result.at(p);
        const bool digit = c >= QLatin1Char('0') && c <= QLatin1Char('9');
        if (digit || c == extra)
            ++p;
        else
            result.remove(c);
    }
    return result;
}

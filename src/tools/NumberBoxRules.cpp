#include "tools/NumberBoxRules.h"

#include "base/DigitsOnly.h"

namespace NumberBoxRules {

namespace {

// The text holds digits only; a number too long for an integer is simply large.
double valueOf(const QString &digits)
{
    return digits.toDouble();
}

}

QString lineWidth(const QString &text)
{
    const QString digits = DigitsOnly(text);
    if (digits.isEmpty() || valueOf(digits) == 0)
        return QStringLiteral("1");
    if (valueOf(digits) > MaxLineWidth)
        return QString::number(MaxLineWidth);
    return digits;
}

QString frameWidth(const QString &text)
{
    const QString digits = DigitsOnly(text);
    return digits.isEmpty() ? QStringLiteral("0") : digits;
}

QString gradientAngle(const QString &text)
{
    const QString digits = DigitsOnly(text);
    if (digits.isEmpty() || valueOf(digits) >= 180)
        return QStringLiteral("0");
    return digits;
}

}

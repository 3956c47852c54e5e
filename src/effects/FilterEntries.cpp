#include "effects/FilterEntries.h"

namespace FilterEntries {

namespace {

bool typesCharacter(const TypedKey &key)
{
    if (key.modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return key.text.size() == 1 && key.text.at(0).isPrint();
}

}

bool isEnter(const TypedKey &key)
{
    return key.key == Qt::Key_Return || key.key == Qt::Key_Enter;
}

bool accepts(int entry, const TypedKey &key)
{
    if (isEnter(key))
        return false;
    if (!typesCharacter(key))
        return true;
    const QChar c = key.text.at(0);
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return true;
    if (c == QLatin1Char('.'))
        return true;
    return c == QLatin1Char('-') && entry != Divisor;
}

int nextOnEnter(int entry, int kernelRadius)
{
    const bool small = kernelRadius == 1;
    if (entry == Divisor)
        return Addend;
    if (entry == Addend)
        return small ? 7 : 1;
    if (small) {
        switch (entry) {
        case 9:
            return 12;
        case 14:
            return 17;
        case 19:
            return Divisor;
        default:
            break;
        }
    }
    return entry == 25 ? Divisor : entry + 1;
}

}

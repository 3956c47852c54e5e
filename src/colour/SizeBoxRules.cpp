#include "colour/SizeBoxRules.h"

#include "document/CanvasLayout.h"
#include "base/Twips.h"

#include <utility>

namespace SizeBoxRules {

namespace {

bool movesFocus(int key)
{
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isTypedCharacterAllowed(QChar c)
{
    return isAsciiDigit(c) || c == u'.' || c == u'\b';
}

}

bool accepts(int key, const QString &typed, Qt::KeyboardModifiers modifiers, bool documentOpen)
{
    if (movesFocus(key))
        return true;
    if (!documentOpen)
        return false;
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        return true;
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier))
        return true;
    if (typed.isEmpty())
        return true;
    return typed.size() == 1 && isTypedCharacterAllowed(typed.front());
}

QString filled(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("925") : text;
}

QString limited(const QString &text, int limit)
{
    return value(text) > limit ? QString::number(limit) : text;
}

double value(const QString &text)
{
    qsizetype end = 0;
    bool point = false;
    while (end < text.size()
        && (isAsciiDigit(text[end]) || (text[end] == u'.' && !std::exchange(point, true))))
        ++end;
    return text.left(end).toDouble();
}

double outerTwips(const QString &text)
{
    return value(text) * Twips::PerPixel + CanvasLayout::BorderTwips;
}

}

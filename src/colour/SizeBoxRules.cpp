#include "colour/SizeBoxRules.h"

#include "base/Twips.h"
#include "document/CanvasLayout.h"

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

bool takesTheSize(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}

bool accepts(const TypedKey &key, bool documentOpen)
{
    if (movesFocus(key.key) || takesTheSize(key.key))
        return true;
    return documentOpen && NumberKeys::accepts(key);
}

bool appliesOnFocusLoss(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
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

#include "base/NumberKeys.h"

namespace NumberKeys {

bool isNumberCharacter(QChar c)
{
    return (c >= u'0' && c <= u'9') || c == u'.' || c == u'\b';
}

bool accepts(const TypedKey &key)
{
    if (key.modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return true;
    if (key.text.size() != 1 || !key.text.front().isPrint())
        return true;
    return isNumberCharacter(key.text.front());
}

}

#include "tools/ui/NumberBox.h"

#include "base/NumberKeys.h"
#include "widgets/DigitsOnlyFilter.h"

NumberBox::NumberBox(const QString &name, const QString &toolTip, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setToolTip(toolTip);
    setAlignment(Qt::AlignCenter);
    filterNumberKeys(this, NumberKeys::accepts);
}

#include "document/ui/DigitsOnlyFilter.h"

#include "document/DigitsOnly.h"

#include <QLineEdit>

void keepDigitsOnly(QLineEdit *box)
{
    QObject::connect(box, &QLineEdit::textChanged, box, [box](const QString &text) {
        const QString digits = DigitsOnly(text);
        if (digits != text)
            box->setText(digits);
    });
}

#include "widgets/DigitsOnlyFilter.h"

#include "base/DigitsOnly.h"

#include <QLineEdit>

void keepDigitsOnly(QLineEdit *box)
{
    // Only what the user types is filtered: the program's own read-outs may
    // carry a fraction ("64.66667") that filtering would turn into a wrong number.
    QObject::connect(box, &QLineEdit::textEdited, box, [box](const QString &text) {
        const QString digits = DigitsOnly(text);
        if (digits != text)
            box->setText(digits);
    });
}

#include "widgets/DigitsOnlyFilter.h"

#include "base/DigitsOnly.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class NumberKeyFilter : public QObject
{
public:
    NumberKeyFilter(NumberKeyRule accepts, QObject *parent)
        : QObject(parent)
        , m_accepts(std::move(accepts))
    { }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *key = static_cast<QKeyEvent *>(event);
        return !m_accepts(TypedKey { key->key(), key->text(), key->modifiers() });
    }

private:
    NumberKeyRule m_accepts;
};

}

void filterNumberKeys(QLineEdit *box, NumberKeyRule accepts)
{
    box->installEventFilter(new NumberKeyFilter(std::move(accepts), box));
}

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

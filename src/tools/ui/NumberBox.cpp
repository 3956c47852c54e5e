#include "tools/ui/NumberBox.h"

#include "tools/NumberBoxRules.h"

#include <QKeyEvent>

NumberBox::NumberBox(const QString &name, const QString &toolTip, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setToolTip(toolTip);
    setAlignment(Qt::AlignCenter);
}

void NumberBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    // Shortcuts (copy, paste, undo) type control characters and stay usable.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (!shortcut && typed.size() == 1 && typed[0].isPrint()
        && !NumberBoxRules::acceptsKey(typed[0])) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

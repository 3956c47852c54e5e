#include "app/ui/SubWindowShortcuts.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QShortcut>

namespace SubWindowShortcuts {

namespace {

QList<QKeySequence> without(const QList<QKeySequence> &keys, const QList<QKeySequence> &taken)
{
    QList<QKeySequence> kept;
    for (const QKeySequence &key : keys) {
        if (!taken.contains(key))
            kept.append(key);
    }
    return kept;
}

}

void dropClashes(QMdiSubWindow &window, const QList<QKeySequence> &taken)
{
    QList<QAction *> commands = window.actions();
    if (QMenu *menu = window.systemMenu())
        commands += menu->actions();
    for (QAction *command : commands) {
        const QList<QKeySequence> kept = without(command->shortcuts(), taken);
        if (kept != command->shortcuts())
            command->setShortcuts(kept);
    }
    for (QShortcut *shortcut : window.findChildren<QShortcut *>()) {
        const QList<QKeySequence> kept = without(shortcut->keys(), taken);
        if (kept != shortcut->keys())
            shortcut->setKeys(kept);
    }
}

}

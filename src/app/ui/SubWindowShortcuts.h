#pragma once

#include <QKeySequence>
#include <QList>

class QMdiSubWindow;

// The document windows' own commands (the system menu of each sub-window:
// restore, move, size, minimise, maximise, close) come with keys of their own.
// Where one of those keys is also a menu command's, Qt finds two commands on
// one key and runs neither ("Ambiguous shortcut overload"), so the menus win.
namespace SubWindowShortcuts {

// Removes every key in `taken` from the sub-window's own commands; their
// other keys stay.
void dropClashes(QMdiSubWindow &window, const QList<QKeySequence> &taken);

}

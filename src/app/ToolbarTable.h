#pragma once

#include <QString>

#include <vector>

// One button of the main toolbar. A click runs `command`, the object name of the
// menu item whose handler the button shares.
struct ToolbarButton
{
    QString key;
    QString tooltip;
    QString imageKey;
    QString command;
    int group = 0;
};

namespace ToolbarTable {

// The 24 buttons in order, in eight groups numbered 1..8.
const std::vector<ToolbarButton> &buttons();

// The button with this key; nullptr for a key not in the table.
const ToolbarButton *find(const QString &key);

// The command a click on `key` runs; empty for a key not in the table.
QString commandFor(const QString &key);

// Resource path of a button's icon.
QString iconPath(const ToolbarButton &button);

}

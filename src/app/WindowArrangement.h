#pragma once

#include <QRect>
#include <QString>

#include <vector>

// How the document windows are laid out (`hArrange`).
namespace WindowArrangement {

enum Mode : int {
    Cascade = 0,
    Stacked = 1, // one above the other, full width ("纵向排列")
    SideBySide = 2, // next to each other, full height ("横向排列")
    Icons = 3, // minimised windows in a row along the bottom
    None = 4, // windows open in the work area and stay where they are put
};

bool isValid(int mode);

// The menu item and the toolbar button that show `mode` as current; the
// toolbar has no button for Icons.
QString menuItemFor(int mode);
QString toolbarKeyFor(int mode);

// Whether a window-menu item carries the check mark / a toolbar button shows
// pressed while `current` is the arrangement. Items and keys that are not
// arrangement controls are never checked.
bool isMenuItemChecked(const QString &itemName, int current);
bool isButtonPressed(const QString &key, int current);

// Rectangles for `count` windows sharing `area`; the last window takes what
// integer division leaves over so that together they cover the area exactly.
std::vector<QRect> stacked(const QRect &area, int count);
std::vector<QRect> sideBySide(const QRect &area, int count);

// Cascade: window i stands `step` further down and right than window i-1,
// and all share one size, the area less the offsets of the windows after the
// first, so the last window ends in the area's bottom-right corner and every
// title bar shows. A window is never smaller than half the area: when more
// windows would make it so, the cascade starts again at the top left.
std::vector<QRect> cascade(const QRect &area, int count, const QSize &step);
// How many windows one run of the cascade holds before it starts again.
int cascadeRunLength(const QRect &area, const QSize &step);

// Positions of `count` minimised windows of `iconSize`, left to right along the
// bottom of `area`, starting a new row above when a row is full.
std::vector<QPoint> iconRow(const QRect &area, const QSize &iconSize, int count);

}

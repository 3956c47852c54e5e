#include "app/WindowArrangement.h"

#include <algorithm>

namespace WindowArrangement {

bool isValid(int mode)
{
    return mode >= Cascade && mode <= None;
}

QString menuItemFor(int mode)
{
    switch (mode) {
    case Cascade:
        return QStringLiteral("mnuWindowCascade");
    case Stacked:
        return QStringLiteral("mnuWindowTileVertical");
    case SideBySide:
        return QStringLiteral("mnuWindowTileHorizontal");
    case Icons:
        return QStringLiteral("mnuWindowArrangeIcons");
    case None:
        return QStringLiteral("mnuWindowmax");
    }
    return {};
}

QString toolbarKeyFor(int mode)
{
    switch (mode) {
    case Cascade:
        return QStringLiteral("层叠排列");
    case Stacked:
        return QStringLiteral("纵向排列");
    case SideBySide:
        return QStringLiteral("横向排列");
    case None:
        return QStringLiteral("最大化");
    }
    return {};
}

bool isMenuItemChecked(const QString &itemName, int current)
{
    return !itemName.isEmpty() && itemName == menuItemFor(current);
}

bool isButtonPressed(const QString &key, int current)
{
    return !key.isEmpty() && key == toolbarKeyFor(current);
}

namespace {

// Splits `length` into `count` parts; the last part takes the remainder.
std::vector<std::pair<int, int>> split(int start, int length, int count)
{
    std::vector<std::pair<int, int>> parts;
    const int part = std::max(1, length / count);
    for (int i = 0; i < count; ++i) {
        const int from = start + i * part;
        const int size = i == count - 1 ? std::max(1, start + length - from) : part;
        parts.emplace_back(from, size);
    }
    return parts;
}

}

std::vector<QRect> stacked(const QRect &area, int count)
{
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    for (auto [top, height] : split(area.top(), area.height(), count))
        rects.emplace_back(area.left(), top, area.width(), height);
    return rects;
}

std::vector<QRect> sideBySide(const QRect &area, int count)
{
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    for (auto [left, width] : split(area.left(), area.width(), count))
        rects.emplace_back(left, area.top(), width, area.height());
    return rects;
}

std::vector<QPoint> iconRow(const QRect &area, const QSize &iconSize, int count)
{
    std::vector<QPoint> points;
    const int w = std::max(1, iconSize.width());
    const int h = std::max(1, iconSize.height());
    const int perRow = std::max(1, area.width() / w);
    for (int i = 0; i < count; ++i) {
        const int row = i / perRow;
        const int column = i % perRow;
        points.emplace_back(area.left() + column * w, area.top() + area.height() - (row + 1) * h);
    }
    return points;
}

}

#include "app/WindowArrangement.h"

#include <algorithm>
#include <limits>

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

int cascadeRunLength(const QRect &area, const QSize &step)
{
    // Offsets that still leave each window half the area, in each direction.
    const auto fits = [](int length, int offset) {
        return offset <= 0 ? std::numeric_limits<int>::max() : std::max(0, length / 2) / offset;
    };
    const int offsets
        = std::min(fits(area.width(), step.width()), fits(area.height(), step.height()));
    return offsets == std::numeric_limits<int>::max() ? offsets : offsets + 1;
}

std::vector<QRect> cascade(const QRect &area, int count, const QSize &step)
{
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    const int run = std::min(count, cascadeRunLength(area, step));
    const QSize size(std::max(1, area.width() - (run - 1) * step.width()),
        std::max(1, area.height() - (run - 1) * step.height()));
    for (int i = 0; i < count; ++i) {
        const int place = i % run;
        rects.emplace_back(
            area.topLeft() + QPoint(place * step.width(), place * step.height()), size);
    }
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

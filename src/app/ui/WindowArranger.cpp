#include "app/ui/WindowArranger.h"

#include "app/WindowArrangement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStyle>
#include <QStyleOptionTitleBar>

#include <algorithm>

namespace WindowArranger {

namespace {

QList<QMdiSubWindow *> shown(const QList<QMdiSubWindow *> &windows, bool minimised)
{
    QList<QMdiSubWindow *> result;
    for (QMdiSubWindow *window : windows) {
        if (window->isMinimized() == minimised)
            result.append(window);
    }
    return result;
}

void tile(const QList<QMdiSubWindow *> &windows, const std::vector<QRect> &rects)
{
    for (qsizetype i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(rects[size_t(i)]);
    }
}

// Each window one title bar further down and right than the one before, the
// active window last so that it stands on top and whole. Qt's own cascade
// takes each window's size hint, which leaves document windows a bare title
// bar.
void cascade(QMdiArea &area, QList<QMdiSubWindow *> windows)
{
    if (windows.isEmpty())
        return;
    QMdiSubWindow *active = area.activeSubWindow();
    if (windows.removeOne(active))
        windows.append(active);
    const auto rects = WindowArrangement::cascade(
        workArea(area), int(windows.size()), cascadeStep(*windows.first()));
    tile(windows, rects);
    for (QMdiSubWindow *window : windows)
        window->raise();
}

void arrangeIcons(QMdiArea &area, const QList<QMdiSubWindow *> &windows)
{
    const QList<QMdiSubWindow *> icons = shown(windows, true);
    if (icons.isEmpty())
        return;
    const QSize iconSize = icons.first()->size();
    const auto points = WindowArrangement::iconRow(workArea(area), iconSize, int(icons.size()));
    for (qsizetype i = 0; i < icons.size(); ++i)
        icons[i]->move(points[size_t(i)]);
}

}

QSize cascadeStep(const QMdiSubWindow &window)
{
    QStyleOptionTitleBar option;
    option.initFrom(&window);
    const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, &window);
    const int frame
        = window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int offset = std::max(1, titleBar + frame);
    return QSize(offset, offset);
}

QRect workArea(const QMdiArea &area)
{
    return area.viewport()->rect();
}

void arrange(QMdiArea &area, const QList<QMdiSubWindow *> &windows, int mode)
{
    const QList<QMdiSubWindow *> normal = shown(windows, false);
    switch (mode) {
    case WindowArrangement::Cascade:
        cascade(area, normal);
        break;
    case WindowArrangement::Stacked:
        tile(normal, WindowArrangement::stacked(workArea(area), int(normal.size())));
        break;
    case WindowArrangement::SideBySide:
        tile(normal, WindowArrangement::sideBySide(workArea(area), int(normal.size())));
        break;
    case WindowArrangement::Icons:
        arrangeIcons(area, windows);
        break;
    default:
        break;
    }
}

void fillWorkArea(QMdiArea &area, const QList<QMdiSubWindow *> &windows)
{
    for (QMdiSubWindow *window : windows) {
        if (window->isMaximized() || window->isMinimized())
            window->showNormal();
        window->setGeometry(workArea(area));
    }
}

}

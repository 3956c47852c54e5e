#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QMdiArea;
class QMdiSubWindow;

// Lays the document windows out in the work area as an arrangement mode says.
namespace WindowArranger {

// How far each window of a cascade stands from the one before: its title bar
// and frame.
QSize cascadeStep(const QMdiSubWindow &window);

// The rectangle in which document windows open while nothing is arranged.
QRect workArea(const QMdiArea &area);

// `windows` in the order of the window list.
void arrange(QMdiArea &area, const QList<QMdiSubWindow *> &windows, int mode);

// Every window to the work area, in list order.
void fillWorkArea(QMdiArea &area, const QList<QMdiSubWindow *> &windows);

}

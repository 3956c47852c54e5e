#include "widgets/GradientWell.h"

#include <QMouseEvent>
#include <QPainter>

GradientWell::GradientWell(const QString &name, const QString &toolTip, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(name);
    setToolTip(toolTip);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void GradientWell::setColour(ColourValue colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void GradientWell::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), Colour::toQColor(m_colour));
    painter.end();
    QFrame::paintEvent(event);
}

void GradientWell::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
}

#include "colour/ui/ColourWell.h"

#include <QMouseEvent>
#include <QPainter>

ColourWell::ColourWell(const QString &name, const QString &tooltip, QSize size, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    if (!tooltip.isEmpty())
        setToolTip(tooltip);
    setFixedSize(size);
}

void ColourWell::setColour(ColourValue colour)
{
    if (colour == m_colour)
        return;
    m_colour = colour;
    update();
}

void ColourWell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Colour::toQColor(m_colour));
    // A sunken frame: dark above and left, light below and right, so white
    // and black cells both keep a visible edge.
    const QRect r = rect().adjusted(0, 0, -1, -1);
    painter.setPen(QColor(96, 96, 96));
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(QColor(224, 224, 224));
    painter.drawLine(r.bottomLeft() + QPoint(1, 0), r.bottomRight());
    painter.drawLine(r.topRight() + QPoint(0, 1), r.bottomRight());
}

void ColourWell::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_doubleClicked = false;
}

void ColourWell::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool click
        = m_pressed && !m_doubleClicked && rect().contains(event->position().toPoint());
    m_pressed = false;
    m_doubleClicked = false;
    if (click)
        emit clicked();
}

void ColourWell::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = true;
    m_doubleClicked = true;
    emit doubleClicked();
}

#include "colour/ui/ColourWell.h"

#include <QPainter>

ColourWell::ColourWell(const QString &name, const QString &tooltip, QWidget *parent)
    : QWidget(parent)
{
    setObjectName(name);
    setToolTip(tooltip);
    setFixedSize(28, 28);
}

void ColourWell::setColour(ColourValue colour)
{
    m_colour = colour;
    update();
}

void ColourWell::setTarget(bool target)
{
    m_target = target;
    update();
}

void ColourWell::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QColor colour(Colour::red(m_colour), Colour::green(m_colour), Colour::blue(m_colour));
    painter.fillRect(rect(), colour);
    painter.setPen(QColor(Qt::black));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_target) {
        // The well a palette click fills is outlined twice, so the mark shows
        // on any colour.
        painter.setPen(QColor(Qt::white));
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
        painter.setPen(QPen(QColor(Qt::black), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

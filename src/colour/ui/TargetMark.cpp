#include "colour/ui/TargetMark.h"

#include <QPainter>

TargetMark::TargetMark(const QString &name, Tone tone, int inset, QWidget *parent)
    : QWidget(parent)
    , m_tone(tone)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(parent->rect().adjusted(inset, inset, -inset, -inset));
}

void TargetMark::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(m_tone == Tone::Dark ? QColor(Qt::black) : QColor(Qt::white));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

#pragma once

#include "colour/ColourValue.h"

#include <QWidget>

// A small framed box showing one colour; the colour window's wells.
class ColourWell : public QWidget
{
    Q_OBJECT
public:
    ColourWell(const QString &name, const QString &tooltip, QWidget *parent = nullptr);

    ColourValue colour() const { return m_colour; }
    void setColour(ColourValue colour);
    void setTarget(bool target);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ColourValue m_colour = 0;
    bool m_target = false;
};

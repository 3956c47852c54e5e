#pragma once

#include "base/ColourValue.h"

#include <QFrame>

// A gradient colour well, the palette's or the gradient fill dialog's: shows
// its colour; a double click asks for a new one.
class GradientWell : public QFrame
{
    Q_OBJECT
public:
    GradientWell(const QString &name, const QString &toolTip, QWidget *parent = nullptr);

    ColourValue colour() const { return m_colour; }
    void setColour(ColourValue colour);

signals:
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    ColourValue m_colour = 0;
};

#pragma once

#include "base/ColourValue.h"

#include <QWidget>

// A small framed box showing one colour: the colour window's three wells and
// its palette cells. A left click and a double click are reported; the click
// that ends a double click is not reported again.
class ColourWell : public QWidget
{
    Q_OBJECT
public:
    ColourWell(const QString &name, const QString &tooltip, QSize size, QWidget *parent = nullptr);

    ColourValue colour() const { return m_colour; }
    void setColour(ColourValue colour);

signals:
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    ColourValue m_colour = 0;
    bool m_pressed = false;
    bool m_doubleClicked = false;
};

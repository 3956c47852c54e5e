#pragma once

#include <QImage>
#include <QObject>
#include <QPointF>
#include <QRegion>

// The radius of an arc or sector being set: the guide lines `Line1` (black)
// and `Line2` (white) from the centre (X1, Y1) to the radius end (X2, Y2),
// the blinking that `Timer2` drives, and the angles of the sweep. Like the
// rubber band it is an overlay: views draw the lines over the picture, which
// never holds them, and `changed` names only the lines' pixels.
class RadiusGuide : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    QPointF first() const { return m_first; }
    QPointF second() const { return m_second; }
    bool line1Visible() const { return m_line1; }
    bool line2Visible() const { return m_line2; }
    // Timer2 is enabled.
    bool blinking() const { return m_blinking; }

    // Both ends at `at`; Line1 shown, Line2 hidden, blinking.
    void start(const QPointF &at);
    void setSecond(const QPointF &at);
    // Timer2 disabled and both lines hidden.
    void hide();
    // One tick of Timer2: each line's visibility is inverted.
    void blink();

    // The polar angles of the fixed radius and of the pointer (radians).
    double hArcStartAngle = 0;
    double hArcEndAngle = 0;

    // The pixels of the line, whether shown or not.
    QRegion linePixels() const;
    // Draws the shown lines onto `pixels`, whose top-left is canvas pixel `origin`.
    void composeOnto(QImage &pixels, const QPoint &origin) const;

signals:
    void changed(const QRegion &pixels);
    void blinkingChanged(bool on);

private:
    template <typename Change> void update(Change change);

    QPointF m_first;
    QPointF m_second;
    bool m_line1 = false;
    bool m_line2 = false;
    bool m_blinking = false;
};

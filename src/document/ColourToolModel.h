#pragma once

#include "base/ColourValue.h"

#include <QObject>
#include <QString>

// What the colour window holds: the three colour wells, which well a palette
// click fills, and the texts of its read-outs. Every part of the program reads
// the pen, drawing/fill and background colours from here.
class ColourToolModel : public QObject
{
    Q_OBJECT
public:
    explicit ColourToolModel(QObject *parent = nullptr);

    // Pen colour (`PictureForecolor`), drawing and fill colour
    // (`PictureFillColor`), background colour for canvases (`Picturebackcolor`).
    ColourValue PictureForecolor() const { return m_pen; }
    ColourValue PictureFillColor() const { return m_fill; }
    ColourValue Picturebackcolor() const { return m_background; }
    void setPictureForecolor(ColourValue c);
    void setPictureFillColor(ColourValue c);
    void setPicturebackcolor(ColourValue c);

    // The well a palette click fills: 1 pen, 2 fill, 3 background. `Frame1`'s
    // tag holds it as text.
    int paletteTarget() const { return m_target; }
    QString Frame1Tag() const { return QString::number(m_target); }
    void setPaletteTarget(int target);
    // The target marks: `Shape1`/`Shape2` outline well 1, `Shape3`/`Shape4`
    // well 2, `Shape5`/`Shape6` well 3; only the target's pair shows.
    bool ShapeVisible(int shape) const { return shape >= 1 && (shape + 1) / 2 == m_target; }

    // Read-outs: pointer position (`Text1`) and picture size in pixels (`TextX`, `TextY`).
    QString Text1() const { return m_text1; }
    QString TextX() const { return m_textX; }
    QString TextY() const { return m_textY; }
    void setText1(const QString &text);
    void setTextX(const QString &text);
    void setTextY(const QString &text);

signals:
    void wellsChanged();
    void readoutsChanged();

private:
    ColourValue m_pen = Colour::fromRgb(0, 0, 0);
    ColourValue m_fill = Colour::fromRgb(0, 0, 0);
    ColourValue m_background = Colour::fromRgb(255, 255, 255);
    int m_target = 2;
    QString m_text1;
    QString m_textX = QStringLiteral("925");
    QString m_textY = QStringLiteral("519");
};

#pragma once

#include "base/ColourValue.h"
#include "raster/GradientPlan.h"

#include <QString>

#include <optional>

// What the gradient fill dialog paints with: one of six kinds, its own start
// and end colours, the band width and the direction angle, and the rules of
// its boxes. Lengths are in twips.
class GradientFillSettings
{
public:
    // 1 and 2 concentric ellipses, 3 and 4 concentric rectangles, 5 and 6
    // parallel lines at an angle; odd kinds run one way, even kinds there and back.
    static constexpr int KindCount = 6;

    int GradientKind() const { return m_kind; }
    // Kinds outside 1..6 are ignored.
    void SetGradientKind(int kind);
    bool angleBoxEnabled() const { return m_kind > 4; }
    bool widthBoxEnabled() const { return m_kind < 5; }

    // The colours a run uses, and what the wells show: the wells start a
    // little lighter than the colours until the user picks one.
    ColourValue startColour() const { return m_start; }
    ColourValue endColour() const { return m_end; }
    ColourValue hstartPicture() const { return m_startWell; }
    ColourValue hendPicture() const { return m_endWell; }
    void chooseStartColour(ColourValue colour);
    void chooseEndColour(ColourValue colour);

    QString hwidthText() const { return m_widthText; }
    QString hcornerText() const { return m_angleText; }
    double angle() const { return m_angle; }
    // The boxes' change rules; each returns the repaired text, which the box
    // shows. `selectionWidth` is the floating selection's width in twips, or
    // nothing when there is no selection: then the width is not capped.
    QString setWidthText(const QString &text, std::optional<double> selectionWidth);
    QString setAngleText(const QString &text);

    // The gradient a run paints over a selection of the given size (twips).
    GradientPlan planFor(double selectionWidth, double selectionHeight) const;
    // The line width of the kind's outlines, given the palette's width.
    int lineWidthFor(int paletteWidth) const;

private:
    int m_kind = 1;
    ColourValue m_start = Colour::fromRgb(239, 239, 239);
    ColourValue m_end = Colour::fromRgb(127, 127, 127);
    ColourValue m_startWell = Colour::fromRgb(224, 224, 224);
    ColourValue m_endWell = Colour::fromRgb(128, 128, 128);
    QString m_widthText = QStringLiteral("0");
    QString m_angleText = QStringLiteral("0");
    double m_angle = 0;
};

namespace GradientFillRules {

// The band width box: digits only, empty gives "0", and a width above half
// the selection's width becomes that half, in whole twips (the box holds
// digits only, so the half of an odd width rounds down).
QString widthText(const QString &text, std::optional<double> selectionWidth);
// The angle box: digits only, empty or 180 and above give "0".
QString angleText(const QString &text);

}

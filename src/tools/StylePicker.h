#pragma once

#include "tools/PickerSamples.h"

#include <QString>

#include <vector>

// The sets of style pickers that one setter highlights together: the two line
// families, and the fill pickers (1-8) and frame pickers (9-15) of the box,
// ellipse and sector families.
enum class PickerSet {
    Line, // Pictureline1..6: SetLineStyle
    GradientLine, // Pictureline01..06: SetGradientLineStyle
    BoxFill, // Picturebox1..8: SetBoxFillStyle
    BoxFrame, // Picturebox9..15: SetBoxFrameStyle
    EllipseFill, // Picturecircle1..8: SetEllipseFillStyle
    EllipseFrame, // Picturecircle9..15: SetEllipseFrameStyle
    SectorFill, // Picturehu1..8: SetArcFillStyle
    SectorFrame, // Picturehu9..15: SetArcFrameStyle
};

// What a set's style is: fills set FillStyle, lines and frames DrawStyle.
enum class StyleKind { Fill, Draw };

// One picker, by its set and the number in its name (Picturebox12 is
// {BoxFrame, 12}, Pictureline03 is {GradientLine, 3}).
struct StylePicker
{
    PickerSet set = PickerSet::Line;
    int number = 1;

    bool operator==(const StylePicker &) const = default;

    QString objectName() const;
    QString toolTip() const;
    // The style a click on it chooses.
    int style() const;
    // How its sample is drawn, and in which style.
    PickerSamples::Family sampleFamily() const;
};

namespace StylePickers {

inline constexpr int SetCount = 8;

StyleKind kindOf(PickerSet set);
std::vector<StylePicker> of(PickerSet set);
// Every picker of the palette, set by set.
const std::vector<StylePicker> &all();
// The number of the picker of the set that shows this style, 0 when none
// does (lines have no invisible style).
int numberShowing(PickerSet set, int style);

}

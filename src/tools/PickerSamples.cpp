#include "tools/PickerSamples.h"

#include "raster/PictureSurface.h"

namespace PickerSamples {

namespace {

// Sample geometry in twips, on a picker of about 720 x 210 twips.
constexpr double LineLeft = 90;
constexpr double LineLength = 540;
constexpr double LineY = 157;
constexpr double GradientLineY = 80;
constexpr double FrameY = 97;
constexpr double BoxTop = 10;
constexpr double BoxHeight = 175;
constexpr double EllipseX = 350, EllipseY = 97, EllipseRadius = 300, EllipseAspect = 0.28;
constexpr double PieX = 630, PieY = 97, PieRadius = 540;
constexpr double PieStart = 50.24 / 17, PieEnd = 56.52 / 17;

}

void draw(PictureSurface &picker, Family family, int style, ColourValue pen, ColourValue drawing)
{
    pen = visibleOnPalette(pen);
    drawing = visibleOnPalette(drawing);
    picker.setBackColor(PaletteGrey);
    picker.setDrawMode(RasterOp::R2_COPYPEN);
    picker.setDrawWidth(1);
    picker.setForeColor(pen);
    picker.setFillColor(drawing);
    switch (family) {
    case Family::Line:
    case Family::GradientLine: {
        const double y = family == Family::Line ? LineY : GradientLineY;
        picker.setDrawStyle(style);
        picker.Line(LineLeft, y, LineLeft + LineLength, y, drawing);
        break;
    }
    case Family::Frame:
        picker.setDrawStyle(style);
        picker.Line(LineLeft, FrameY, LineLeft + LineLength, FrameY);
        break;
    case Family::BoxFill:
        picker.setDrawStyle(0);
        picker.setFillStyle(style);
        picker.Line(LineLeft, BoxTop, LineLeft + LineLength, BoxTop + BoxHeight, std::nullopt,
            LineShape::Box);
        break;
    case Family::EllipseFill:
        picker.setDrawStyle(0);
        picker.setFillStyle(style);
        picker.Circle(EllipseX, EllipseY, EllipseRadius, std::nullopt, std::nullopt, EllipseAspect);
        break;
    case Family::SectorFill:
        picker.setDrawStyle(0);
        picker.setFillStyle(style);
        picker.Circle(PieX, PieY, PieRadius, std::nullopt, ArcAngles { -PieStart, -PieEnd });
        break;
    }
}

}

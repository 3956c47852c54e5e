#pragma once

#include "raster/FigureRasterizer.h"

#include <QImage>
#include <QRect>

#include <vector>

struct ArcWedge;
struct GradientPlan;

// The one-pass painters of each gradient shape. Each writes, for every pixel
// that steps [begin, end) of the plan would draw, the pixel value of the last
// of those steps that draws it (`pixels[i]` is step begin + i's), and returns
// the rectangle it wrote in. Only for pens whose result does not depend on
// what lies below.
namespace GradientPasses {

// `wedge`: only the pixels in these directions from the centre (arcs).
QRect rings(QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen,
    const std::vector<quint32> &pixels, const ArcWedge *wedge = nullptr);
QRect boxes(QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen,
    const std::vector<quint32> &pixels);
// Arcs take the draw mode and work out each step's pixel value themselves.
QRect arcs(
    QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen, int drawMode);
QRect segments(QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen,
    const std::vector<quint32> &pixels);

}

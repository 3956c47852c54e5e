#include "raster/GradientReference.h"

#include "raster/GradientPlan.h"
#include "raster/PictureSurface.h"

#include <algorithm>

namespace GradientReference {

void paint(PictureSurface &surface, const GradientPlan &plan, int begin, int end)
{
    end = std::min(end, plan.count());
    for (int i = std::max(begin, 0); i < end; ++i) {
        if (plan.shape == GradientPlan::Shape::Arcs) {
            const size_t rings = plan.steps.size();
            const GradientPlan::ArcPiece &piece = plan.pieces[size_t(i) / rings];
            surface.Circle(plan.cx, plan.cy, plan.steps[size_t(i) % rings].x1, plan.colourOf(i),
                ArcAngles { piece.start, piece.end });
            continue;
        }
        const GradientPlan::Step &s = plan.steps[size_t(i)];
        switch (plan.shape) {
        case GradientPlan::Shape::Rings:
            surface.Circle(plan.cx, plan.cy, s.x1, s.colour, std::nullopt, plan.aspect);
            break;
        case GradientPlan::Shape::Boxes:
            surface.Line(s.x1, s.y1, s.x2, s.y2, s.colour, LineShape::Box);
            break;
        case GradientPlan::Shape::Segments:
            surface.Line(s.x1, s.y1, s.x2, s.y2, s.colour);
            break;
        case GradientPlan::Shape::Arcs:
            break;
        }
    }
}

}

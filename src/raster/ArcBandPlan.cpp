// The band of a circle between two radii, painted as concentric arcs that
// change colour outwards (radial), or cut along the sweep into pieces one
// twip long on the outer radius, each drawn at every ring in its own colour.
#include "raster/GradientColour.h"
#include "raster/GradientPlan.h"

#include <algorithm>
#include <climits>
#include <numbers>

namespace {

constexpr double Turn = 2 * std::numbers::pi;

template <typename Visit> void countUp(double from, double to, Visit visit)
{
    for (double k = 0; from + k <= to; ++k)
        visit(from + k);
}

// The pieces of a clockwise sweep from `from` to `to`, each `delta` long and
// ending at `from`, `from` - delta, ...; none runs past `to`. A sweep whose
// end is not below its start passes east: down to 0 first, then down from a
// full turn. `visit` gets each piece's upper angle and its number.
template <typename Visit> void sweepPieces(double from, double to, double delta, Visit visit)
{
    int k = 0;
    auto run = [&](double top, double bottom) {
        for (double j = 0; top - j * delta - delta >= bottom; ++j)
            visit(top - j * delta, k++);
    };
    if (to < from) {
        run(from, to);
        return;
    }
    run(from, 0);
    run(Turn, to);
}

double progress(double distance, double length)
{
    return length != 0 ? distance / length : 0.0;
}

}

int GradientPlan::count() const
{
    if (shape != Shape::Arcs)
        return int(steps.size());
    return int(std::min<qint64>(qint64(steps.size()) * qint64(pieces.size()), INT_MAX));
}

ColourValue GradientPlan::colourOf(int step) const
{
    if (shape != Shape::Arcs)
        return steps[size_t(step)].colour;
    const size_t rings = steps.size();
    return coloursByPiece ? pieces[size_t(step) / rings].colour
                          : steps[size_t(step) % rings].colour;
}

GradientPlan GradientPlan::arcBand(double cx, double cy, double radius, double start, double end,
    const GradientRun &run, ArcKind kind)
{
    GradientPlan plan;
    plan.shape = Shape::Arcs;
    plan.cx = cx;
    plan.cy = cy;
    if (!(radius > 0))
        return plan;
    const double r = radius;
    const double w = run.bandWidth;
    const double f = (w != 0 && r > w) ? r - w : 1;
    auto ring = [&plan](double rho, ColourValue colour) {
        plan.steps.push_back({ rho, 0, 0, 0, colour });
    };
    if (kind == ArcKind::Radial) {
        // Every ring runs the whole sweep: counter-clockwise from end to start.
        plan.pieces.push_back({ end, start, 0 });
        if (run.form == GradientForm::OneWay) {
            countUp(f, r, [&](double rho) {
                ring(rho, GradientColour::mix(run.start, run.end, progress(rho - f, r - f)));
            });
            return plan;
        }
        const double half = (r - f) / 2, middle = (f + r) / 2;
        countUp(f, middle, [&](double rho) {
            ring(rho, GradientColour::mix(run.start, run.end, progress(rho - f, half)));
        });
        countUp(middle, r, [&](double rho) {
            ring(rho, GradientColour::mix(run.end, run.start, progress(rho - middle, half)));
        });
        return plan;
    }
    countUp(f, r, [&](double rho) { ring(rho, 0); });
    plan.coloursByPiece = true;
    const double delta = 1 / r;
    const double total = end < start ? start - end : start + Turn - end;
    auto piece = [&](double upper, ColourValue colour) {
        plan.pieces.push_back({ upper - delta, upper, colour });
    };
    if (run.form == GradientForm::OneWay) {
        sweepPieces(start, end, delta, [&](double upper, int k) {
            piece(upper, GradientColour::mix(run.start, run.end, progress(k / r, total)));
        });
        return plan;
    }
    double middle = std::fmod(start - total / 2, Turn);
    if (middle < 0)
        middle += Turn;
    sweepPieces(start, middle, delta, [&](double upper, int k) {
        piece(upper, GradientColour::mix(run.start, run.end, progress(k / r, total / 2)));
    });
    sweepPieces(middle, end, delta, [&](double upper, int k) {
        piece(upper, GradientColour::mix(run.end, run.start, progress(k / r, total / 2)));
    });
    return plan;
}

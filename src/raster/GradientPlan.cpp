#include "raster/GradientPlan.h"

#include "raster/GradientColour.h"

#include <algorithm>
#include <cmath>

namespace {

// Progress along a run of `length`; a run of no length stays at its start.
double progress(double distance, double length)
{
    return length != 0 ? distance / length : 0.0;
}

// The values from `from` towards `to` (inclusive) in steps of one twip, as
// the drawing loops count them.
template <typename Visit> void countUp(double from, double to, Visit visit)
{
    for (double k = 0; from + k <= to; ++k)
        visit(from + k);
}

template <typename Visit> void countDown(double from, double to, Visit visit)
{
    for (double k = 0; from - k >= to; ++k)
        visit(from - k);
}

double pi()
{
    return 4 * std::atan(1.0);
}

}

GradientPlan GradientPlan::ellipse(const GradientBox &box, const GradientRun &run)
{
    GradientPlan plan;
    plan.shape = Shape::Rings;
    const double w = box.width(), h = box.height();
    if (w <= 0 || h <= 0)
        return plan;
    plan.cx = (box.left + box.right) / 2;
    plan.cy = (box.top + box.bottom) / 2;
    plan.aspect = h / w;
    const double outer = w >= h ? w / 2 : h / 2;
    double first = (run.bandWidth != 0 && outer > run.bandWidth) ? outer - run.bandWidth
                                                                 : run.innermostRadius;
    if (first == 0)
        first = 1;
    auto ring = [&plan](double radius, ColourValue colour) {
        plan.steps.push_back({ radius, 0, 0, 0, colour });
    };
    if (run.form == GradientForm::OneWay) {
        countUp(first, outer, [&](double i) {
            ring(i, GradientColour::mix(run.start, run.end, progress(i - first, outer - first)));
        });
        return plan;
    }
    const double half = (outer - first) / 2;
    const double middle = (first + outer) / 2;
    countUp(first, middle, [&](double i) {
        ring(i, GradientColour::mix(run.start, run.end, progress(i - first, half)));
    });
    countUp(middle, outer, [&](double i) {
        ring(i, GradientColour::mix(run.end, run.start, progress(i - middle, half)));
    });
    return plan;
}

GradientPlan GradientPlan::insideOutRectangle(const GradientBox &box, const GradientRun &run)
{
    GradientPlan plan;
    plan.shape = Shape::Boxes;
    const double w = box.width(), h = box.height();
    if (w <= 0 || h <= 0)
        return plan;
    // Steps go along the longer side; `along` is the position on it, from
    // the inner edge out to the near side of the box.
    const bool acrossX = w >= h;
    const double nearSide = acrossX ? box.left : box.top;
    const double centre = acrossX ? (box.left + box.right) / 2 : (box.top + box.bottom) / 2;
    const double halfSide = (acrossX ? w : h) / 2;
    const double inner
        = (run.bandWidth != 0 && halfSide > run.bandWidth) ? nearSide + run.bandWidth : centre;
    auto outline = [&](double along, ColourValue colour) {
        if (acrossX) {
            const double k = (along - box.left) * h / w;
            plan.steps.push_back(
                { along, box.bottom - k, 2 * centre - along, box.top + k, colour });
        } else {
            const double k = (along - box.top) * w / h;
            plan.steps.push_back(
                { box.right - k, along, box.left + k, 2 * centre - along, colour });
        }
    };
    const double band = inner - nearSide;
    if (run.form == GradientForm::OneWay) {
        countDown(inner, nearSide, [&](double a) {
            outline(a, GradientColour::mix(run.start, run.end, progress(inner - a, band)));
        });
        return plan;
    }
    const double middle = (inner + nearSide) / 2;
    countDown(inner, middle, [&](double a) {
        outline(a, GradientColour::mix(run.start, run.end, progress(inner - a, band / 2)));
    });
    countDown(middle, nearSide, [&](double a) {
        outline(a, GradientColour::mix(run.end, run.start, progress(middle - a, band / 2)));
    });
    return plan;
}

namespace {

// The colour at progress t of a directional run; the two-way form turns at
// the middle of the axis.
ColourValue directionalColour(const GradientRun &run, double t)
{
    if (run.form == GradientForm::OneWay)
        return GradientColour::mix(run.start, run.end, t);
    if (t < 0.5)
        return GradientColour::mix(run.start, run.end, t / 0.5);
    return GradientColour::mix(run.end, run.start, (t - 0.5) / 0.5);
}

// Lines across the box along one axis (theta 0: columns, theta 90: rows).
void straightLines(GradientPlan &plan, const GradientBox &box, const GradientRun &run, bool columns)
{
    const double from = columns ? box.left : box.top;
    const double to = columns ? box.right : box.bottom;
    const double length = to - from;
    plan.steps.reserve(size_t(std::max(length, 0.0)) + 3);
    auto line = [&](double at, ColourValue colour) {
        if (columns)
            plan.steps.push_back({ at, box.top, at, box.bottom, colour });
        else
            plan.steps.push_back({ box.left, at, box.right, at, colour });
    };
    if (run.form == GradientForm::OneWay) {
        countUp(from, to, [&](double at) {
            line(at, GradientColour::mix(run.start, run.end, progress(at - from, length)));
        });
        return;
    }
    const double middle = from + length / 2;
    countUp(from, middle, [&](double at) {
        line(at, GradientColour::mix(run.start, run.end, progress(at - from, length / 2)));
    });
    countUp(middle, to, [&](double at) {
        line(at, GradientColour::mix(run.end, run.start, progress(at - middle, length / 2)));
    });
}

}

GradientPlan GradientPlan::directionalRectangle(
    const GradientBox &box, const GradientRun &run, double degrees)
{
    GradientPlan plan;
    plan.shape = Shape::Segments;
    const double w = box.width(), h = box.height();
    if (w <= 0 || h <= 0)
        return plan;
    if (!(degrees > 0 && degrees < 180)) {
        straightLines(plan, box, run, true);
        return plan;
    }
    if (degrees == 90) {
        straightLines(plan, box, run, false);
        return plan;
    }
    const double theta = degrees * pi() / 180;
    const double tangent = std::tan(theta);
    const double slope = std::fabs(tangent);
    const double sine = std::sin(theta);
    const double cosine = std::fabs(std::cos(theta));
    const double axis = w * cosine + h * sine;
    plan.steps.reserve(size_t(w + h) + 4);
    auto segment = [&](double x, double y, double dx, double dy, double t) {
        plan.steps.push_back({ x, y, x + dx, y + dy, directionalColour(run, t) });
    };
    if (degrees > 90) {
        // Start colour at the top-left corner; lines run up and to the right.
        countUp(box.top, box.bottom, [&](double y) {
            const double t = (y - box.top) * sine / axis;
            if (slope * (y - box.top) < w)
                segment(box.left, y, slope * (y - box.top), box.top - y, t);
            else
                segment(box.left, y, w, w / tangent, t);
        });
        countUp(box.left, box.right, [&](double x) {
            const double t = (h * sine + (x - box.left) * cosine) / axis;
            if (slope * h < box.right - x)
                segment(x, box.bottom, slope * h, -h, t);
            else
                segment(x, box.bottom, box.right - x, (box.right - x) / tangent, t);
        });
        return plan;
    }
    // Start colour at the bottom-left corner; lines run down and to the right.
    countDown(box.bottom, box.top, [&](double y) {
        const double t = (box.bottom - y) * sine / axis;
        if (tangent * (box.bottom - y) < w)
            segment(box.left, y, tangent * (box.bottom - y), box.bottom - y, t);
        else
            segment(box.left, y, w, w / tangent, t);
    });
    countUp(box.left, box.right, [&](double x) {
        const double t = (h * sine + (x - box.left) * cosine) / axis;
        if (tangent * h < box.right - x)
            segment(x, box.top, tangent * h, h, t);
        else
            segment(x, box.top, box.right - x, (box.right - x) / tangent, t);
    });
    return plan;
}

#include "raster/TextGradientPlan.h"

#include "raster/GradientColour.h"
#include "raster/PictureSurface.h"

#include <cmath>

namespace {

// A strip is one pixel of 15 twips; stepping a twip at a time, the last
// strip starts 14 twips before the far edge.
constexpr double StripEnd = 14;
// A rectangle's inset stops 7 twips short of the middle.
constexpr double InsetEnd = 7;

// The run's ratios divide by its length less a strip, which is 0 for a buffer
// exactly 14 twips across (or 28 for the return half of a two-way strip run):
// that single step takes the colour its half of the run starts with.
double ratio(double part, double whole)
{
    return whole == 0 ? 0 : part / whole;
}

struct Colours
{
    GradientForm form;
    ColourValue start;
    ColourValue end;
};

// Step i of a strip run over `length` twips (the steps are 0 .. length - 14).
ColourValue stripColour(const Colours &c, double i, double length)
{
    if (c.form == GradientForm::OneWay)
        return GradientColour::mix(c.start, c.end, ratio(i, length - StripEnd));
    const double half = length / 2;
    if (i < half)
        return GradientColour::mix(c.start, c.end, ratio(i, half));
    return GradientColour::mix(c.end, c.start, ratio(i - half, half - StripEnd));
}

// Step i of a rectangle run of `run` + 1 steps; both ways turns back at the
// middle of the run, M = run / 2.
ColourValue insetColour(const Colours &c, double i, double run)
{
    if (c.form == GradientForm::OneWay)
        return GradientColour::mix(c.start, c.end, ratio(i, run));
    const double turn = run / 2;
    if (i <= turn)
        return GradientColour::mix(c.start, c.end, ratio(i, turn));
    return GradientColour::mix(c.end, c.start, ratio(i - turn, turn));
}

void addStrips(TextGradientPlan &plan, double width, double height, bool across, const Colours &c)
{
    const double length = across ? width : height;
    for (double i = 0; i <= length - StripEnd; ++i) {
        const ColourValue colour = stripColour(c, i, length);
        if (across)
            plan.steps.push_back({ i, 0, 15, height, colour });
        else
            plan.steps.push_back({ 0, i, width, 15, colour });
    }
}

// Steps along the longer side a twip at a time; the shorter side's inset
// keeps pace so that every rectangle reaches the middle together.
void addRectangles(TextGradientPlan &plan, double width, double height, const Colours &c)
{
    const bool wide = width > height;
    const double run = (wide ? width : height) / 2 - InsetEnd;
    const double shortRun = (wide ? height : width) / 2 - InsetEnd;
    for (double i = 0; i <= run; ++i) {
        const double k = run == 0 ? 0 : i * shortRun / run;
        const double x = wide ? i : k;
        const double y = wide ? k : i;
        plan.steps.push_back({ x, y, width - 2 * x, height - 2 * y, insetColour(c, i, run) });
    }
}

}

TextGradientPlan TextGradientPlan::plain(double width, double height, ColourValue colour)
{
    TextGradientPlan plan;
    plan.steps.push_back({ 0, 0, width, height, colour });
    return plan;
}

TextGradientPlan TextGradientPlan::gradient(double width, double height, GradientForm form,
    double direction, ColourValue start, ColourValue end)
{
    TextGradientPlan plan;
    // No buffer is larger than the largest surface; this also keeps the
    // loops finite for sizes that are not numbers.
    constexpr double Largest = PictureSurface::MaxSide * 15.0;
    if (!(std::abs(width) <= Largest && std::abs(height) <= Largest))
        return plan;
    const Colours colours { form, start, end };
    if (direction == 0 || direction == 90)
        addStrips(plan, width, height, direction == 0, colours);
    else
        addRectangles(plan, width, height, colours);
    return plan;
}

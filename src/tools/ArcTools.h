#pragma once

#include "raster/PictureSurface.h"
#include "tools/CanvasTool.h"

#include <optional>

// Tools 8 (arc), 10 (sector) and 14 (gradient arc and sector) draw part of a
// circle in two drags. The first sets the radius from the centre, shown by
// the blinking guide lines; once released the radius stays fixed, and the
// next drag sweeps clockwise from it to the pointer's direction, previewed
// as the XOR figure, and paints on release. The radius and the angles live
// in the document, so a radius fixed with one of the three tools can be
// finished with another.
class TwoPhaseArcTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;

protected:
    // The figure from the fixed radius clockwise to hArcEndAngle: its
    // preview, and the figure itself.
    virtual PictureSurface::Figure preview(CanvasToolHost &host) const;
    virtual void paint(CanvasToolHost &host) const = 0;
    // The sector shows the sweep as soon as the sweep begins.
    virtual bool showsSweepOnPress() const { return false; }

    static double radius(CanvasToolHost &host);
    // An angle passed with a radius line: -a, and -2 pi for 0.
    static double withRadiusLine(double angle);
    static bool fullTurn(CanvasToolHost &host);

private:
    void showRadiusAngle(CanvasToolHost &host) const;
    void showSweep(CanvasToolHost &host, double x, double y) const;
    void aimAt(CanvasToolHost &host, double x, double y) const;
    void snapshotCircle(CanvasToolHost &host) const;
};

class ArcTool : public TwoPhaseArcTool
{
protected:
    void paint(CanvasToolHost &host) const override;
};

class SectorTool : public TwoPhaseArcTool
{
protected:
    PictureSurface::Figure preview(CanvasToolHost &host) const override;
    void paint(CanvasToolHost &host) const override;
    bool showsSweepOnPress() const override { return true; }
};

class GradientArcTool : public TwoPhaseArcTool
{
protected:
    void paint(CanvasToolHost &host) const override;
};

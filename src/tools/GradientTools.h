#pragma once

#include "raster/GradientPlan.h"
#include "tools/CanvasTool.h"

// Tools 11, 12 and 13: a box dragged out like the plain figures, previewed as
// the solid figure in XOR, and on release painted with a gradient in the
// palette's colours, kind, band width and angle, read at that moment.
class GradientFigureTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;

protected:
    virtual bool previewsBox() const { return true; }
    virtual GradientPlan planFor(const GradientBox &box, const CanvasToolHost &host) const = 0;

private:
    void showPreview(CanvasToolHost &host, double x, double y) const;
};

class GradientEllipseTool : public GradientFigureTool
{
protected:
    bool previewsBox() const override { return false; }
    GradientPlan planFor(const GradientBox &box, const CanvasToolHost &host) const override;
};

class GradientInsideOutTool : public GradientFigureTool
{
protected:
    GradientPlan planFor(const GradientBox &box, const CanvasToolHost &host) const override;
};

class GradientAngleTool : public GradientFigureTool
{
protected:
    GradientPlan planFor(const GradientBox &box, const CanvasToolHost &host) const override;
};

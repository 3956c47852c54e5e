#pragma once

#include "tools/CanvasTool.h"

// Tool 5: connected lines. Each segment is a press, drag and release from the
// anchor; the next segment starts where the last one ended, and a double
// click ends the polyline. The whole polyline is one undo step.
class PolylineTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;
    void doubleClick(CanvasToolHost &host) override;
};

// Tool 6: a freehand stroke, a chain of straight segments between the
// pointer's move events, drawn as it goes.
class FreehandTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;
};

// Tool 7: a dot of the line width at every move event's point.
class StarPointsTool : public CanvasTool
{
public:
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;
};

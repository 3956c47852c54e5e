#pragma once

#include "tools/CanvasTool.h"

#include <QString>

// The region tool: a press puts a floating selection down and starts a
// marquee, moves drag it out, the release lifts the pixels under it. Every
// press on the canvas commits, even right after the last release, so each
// click is one undo step.
class SelectRegionTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;
};

// The scale tool: a press enlarges the whole picture three times, or reduces
// an enlarged one back; the line width follows (3, then 1).
class ScaleTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;

    // Told when the enlarged picture would pass what a surface may hold.
    static QString tooLargeMessage();
};

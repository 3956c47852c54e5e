#pragma once

class CanvasToolHost;

// One tool's steps in the canvas's pointer handlers. The handlers (CanvasTools)
// do the common part first: which buttons count, the undo snapshot or the
// figure box on press, the draw mode on release, the last handled position.
class CanvasTool
{
public:
    virtual ~CanvasTool() = default;
    virtual void press(CanvasToolHost &, double /*x*/, double /*y*/) { }
    virtual void move(CanvasToolHost &, double /*x*/, double /*y*/) { }
    virtual void release(CanvasToolHost &, double /*x*/, double /*y*/) { }
    virtual void doubleClick(CanvasToolHost &) { }
};

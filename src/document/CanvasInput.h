#pragma once

#include <Qt>

// A pointer event on a canvas as the tools receive it: the position in canvas
// twips (origin at the drawing's top-left, inside the border), the buttons and
// the modifier keys. Tools never see widgets or toolkit events.
struct CanvasMouse
{
    double x = 0;
    double y = 0;
    Qt::MouseButton button = Qt::NoButton; // the button that changed, for press and release
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// Receives a canvas's pointer events; the drawing tools implement it.
class CanvasInput
{
public:
    virtual ~CanvasInput() = default;
    virtual void mouseDown(const CanvasMouse &event) = 0;
    virtual void mouseMove(const CanvasMouse &event) = 0;
    virtual void mouseUp(const CanvasMouse &event) = 0;
    // The second click of a double click comes here instead of mouseDown.
    virtual void doubleClick(const CanvasMouse &) { }
    // The Edit menu that a right press popped up has closed; `held` are the
    // buttons down now. A menu grabs the pointer while it is open, so a left
    // release in that time never reached the canvas.
    virtual void editMenuClosed(Qt::MouseButtons /*held*/) { }
};

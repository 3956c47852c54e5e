#pragma once

#include <Qt>

// A pointer event on a canvas as the tools receive it: the position in
// canvas twips, the button that changed (press and release) and the buttons
// held. Tools never see widgets or toolkit events.
struct PointerEvent
{
    double x = 0;
    double y = 0;
    Qt::MouseButton button = Qt::NoButton;
    Qt::MouseButtons buttons;
};

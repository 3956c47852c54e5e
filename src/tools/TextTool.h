#pragma once

#include "tools/CanvasTool.h"

// The text tool (code 9): a left press puts the document's text box at the
// point, text and all, and makes the point the canvas's print position.
class TextTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
};

#pragma once

#include "document/CanvasInput.h"
#include "tools/CanvasTool.h"

#include <QString>

#include <map>
#include <memory>

class CanvasToolHost;

// The canvas's three pointer handlers and its double click: the common
// skeleton (left button only, the button state during a drag, the position
// read-out, the right-button menu) and the dispatch on the tool code.
class CanvasTools : public CanvasInput
{
public:
    explicit CanvasTools(CanvasToolHost &host);
    ~CanvasTools() override;

    void mouseDown(const CanvasMouse &event) override;
    void mouseMove(const CanvasMouse &event) override;
    void mouseUp(const CanvasMouse &event) override;
    void doubleClick(const CanvasMouse &event) override;

    // The read-out of a canvas point in pixels: "120  45" for (1800, 675) twips.
    static QString pointerText(double x, double y);

    // Shared procedures of the figure tools.
    static void BeginRubberBand(CanvasToolHost &host, double x, double y);
    // Grows the figure box by the release point, widens it by a pixel, clips
    // it to the canvas and takes the undo snapshot of it.
    static void SnapshotFigureArea(CanvasToolHost &host, double x, double y);

private:
    CanvasTool *toolFor(int code) const;

    CanvasToolHost &m_host;
    std::map<int, std::unique_ptr<CanvasTool>> m_tools;
};

#pragma once

#include "document/CanvasInput.h"
#include "tools/CanvasTool.h"

#include <QPointF>
#include <QString>

#include <map>
#include <memory>
#include <optional>

class CanvasToolHost;

// The canvas's three pointer handlers and its double click: the common
// skeleton (left button only, the button state during a drag, the position
// read-out, the right-button menu) and the dispatch on the tool code.
//
// A right press during a drag pops the Edit menu up, which takes the pointer
// while it is open. The figure under way survives it: it keeps its anchor,
// the drag goes on if the left button is still down when the menu closes,
// and a left release the menu took finishes it at its last point.
class CanvasTools : public CanvasInput
{
public:
    explicit CanvasTools(CanvasToolHost &host);
    ~CanvasTools() override;

    void mouseDown(const CanvasMouse &event) override;
    void mouseMove(const CanvasMouse &event) override;
    void mouseUp(const CanvasMouse &event) override;
    void doubleClick(const CanvasMouse &event) override;
    void editMenuClosed(Qt::MouseButtons held) override;

    // The read-out of a canvas point in pixels: "120  45" for (1800, 675) twips.
    static QString pointerText(double x, double y);

    // Shared procedures of the figure tools.
    static void BeginRubberBand(CanvasToolHost &host, double x, double y);
    // Grows the figure box by the anchor and the release point, widens it by
    // a pixel, clips it to the canvas and takes the undo snapshot of it.
    static void SnapshotFigureArea(CanvasToolHost &host, double x, double y);
    // The canvas draws in the user's draw mode again (after a rubber band).
    static void ApplyUserDrawMode(CanvasToolHost &host);

private:
    CanvasTool *toolFor(int code) const;
    void rightPress(const CanvasMouse &event);
    void leftPress(const CanvasMouse &event);
    void leftRelease(double x, double y);
    void resumeDrag();

    CanvasToolHost &m_host;
    std::map<int, std::unique_ptr<CanvasTool>> m_tools;
    // A left press on this canvas whose release has not come yet.
    bool m_dragging = false;
    // The figure's anchor while a right press during the drag has moved it.
    std::optional<QPointF> m_figureAnchor;
    // The tool of the last left press: only a polyline's own next segment
    // continues its stroke.
    int m_pressedTool = 0;
};

#include "tools/CanvasTools.h"

#include "document/FigureAnchors.h"
#include "raster/PictureSurface.h"
#include "tools/ArcTools.h"
#include "tools/CanvasToolHost.h"
#include "tools/FigureTools.h"
#include "tools/GradientTools.h"
#include "tools/PointerTools.h"
#include "tools/SelectionTools.h"
#include "tools/TextTool.h"
#include "tools/ToolCode.h"

namespace {

constexpr double OnePixel = 15;

}

CanvasTools::CanvasTools(CanvasToolHost &host)
    : m_host(host)
{
    m_tools[ToolCode::SelectRegion] = std::make_unique<SelectRegionTool>();
    m_tools[ToolCode::ScaleImage] = std::make_unique<ScaleTool>();
    m_tools[ToolCode::Line] = std::make_unique<LineTool>();
    m_tools[ToolCode::Ellipse] = std::make_unique<EllipseTool>();
    m_tools[ToolCode::Rectangle] = std::make_unique<RectangleTool>();
    m_tools[ToolCode::Polyline] = std::make_unique<PolylineTool>();
    m_tools[ToolCode::Freehand] = std::make_unique<FreehandTool>();
    m_tools[ToolCode::StarPoints] = std::make_unique<StarPointsTool>();
    m_tools[ToolCode::GradientEllipse] = std::make_unique<GradientEllipseTool>();
    m_tools[ToolCode::GradientRectangleInsideOut] = std::make_unique<GradientInsideOutTool>();
    m_tools[ToolCode::GradientRectangle] = std::make_unique<GradientAngleTool>();
    m_tools[ToolCode::Arc] = std::make_unique<ArcTool>();
    m_tools[ToolCode::Sector] = std::make_unique<SectorTool>();
    m_tools[ToolCode::GradientArcSector] = std::make_unique<GradientArcTool>();
    m_tools[ToolCode::Text] = std::make_unique<TextTool>();
}

CanvasTools::~CanvasTools() = default;

CanvasTool *CanvasTools::toolFor(int code) const
{
    static CanvasTool idle;
    const auto it = m_tools.find(code);
    return it == m_tools.end() ? &idle : it->second.get();
}

void CanvasTools::mouseDown(const CanvasMouse &event)
{
    if (event.button == Qt::RightButton) {
        rightPress(event);
        return;
    }
    if (event.button != Qt::LeftButton)
        return;
    // A release the canvas never saw (a menu took it) ends the figure at its
    // last point before the next one begins.
    if (m_dragging)
        leftRelease(m_host.anchors().hLastX, m_host.anchors().hLastY);
    leftPress(event);
}

void CanvasTools::rightPress(const CanvasMouse &event)
{
    FigureAnchors &a = m_host.anchors();
    // The anchor is where Paste puts the clipboard; no figure starts. A figure
    // being dragged gets its own anchor back when the drag goes on.
    if (m_dragging && !m_figureAnchor)
        m_figureAnchor = QPointF(a.hStartx, a.hStarty);
    a.hStartx = event.x;
    a.hStarty = event.y;
    m_host.popUpEditMenu(event.x, event.y);
}

void CanvasTools::leftPress(const CanvasMouse &event)
{
    FigureAnchors &a = m_host.anchors();
    const int code = m_host.tool();
    // Segments join into one stroke only from one polyline segment to the
    // next; anything else starts afresh even where the last stroke ended.
    const bool nextSegment
        = code == ToolCode::Polyline && a.hPolylineStarted && m_pressedTool == code;
    if (!nextSegment)
        m_host.canvas().endStroke();
    m_pressedTool = code;
    m_dragging = true;
    if (ToolCode::usesFigureBox(code)) {
        a.growFigureBox(event.x, event.y);
    } else if ((code == ToolCode::Polyline && !a.hPolylineStarted) || code == ToolCode::Freehand
        || code == ToolCode::StarPoints) {
        m_host.TakeWholeCanvasSnapshot();
    }
    toolFor(code)->press(m_host, event.x, event.y);
}

void CanvasTools::mouseMove(const CanvasMouse &event)
{
    // Only a drag with the left button alone draws; with both buttons held
    // the moves are ignored until the right one is let go.
    if (event.buttons == Qt::LeftButton) {
        resumeDrag();
        toolFor(m_host.tool())->move(m_host, event.x, event.y);
        m_host.anchors().hLastX = event.x;
        m_host.anchors().hLastY = event.y;
    }
    m_host.showPointer(pointerText(event.x, event.y));
}

void CanvasTools::mouseUp(const CanvasMouse &event)
{
    if (event.button == Qt::LeftButton)
        leftRelease(event.x, event.y);
}

void CanvasTools::leftRelease(double x, double y)
{
    resumeDrag();
    m_dragging = false;
    ApplyUserDrawMode(m_host);
    toolFor(m_host.tool())->release(m_host, x, y);
}

void CanvasTools::resumeDrag()
{
    if (!m_figureAnchor)
        return;
    m_host.anchors().hStartx = m_figureAnchor->x();
    m_host.anchors().hStarty = m_figureAnchor->y();
    m_figureAnchor.reset();
}

void CanvasTools::editMenuClosed(Qt::MouseButtons held)
{
    if (!m_dragging)
        return;
    resumeDrag();
    // With the left button still down the drag goes on; a release the menu
    // swallowed finishes the figure where the pointer was last handled.
    if (!(held & Qt::LeftButton))
        leftRelease(m_host.anchors().hLastX, m_host.anchors().hLastY);
}

void CanvasTools::doubleClick(const CanvasMouse &event)
{
    // Only a left double click is one; for other buttons it is another press.
    if (event.button != Qt::LeftButton) {
        mouseDown(event);
        return;
    }
    if (m_host.tool() == ToolCode::Polyline)
        toolFor(ToolCode::Polyline)->doubleClick(m_host);
}

QString CanvasTools::pointerText(double x, double y)
{
    return QString::number(x / OnePixel, 'g', 7) + QStringLiteral("  ")
        + QString::number(y / OnePixel, 'g', 7);
}

void CanvasTools::BeginRubberBand(CanvasToolHost &host, double x, double y)
{
    FigureAnchors &a = host.anchors();
    a.hStartx = a.hLastX = x;
    a.hStarty = a.hLastY = y;
    host.canvas().setDrawMode(RasterOp::R2_XORPEN);
}

void CanvasTools::SnapshotFigureArea(CanvasToolHost &host, double x, double y)
{
    if (!ToolCode::usesFigureBox(host.tool()))
        return;
    FigureAnchors &a = host.anchors();
    // The anchor too: after a double click the drag began without a press.
    a.growFigureBox(a.hStartx, a.hStarty);
    a.growFigureBox(x, y);
    // A pixel of margin, and as much again as a wide pen reaches past the
    // figure's corners, so that undo takes all of the figure away.
    const double margin = (host.canvas().DrawWidth() / 2 + 1) * OnePixel;
    a.hMinX = std::max(0.0, a.hMinX - margin);
    a.hMinY = std::max(0.0, a.hMinY - margin);
    a.hMaxX = std::min(host.canvas().ScaleWidth(), a.hMaxX + margin);
    a.hMaxY = std::min(host.canvas().ScaleHeight(), a.hMaxY + margin);
    host.TakeUndoSnapshot(
        a.hMinX, a.hMinY, a.hMaxX - a.hMinX + OnePixel, a.hMaxY - a.hMinY + OnePixel);
}

void CanvasTools::ApplyUserDrawMode(CanvasToolHost &host)
{
    host.canvas().setDrawMode(host.userDrawMode());
}

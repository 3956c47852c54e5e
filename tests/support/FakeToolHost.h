#pragma once

#include "document/FigureAnchors.h"
#include "document/RadiusGuide.h"
#include "document/RubberBand.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "tools/CanvasToolHost.h"
#include "tools/CanvasTools.h"

#include <QRectF>

#include <vector>

// A document and its shared settings as the canvas tools see them, with the
// real canvas, history and rubber band, recording what the tools ask for.
class FakeToolHost : public CanvasToolHost
{
public:
    FakeToolHost(int width = 200, int height = 150)
        : surface(width, height)
    { }

    PictureSurface &canvas() override { return surface; }
    FigureAnchors &anchors() override { return figure; }
    RubberBand &rubberBand() override { return band; }
    int tool() const override { return hTool; }
    int userDrawMode() const override { return drawMode; }
    ColourValue drawingColour() const override { return colour; }
    void TakeUndoSnapshot(double x, double y, double w, double h) override
    {
        snapshots.push_back(QRectF(x, y, w, h));
        history.takeSnapshot(surface, x, y, w, h);
        figure.resetFigureBox();
    }
    void TakeWholeCanvasSnapshot() override
    {
        TakeUndoSnapshot(0, 0, surface.ScaleWidth(), surface.ScaleHeight());
    }
    void setDataChanged() override { dataChanged = true; }
    void showPointer(const QString &text) override { pointer = text; }
    void popUpEditMenu(double x, double y) override { menuAt.push_back(QPointF(x, y)); }
    RadiusGuide &radiusGuide() override { return guide; }
    std::optional<bool> &hBanJingOk() override { return radiusFixed; }
    int gradientOption() const override { return option; }
    GradientRun gradientRun() const override { return run; }
    void showAngle(const QString &caption, const QString &tag) override
    {
        labelC = caption;
        labelCTag = tag;
        shapeC = true;
    }
    QString angleTag() const override { return labelCTag; }
    void clearAngle() override
    {
        labelC.clear();
        labelCTag.clear();
        shapeC = false;
    }

    PictureSurface surface;
    UndoHistory history;
    FigureAnchors figure;
    RubberBand band;
    int hTool = 2;
    int drawMode = 13;
    ColourValue colour = 0x0000FF;
    std::vector<QRectF> snapshots;
    bool dataChanged = false;
    QString pointer;
    std::vector<QPointF> menuAt;
    RadiusGuide guide;
    std::optional<bool> radiusFixed;
    int option = 0;
    GradientRun run;
    QString labelC;
    QString labelCTag;
    bool shapeC = false;
};

// Drives the handlers as the canvas window would, positions in pixels.
class Pointer
{
public:
    explicit Pointer(CanvasTools &tools)
        : m_tools(tools)
    { }
    void press(double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        m_held |= b;
        m_tools.mouseDown({ x * 15, y * 15, b, m_held, {} });
    }
    void move(double x, double y)
    {
        m_tools.mouseMove({ x * 15, y * 15, Qt::NoButton, m_held, {} });
    }
    void release(double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        m_held &= ~Qt::MouseButtons(b);
        m_tools.mouseUp({ x * 15, y * 15, b, m_held, {} });
    }
    void doubleClick(double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        m_held |= b;
        m_tools.doubleClick({ x * 15, y * 15, b, m_held, {} });
    }
    // A popped-up menu takes the release of a button: the canvas never hears it.
    void releaseIntoMenu(Qt::MouseButton b) { m_held &= ~Qt::MouseButtons(b); }
    void menuCloses() { m_tools.editMenuClosed(m_held); }
    void drag(double x0, double y0, double x1, double y1)
    {
        press(x0, y0);
        move((x0 + x1) / 2, (y0 + y1) / 2);
        move(x1, y1);
        release(x1, y1);
    }

private:
    CanvasTools &m_tools;
    Qt::MouseButtons m_held;
};

#pragma once

#include "document/CanvasInput.h"
#include "tools/CanvasToolHost.h"
#include "tools/CanvasTools.h"

class Document;
class PaletteValues;
class ToolChooser;
class Workspace;

// A document's canvas input: the canvas tools drawing on that document, with
// the shared settings (tool, draw mode, colours, read-outs, the history of
// the active document) taken from the module.
class DocumentCanvasInput : public CanvasInput, private CanvasToolHost
{
public:
    // `palette` holds the line width box the scale tool sets and the band
    // width box; `chooser` the gradient kind. Either may be null.
    DocumentCanvasInput(Workspace &module, Document &document, PaletteValues *palette = nullptr,
        ToolChooser *chooser = nullptr);

    void mouseDown(const CanvasMouse &event) override { m_tools.mouseDown(event); }
    void mouseMove(const CanvasMouse &event) override { m_tools.mouseMove(event); }
    void mouseUp(const CanvasMouse &event) override { m_tools.mouseUp(event); }
    void doubleClick(const CanvasMouse &event) override { m_tools.doubleClick(event); }
    void editMenuClosed(Qt::MouseButtons held) override { m_tools.editMenuClosed(held); }

private:
    PictureSurface &canvas() override;
    FigureAnchors &anchors() override;
    RubberBand &rubberBand() override;
    int tool() const override;
    int userDrawMode() const override;
    ColourValue drawingColour() const override;
    void TakeUndoSnapshot(double x, double y, double width, double height) override;
    void TakeWholeCanvasSnapshot() override;
    void setDataChanged() override;
    void showPointer(const QString &text) override;
    void popUpEditMenu(double x, double y) override;
    Document *document() override { return &m_document; }
    bool commitSelection() override;
    void setLineWidthText(const QString &text) override;
    void tellUser(const QString &text) override;
    GradientRun gradientRun() const override;
    double gradientAngle() const override;
    RadiusGuide &radiusGuide() override;
    std::optional<bool> &hBanJingOk() override;
    int gradientOption() const override;
    void showAngle(const QString &caption, const QString &tag) override;
    QString angleTag() const override;
    void clearAngle() override;

    Workspace &m_module;
    Document &m_document;
    PaletteValues *m_palette = nullptr;
    ToolChooser *m_chooser = nullptr;
    CanvasTools m_tools;
};

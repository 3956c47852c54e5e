#include "tools/DocumentCanvasInput.h"

#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/Workspace.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "tools/PaletteValues.h"
#include "tools/ToolChooser.h"

DocumentCanvasInput::DocumentCanvasInput(
    Workspace &module, Document &document, PaletteValues *palette, ToolChooser *chooser)
    : m_module(module)
    , m_document(document)
    , m_palette(palette)
    , m_chooser(chooser)
    , m_tools(*this)
{ }

PictureSurface &DocumentCanvasInput::canvas()
{
    return m_document.Picture1();
}

FigureAnchors &DocumentCanvasInput::anchors()
{
    return m_document.anchors;
}

RubberBand &DocumentCanvasInput::rubberBand()
{
    return m_document.rubberBand();
}

int DocumentCanvasInput::tool() const
{
    return m_module.hTool;
}

int DocumentCanvasInput::userDrawMode() const
{
    return int(m_module.mnudrawmode().value());
}

ColourValue DocumentCanvasInput::drawingColour() const
{
    return m_module.colourTool().PictureFillColor();
}

void DocumentCanvasInput::TakeUndoSnapshot(double x, double y, double width, double height)
{
    // The stroke may end after another window became active (New pressed
    // while the button is held): the snapshot belongs to the picture drawn
    // on, and the active document stays the one whose window is shown active.
    m_module.TakeUndoSnapshot(m_document, x, y, width, height);
}

void DocumentCanvasInput::TakeWholeCanvasSnapshot()
{
    m_module.TakeWholeCanvasSnapshot(m_document);
}

void DocumentCanvasInput::setDataChanged()
{
    m_document.setDataChanged(true);
}

void DocumentCanvasInput::showPointer(const QString &text)
{
    m_module.colourTool().setText1(text);
}

void DocumentCanvasInput::popUpEditMenu(double x, double y)
{
    m_document.requestEditMenu(x, y);
}

bool DocumentCanvasInput::commitSelection()
{
    return m_module.commitSelection(m_document);
}

void DocumentCanvasInput::setLineWidthText(const QString &text)
{
    if (m_palette)
        m_palette->setText1(text);
}

void DocumentCanvasInput::tellUser(const QString &text)
{
    m_document.tellUser(text);
}

GradientRun DocumentCanvasInput::gradientRun() const
{
    GradientRun run;
    const Workspace &m = m_module;
    run.start = Colour::fromRgb(m.hStartRed, m.hStartGreen, m.hStartBlue);
    run.end = Colour::fromRgb(m.hEndRed, m.hEndGreen, m.hEndBlue);
    // hOptionDanJing selected: one way; otherwise there and back.
    const bool oneWay
        = !m_chooser || m_chooser->gradientOptions().selected() == GradientOptions::DanJing;
    run.form = oneWay ? GradientForm::OneWay : GradientForm::TwoWay;
    run.bandWidth = m_palette ? m_palette->hlinewidthText().toDouble() : 0.0;
    return run;
}

double DocumentCanvasInput::gradientAngle() const
{
    return m_module.hGradientAngle;
}

RadiusGuide &DocumentCanvasInput::radiusGuide()
{
    return m_document.radiusGuide();
}

std::optional<bool> &DocumentCanvasInput::hBanJingOk()
{
    return m_document.hBanJingOk;
}

int DocumentCanvasInput::gradientOption() const
{
    return m_chooser ? m_chooser->gradientOptions().selected() : GradientOptions::DanJing;
}

void DocumentCanvasInput::showAngle(const QString &caption, const QString &tag)
{
    if (m_chooser)
        m_chooser->showAngle(caption, tag);
}

QString DocumentCanvasInput::angleTag() const
{
    return m_chooser ? m_chooser->LabelCTag() : QString();
}

void DocumentCanvasInput::clearAngle()
{
    if (m_chooser)
        m_chooser->clearAngle();
}

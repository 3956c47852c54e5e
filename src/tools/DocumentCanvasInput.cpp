#include "tools/DocumentCanvasInput.h"

#include "colour/ColourToolModel.h"
#include "document/Document.h"
#include "document/ModuleMain.h"
#include "document/PictureSurface.h"
#include "history/UndoHistory.h"

DocumentCanvasInput::DocumentCanvasInput(ModuleMain &module, Document &document)
    : m_module(module)
    , m_document(document)
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
    // A press reaches a canvas whose window is already active; should one
    // arrive first anyway, the snapshot still goes to this document.
    if (m_module.ActiveEdit() != &m_document)
        m_module.activate(&m_document);
    m_module.TakeUndoSnapshot(x, y, width, height);
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

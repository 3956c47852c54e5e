#include "document/ModuleMain.h"

#include "app/WindowArrangement.h"
#include "colour/ColourCommands.h"
#include "colour/ColourToolModel.h"
#include "document/Document.h"
#include "document/PictureSurface.h"
#include "document/RasterOp.h"
#include "history/UndoHistory.h"
#include "tools/DocumentCanvasInput.h"
#include "tools/ToolPaletteModel.h"

namespace {

// Sizes are shown as single-precision numbers, so a fractional pixel count
// shows its fraction ("64.66667").
QString pixelText(double twips)
{
    return QString::number(double(float(twips / 15.0)), 'g', 7);
}

}

ModuleMain::ModuleMain()
    : m_drawMode(ModeMenu::drawModeMenu())
    , m_pasteMode(ModeMenu::pasteModeMenu())
    , m_colourTool(std::make_unique<ColourToolModel>())
    , m_colourCommands(std::make_unique<ColourCommands>(*this))
    , m_tools(std::make_unique<ToolPaletteModel>(*this))
{
    connect(this, &ModuleMain::paletteSamplesNeedRedraw, m_tools.get(),
        &ToolPaletteModel::redrawSamples);
}

ModuleMain::~ModuleMain() = default;

Document *ModuleMain::hEditList(int index) const
{
    if (index < 1 || index > hEditCount())
        return nullptr;
    return m_edits[size_t(index - 1)].get();
}

void ModuleMain::startUp()
{
    hArrange = WindowArrangement::None;
    m_drawMode.setValue(RasterOp::R2_COPYPEN);
    m_pasteMode.setValue(RasterOp::SRCCOPY);
    hTool = 1;
    emit commandsChanged();
}

Document *ModuleMain::NewPicture()
{
    if (hEditCount() >= MaxEdits)
        return nullptr;
    ++m_pictureCount;
    m_edits.push_back(std::make_unique<Document>());
    Document *document = m_edits.back().get();
    m_active = document;
    document->setTag(QString::number(hEditCount()));
    document->setInput(std::make_unique<DocumentCanvasInput>(*this, *document));
    document->setCaption(QStringLiteral("New Picture ") + QString::number(m_pictureCount));
    // A resized canvas shows its new size in the colour window.
    connect(document, &Document::canvasResized, this, [this, document] { showSizeOf(*document); });
    emit documentCreated(document);
    // Sizing the canvas to its window counted as a change; a new picture has none.
    document->setDataChanged(false);
    emit commandsChanged();
    return document;
}

void ModuleMain::activate(Document *document)
{
    if (!document)
        return;
    m_active = document;
    showSizeOf(*document);
    m_colourTool->setText1(QString());
    applyPenAndStyles(*document);
    document->Picture1().setDrawMode(int(m_drawMode.value()));
    emit commandsChanged();
}

void ModuleMain::showSizeOf(const Document &document)
{
    m_colourTool->setTextX(pixelText(document.ScaleWidth()));
    m_colourTool->setTextY(pixelText(document.ScaleHeight()));
}

void ModuleMain::applyPenAndStyles(Document &document)
{
    PictureSurface &canvas = document.Picture1();
    canvas.setForeColor(m_colourTool->PictureForecolor());
    canvas.setFillColor(m_colourTool->PictureFillColor());
    canvas.setFillStyle(hFillStyle.value_or(0));
    canvas.setDrawStyle(hDrawStyle.value_or(0));
    if (const auto width = m_tools->lineWidth())
        canvas.setDrawWidth(*width);
}

void ModuleMain::unload(Document *document)
{
    const auto found = std::find_if(m_edits.begin(), m_edits.end(),
        [document](const auto &edit) { return edit.get() == document; });
    if (found == m_edits.end())
        return;
    emit documentUnloading(document);
    // Keep the owner alive until every listener has let go of the document.
    std::unique_ptr<Document> closing = std::move(*found);
    m_edits.erase(found);
    for (int k = 1; k <= hEditCount(); ++k)
        m_edits[size_t(k - 1)]->setTag(QString::number(k));
    // Until the platform activates another window, the newest one stands in,
    // so no command is left pointing at a closed document.
    if (m_active == document)
        m_active = m_edits.empty() ? nullptr : m_edits.back().get();
    if (m_edits.empty()) {
        m_colourTool->setText1(QString());
        m_colourTool->setTextX(QStringLiteral("0"));
        m_colourTool->setTextY(QStringLiteral("0"));
    }
    emit commandsChanged();
}

void ModuleMain::SetDrawMode(int mode)
{
    if (!m_active)
        return;
    m_active->Picture1().setDrawMode(mode);
    m_drawMode.setValue(mode);
    emit commandsChanged();
}

void ModuleMain::SetPasteMode(double operation)
{
    if (!m_active)
        return;
    m_pasteMode.setValue(operation);
    emit commandsChanged();
}

bool ModuleMain::setArrangement(int mode)
{
    if (!m_active || !WindowArrangement::isValid(mode))
        return false;
    hArrange = mode;
    emit commandsChanged();
    return true;
}

void ModuleMain::ApplyCanvasSettings()
{
    if (!m_active)
        return;
    m_active->Picture1().setBackColor(m_colourTool->Picturebackcolor());
    applyPenAndStyles(*m_active);
}

void ModuleMain::TakeUndoSnapshot(double x, double y, double width, double height)
{
    if (!m_active)
        return;
    m_active->history().takeSnapshot(m_active->Picture1(), x, y, width, height);
    emit commandsChanged();
    m_active->resetFigureBox();
}

void ModuleMain::undo()
{
    if (!m_active || !m_active->history().canUndo())
        return;
    CancelSelection();
    CancelRadius();
    m_active->history().undo(m_active->Picture1());
    emit commandsChanged();
}

void ModuleMain::redo()
{
    if (!m_active || !m_active->history().canRedo())
        return;
    m_active->history().redo(m_active->Picture1());
    emit commandsChanged();
}

void ModuleMain::CancelSelection()
{
    if (m_active && m_active->cancelSelection())
        emit commandsChanged();
}

void ModuleMain::CancelRadius()
{
    if (m_active)
        m_active->cancelRadius();
}

void ModuleMain::ResetTextBox()
{
    if (m_active)
        emit textBoxReset(m_active);
}

CommandContext ModuleMain::commandContext() const
{
    CommandContext context;
    context.documentOpen = !m_edits.empty();
    if (m_active) {
        context.selection = m_active->hBoolSelect;
        context.canUndo = m_active->history().canUndo();
        context.canRedo = m_active->history().canRedo();
    }
    return context;
}

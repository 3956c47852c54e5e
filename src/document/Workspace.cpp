#include "document/Workspace.h"

#include "base/Twips.h"
#include "document/CanvasInput.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/PictureClipboard.h"
#include "document/TextBox.h"
#include "history/HistoryBudget.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"

#include <QTimer>

#include <algorithm>

namespace {

// Sizes are shown as single-precision numbers, so a fractional pixel count
// shows its fraction ("64.66667").
QString pixelText(double twips)
{
    return QString::number(double(float(twips / 15.0)), 'g', 7);
}

}

Workspace::Workspace()
    : m_historyBudget(std::make_unique<HistoryBudget>())
    , m_drawMode(ModeMenu::drawModeMenu())
    , m_pasteMode(ModeMenu::pasteModeMenu())
    , m_colourTool(std::make_unique<ColourToolModel>())
{
    // The text box is part of the document; the signals stay for the views
    // and for whoever else follows the pen colour.
    connect(this, &Workspace::hwordColourChanged, this,
        [](Document *document, ColourValue colour) { document->hword().setForeColor(colour); });
    connect(this, &Workspace::textBoxReset, this,
        [](Document *document) { document->hword().discard(); });
}

Workspace::~Workspace() = default;

Document *Workspace::hEditList(int index) const
{
    if (index < 1 || index > hEditCount())
        return nullptr;
    return m_edits[size_t(index - 1)].get();
}

std::unique_ptr<CanvasInput> Workspace::makeInput(Document &)
{
    return nullptr;
}

void Workspace::setEditLimit(int limit)
{
    m_editLimit = std::clamp(limit, 1, MaxEdits);
}

Document *Workspace::NewPicture()
{
    if (hEditCount() >= m_editLimit)
        return nullptr;
    ++m_pictureCount;
    m_edits.push_back(std::make_unique<Document>(*m_historyBudget));
    Document *document = m_edits.back().get();
    setActive(document);
    document->setTag(QString::number(hEditCount()));
    document->setInput(makeInput(*document));
    document->setCaption(QStringLiteral("New Picture ") + QString::number(m_pictureCount));
    // A resized canvas shows its new size in the colour window.
    connect(document, &Document::canvasResized, this, [this, document] { showSizeOf(*document); });
    // A selection lifted, pasted or dropped changes what the commands may do.
    connect(document, &Document::selectionChanged, this, &Workspace::commandsChanged);
    emit documentCreated(document);
    // Sizing the canvas to its window counted as a change; a new picture has none.
    document->setDataChanged(false);
    emit commandsChanged();
    return document;
}

void Workspace::activate(Document *document)
{
    if (!document)
        return;
    setActive(document);
    showSizeOf(*document);
    m_colourTool->setText1(QString());
    applyPenAndStyles(*document);
    document->Picture1().setDrawMode(int(m_drawMode.value()));
    emit hwordColourChanged(document, m_colourTool->PictureForecolor());
    emit commandsChanged();
}

void Workspace::setActive(Document *document)
{
    m_active = document;
    m_historyBudget->setActive(document ? &document->history() : nullptr);
}

void Workspace::showSizeOf(const Document &document)
{
    m_colourTool->setTextX(pixelText(document.ScaleWidth()));
    m_colourTool->setTextY(pixelText(document.ScaleHeight()));
}

void Workspace::applyPenAndStyles(Document &document)
{
    PictureSurface &canvas = document.Picture1();
    canvas.setForeColor(m_colourTool->PictureForecolor());
    canvas.setFillColor(m_colourTool->PictureFillColor());
    canvas.setFillStyle(hFillStyle.value_or(0));
    canvas.setDrawStyle(hDrawStyle.value_or(0));
}

void Workspace::unload(Document *document)
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
        setActive(m_edits.empty() ? nullptr : m_edits.back().get());
    if (m_edits.empty()) {
        m_colourTool->setText1(QString());
        m_colourTool->setTextX(QStringLiteral("0"));
        m_colourTool->setTextY(QStringLiteral("0"));
    }
    emit commandsChanged();
}

void Workspace::SetDrawMode(int mode)
{
    if (!m_active)
        return;
    m_active->Picture1().setDrawMode(mode);
    m_drawMode.setValue(mode);
    emit commandsChanged();
}

void Workspace::SetPasteMode(double operation)
{
    if (!m_active)
        return;
    m_pasteMode.setValue(operation);
    emit commandsChanged();
}

void Workspace::setModeTags(int drawMode, double pasteMode)
{
    m_drawMode.setValue(drawMode);
    m_pasteMode.setValue(pasteMode);
}

void Workspace::TakeUndoSnapshot(double x, double y, double width, double height)
{
    if (m_active)
        TakeUndoSnapshot(*m_active, x, y, width, height);
}

void Workspace::TakeUndoSnapshot(
    Document &document, double x, double y, double width, double height)
{
    document.history().takeSnapshot(document.Picture1(), x, y, width, height);
    emit commandsChanged();
    document.resetFigureBox();
}

void Workspace::TakeWholeCanvasSnapshot(Document &document)
{
    const PictureSurface &canvas = document.Picture1();
    TakeUndoSnapshot(document, 0, 0, canvas.ScaleWidth(), canvas.ScaleHeight());
}

void Workspace::undo()
{
    if (!m_active || !m_active->history().canUndo())
        return;
    CancelSelection();
    CancelRadius();
    m_active->history().undo(m_active->Picture1());
    emit commandsChanged();
}

void Workspace::redo()
{
    if (!m_active || !m_active->history().canRedo())
        return;
    // The radius was fixed on the picture redo replaces.
    CancelRadius();
    m_active->history().redo(m_active->Picture1());
    emit commandsChanged();
}

void Workspace::CancelSelection()
{
    if (m_active && m_active->cancelSelection())
        emit commandsChanged();
}

void Workspace::CancelRadius()
{
    if (m_active)
        m_active->cancelRadius();
}

void Workspace::ResetTextBox()
{
    if (m_active)
        emit textBoxReset(m_active);
}

namespace {

bool coversMostOfCanvas(const QRectF &step, const PictureSurface &canvas)
{
    const QRect pixels = Twips::toPixelRect(step) & canvas.pixelRect();
    const qint64 canvasArea = qint64(canvas.pixelWidth()) * canvas.pixelHeight();
    return 2 * qint64(pixels.width()) * pixels.height() >= canvasArea;
}

}

// Putting down a selection over most of the canvas rewrites the canvas into a
// fresh buffer (its pixels are then shared with the step), so the old buffer
// becomes the undo step without a copy; it is cut into shared tiles once the
// program is idle.
void Workspace::holdUndoSnapshot(Document &document, const QRectF &step)
{
    document.history().holdSnapshot(
        document.Picture1(), step.left(), step.top(), step.width(), step.height());
    emit commandsChanged();
    document.resetFigureBox();
    QTimer::singleShot(0, &document, [&document] { document.history().packHeldSnapshots(); });
}

bool Workspace::commitSelection(Document &document)
{
    if (!document.hBoolSelect)
        return false;
    const QRectF land = document.selectionLanding();
    constexpr double onePixel = Twips::PerPixel;
    const QRectF step(land.left(), land.top(), std::max(0.0, land.width() + onePixel),
        std::max(0.0, land.height() + onePixel));
    if (coversMostOfCanvas(step, document.Picture1()))
        holdUndoSnapshot(document, step);
    else
        TakeUndoSnapshot(document, step.left(), step.top(), step.width(), step.height());
    document.stampSelection(quint32(m_pasteMode.value()));
    document.cancelSelection();
    document.setDataChanged(true);
    emit commandsChanged();
    return true;
}

void Workspace::EditCopy(PictureClipboard &clipboard)
{
    if (!m_active || !m_active->hBoolSelect)
        return;
    clipboard.setImage(m_active->selection().picture().Image());
}

Workspace::PasteOutcome Workspace::EditPaste(const PictureClipboard &clipboard)
{
    if (!m_active)
        return PasteOutcome::Nothing;
    const QImage image = clipboard.image();
    if (image.isNull())
        return PasteOutcome::Nothing;
    if (!PictureSurface::sizeIsAllowed(image.width(), image.height()))
        return PasteOutcome::TooLarge;
    m_active->pasteSelection(image);
    emit commandsChanged();
    return PasteOutcome::Pasted;
}

void Workspace::EditSelectAll()
{
    if (!m_active)
        return;
    m_active->selectAll();
    emit commandsChanged();
}

void Workspace::EditClear()
{
    if (m_active)
        m_active->clearSelection(m_colourTool->PictureFillColor());
}

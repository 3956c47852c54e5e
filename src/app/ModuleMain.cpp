#include "app/ModuleMain.h"

#include "app/WindowArrangement.h"
#include "colour/ColourCommands.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/TextBox.h"
#include "effects/EffectCommands.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "raster/RasterOp.h"
#include "tools/DocumentCanvasInput.h"
#include "tools/ToolPaletteModel.h"

ModuleMain::ModuleMain()
    : m_colourCommands(std::make_unique<ColourCommands>(*this))
    , m_tools(std::make_unique<ToolPaletteModel>(*this))
    , m_effects(std::make_unique<EffectCommands>(*this))
{
    connect(this, &ModuleMain::paletteSamplesNeedRedraw, &m_tools->styles(),
        &PaletteStyles::redrawSamples);
}

ModuleMain::~ModuleMain() = default;

void ModuleMain::startUp()
{
    hArrange = WindowArrangement::None;
    setModeTags(RasterOp::R2_COPYPEN, RasterOp::SRCCOPY);
    hTool = 1;
    emit commandsChanged();
}

std::unique_ptr<CanvasInput> ModuleMain::makeInput(Document &document)
{
    return std::make_unique<DocumentCanvasInput>(
        *this, document, &m_tools->values(), &m_tools->chooser());
}

void ModuleMain::applyPenAndStyles(Document &document)
{
    Workspace::applyPenAndStyles(document);
    if (const auto width = m_tools->values().lineWidth())
        document.Picture1().setDrawWidth(*width);
}

bool ModuleMain::mayArrange(int mode) const
{
    return ActiveEdit() && WindowArrangement::isValid(mode);
}

bool ModuleMain::setArrangement(int mode)
{
    if (!mayArrange(mode))
        return false;
    hArrange = mode;
    emit commandsChanged();
    return true;
}

void ModuleMain::ApplyCanvasSettings()
{
    if (Document *active = ActiveEdit())
        ApplyCanvasSettings(*active);
}

void ModuleMain::ApplyCanvasSettings(Document &document)
{
    document.Picture1().setBackColor(colourTool().Picturebackcolor());
    applyPenAndStyles(document);
}

Document *ModuleMain::FileNew()
{
    // With no new picture there is nothing to set up: the settings go to the
    // new picture only, never to one already drawn on.
    Document *created = NewPicture();
    if (created)
        ApplyCanvasSettings(*created);
    return created;
}

CommandContext ModuleMain::commandContext() const
{
    CommandContext context;
    context.documentOpen = hEditCount() > 0;
    if (const Document *active = ActiveEdit()) {
        context.selection = active->hBoolSelect;
        context.canUndo = active->history().canUndo();
        context.canRedo = active->history().canRedo();
    }
    return context;
}

TextPaint ModuleMain::textPaint() const
{
    TextPaint paint;
    switch (m_tools->chooser().gradientOptions().selected()) {
    case GradientOptions::DanJing:
        paint.kind = TextPaint::Kind::Single;
        break;
    case GradientOptions::ShuangJing:
        paint.kind = TextPaint::Kind::Double;
        break;
    default:
        paint.kind = TextPaint::Kind::Plain;
    }
    // The box holds digits and points; an empty or unreadable one counts as 0.
    paint.direction = m_tools->values().hlinecornerText().toDouble();
    paint.start = Colour::fromRgb(hStartRed, hStartGreen, hStartBlue);
    paint.end = Colour::fromRgb(hEndRed, hEndGreen, hEndBlue);
    return paint;
}

void ModuleMain::commitText()
{
    if (Document *document = ActiveEdit())
        TextCommit::commit(*this, *document, textPaint());
}

void ModuleMain::applyTextFont(const QFont &chosen)
{
    Document *document = ActiveEdit();
    if (!document)
        return;
    QFont font(chosen.family());
    if (chosen.pointSizeF() > 0)
        font.setPointSizeF(chosen.pointSizeF());
    else if (chosen.pixelSize() > 0)
        font.setPixelSize(chosen.pixelSize());
    font.setBold(chosen.bold());
    font.setItalic(chosen.italic());
    font.setUnderline(chosen.underline());
    font.setStrikeOut(chosen.strikeOut());
    document->hword().setFont(font);
    document->Picture1().setFont(font);
}

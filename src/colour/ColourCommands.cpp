#include "colour/ColourCommands.h"

#include "colour/ColourPalette.h"
#include "colour/SizeBoxRules.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/Workspace.h"
#include "raster/PictureSurface.h"

ColourCommands::ColourCommands(Workspace &module)
    : m_module(module)
{ }

Document *ColourCommands::active() const
{
    return m_module.ActiveEdit();
}

void ColourCommands::SelectColourTarget(int n)
{
    m_module.colourTool().setPaletteTarget(n);
}

void ColourCommands::clickWell(int n)
{
    if (active())
        SelectColourTarget(n);
}

bool ColourCommands::canChooseColour() const
{
    return active() != nullptr;
}

QString ColourCommands::colourDialogTitle(int n)
{
    switch (n) {
    case Pen:
        return QStringLiteral("前景色");
    case Fill:
        return QStringLiteral("绘图色与填充色...");
    default:
        return QStringLiteral("背景色");
    }
}

void ColourCommands::ChooseColour(int n, ColourValue chosen)
{
    Document *document = active();
    if (!document)
        return;
    ColourToolModel &wells = m_module.colourTool();
    if (n == Pen) {
        wells.setPictureForecolor(chosen);
        ApplyPenColour();
    } else if (n == Fill) {
        wells.setPictureFillColor(chosen);
        ApplyFillColour();
    } else if (n == Background) {
        setBackground(*document, chosen);
    }
    SelectColourTarget(n);
}

void ColourCommands::ApplyPaletteColour(int index)
{
    Document *document = active();
    if (!document)
        return;
    const ColourValue colour = ColourPalette::PictureColor(index);
    ColourToolModel &wells = m_module.colourTool();
    if (wells.paletteTarget() == Pen) {
        wells.setPictureForecolor(colour);
        ApplyPenColour();
    } else if (wells.paletteTarget() == Fill) {
        wells.setPictureFillColor(colour);
        ApplyFillColour();
    } else {
        // From the palette a new background is an edit like any other: the
        // whole drawing it wipes out goes into the history first.
        m_module.TakeWholeCanvasSnapshot(*document);
        setBackground(*document, colour);
    }
}

void ColourCommands::setBackground(Document &document, ColourValue colour)
{
    m_module.colourTool().setPicturebackcolor(colour);
    document.Picture1().setBackColor(colour);
    document.setDataChanged(true);
}

void ColourCommands::ApplyPenColour()
{
    const ColourValue pen = m_module.colourTool().PictureForecolor();
    if (Document *document = active()) {
        document->Picture1().setForeColor(pen);
        emit m_module.hwordColourChanged(document, pen);
    }
    redrawSamples();
}

void ColourCommands::ApplyFillColour()
{
    if (Document *document = active())
        document->Picture1().setFillColor(m_module.colourTool().PictureFillColor());
    redrawSamples();
}

void ColourCommands::redrawSamples()
{
    const ColourToolModel &wells = m_module.colourTool();
    emit m_module.paletteSamplesNeedRedraw(wells.PictureForecolor(), wells.PictureFillColor());
}

QString ColourCommands::sizeText(SizeBox box) const
{
    const ColourToolModel &readouts = m_module.colourTool();
    return box == SizeBox::TextX ? readouts.TextX() : readouts.TextY();
}

void ColourCommands::setSizeText(SizeBox box, const QString &text)
{
    ColourToolModel &readouts = m_module.colourTool();
    if (box == SizeBox::TextX)
        readouts.setTextX(text);
    else
        readouts.setTextY(text);
}

void ColourCommands::ApplyCanvasSize(SizeBox box)
{
    setSizeText(box, SizeBoxRules::filled(sizeText(box)));
    Document *document = active();
    if (!document)
        return;
    const int limit = box == SizeBox::TextX ? SizeBoxRules::WidthLimit : SizeBoxRules::HeightLimit;
    setSizeText(box, SizeBoxRules::limited(sizeText(box), limit));
    // Typing a size is not an edit of the drawing: it takes no snapshot, and a
    // canvas that only grows keeps its changed flag as it was. A smaller one
    // has lost the pixels cut off, which closing must not throw away unasked.
    const QSize before = document->Picture1().Image().size();
    const bool changed = document->DataChanged();
    document->resizeCanvas(SizeBoxRules::outerTwips(sizeText(SizeBox::TextX)),
        SizeBoxRules::outerTwips(sizeText(SizeBox::TextY)));
    const QSize after = document->Picture1().Image().size();
    const bool cropped = after.width() < before.width() || after.height() < before.height();
    document->setDataChanged(changed || cropped);
}

void ColourCommands::leaveSizeBox(SizeBox box, Qt::FocusReason reason)
{
    if (SizeBoxRules::appliesOnFocusLoss(reason))
        ApplyCanvasSize(box);
}

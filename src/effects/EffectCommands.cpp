#include "effects/EffectCommands.h"

#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/Workspace.h"
#include "effects/Emboss.h"
#include "effects/Oil.h"
#include "effects/Sharpen.h"
#include "effects/Soften.h"

EffectCommands::EffectCommands(Workspace &workspace)
    : m_workspace(workspace)
{ }

bool EffectCommands::hasSelection() const
{
    const Document *document = m_workspace.ActiveEdit();
    return document && document->hBoolSelect;
}

bool EffectCommands::applyToSelection(const Kernel &kernel)
{
    if (!hasSelection())
        return false;
    FloatingSelection &selection = m_workspace.ActiveEdit()->selection();
    const QImage &source = selection.picture().Image();
    QImage result(source.size(), QImage::Format_RGB32);
    // The surface gives every image it takes its resolution; one that has it
    // already is taken as it is, not copied.
    result.setDotsPerMeterX(source.dotsPerMeterX());
    result.setDotsPerMeterY(source.dotsPerMeterY());
    kernel(rowsOf(source), rowsOf(result));
    selection.replacePixels(result);
    return true;
}

bool EffectCommands::soften()
{
    return applyToSelection(::soften);
}

bool EffectCommands::sharpen()
{
    return applyToSelection(::sharpen);
}

bool EffectCommands::emboss()
{
    return applyToSelection(::emboss);
}

bool EffectCommands::oil()
{
    return applyToSelection(
        [this](ConstPixelRows src, PixelRows dst) { ::oil(src, dst, m_random); });
}

bool EffectCommands::flipSelection(FlipKind kind)
{
    return applyToSelection([kind](ConstPixelRows src, PixelRows dst) { flip(src, dst, kind); });
}

bool EffectCommands::runFilter()
{
    const Convolution filter = m_filter.convolution();
    return applyToSelection(
        [&filter](ConstPixelRows src, PixelRows dst) { convolve(src, dst, filter); });
}

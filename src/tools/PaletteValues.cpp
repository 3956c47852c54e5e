#include "tools/PaletteValues.h"

#include "document/Document.h"
#include "document/Workspace.h"
#include "raster/PictureSurface.h"
#include "tools/NumberBoxRules.h"

#include <cmath>

PaletteValues::PaletteValues(Workspace &module, QObject *parent)
    : QObject(parent)
    , m_module(module)
{ }

void PaletteValues::loadGradientDefaults()
{
    m_module.hStartRed = m_module.hStartGreen = m_module.hStartBlue = 239;
    m_module.hEndRed = m_module.hEndGreen = m_module.hEndBlue = 127;
    m_module.hGradientAngle = 0;
}

// Number boxes.

void PaletteValues::setText1(const QString &text)
{
    const QString repaired = NumberBoxRules::lineWidth(text);
    const bool different = repaired != m_text1;
    m_text1 = repaired;
    if (Document *document = m_module.ActiveEdit())
        document->Picture1().setDrawWidth(lineWidth().value_or(1));
    if (different)
        emit text1Changed();
}

void PaletteValues::sethlinewidthText(const QString &text)
{
    m_frameWidth = NumberBoxRules::frameWidth(text);
}

void PaletteValues::sethlinecornerText(const QString &text)
{
    m_angle = NumberBoxRules::gradientAngle(text);
    m_module.hGradientAngle = m_angle.toDouble();
}

std::optional<int> PaletteValues::lineWidth() const
{
    bool ok = false;
    const double value = m_text1.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    if (value >= 32767)
        return 32767;
    if (value <= -32768)
        return -32768;
    return int(std::nearbyint(value));
}

// Gradient colour wells.

bool PaletteValues::wellsRespond() const
{
    return m_module.ActiveEdit() != nullptr;
}

bool PaletteValues::chooseStartColour(ColourValue colour)
{
    return chooseWellColour(
        colour, m_startWell, m_module.hStartRed, m_module.hStartGreen, m_module.hStartBlue);
}

bool PaletteValues::chooseEndColour(ColourValue colour)
{
    return chooseWellColour(
        colour, m_endWell, m_module.hEndRed, m_module.hEndGreen, m_module.hEndBlue);
}

// A gradient well takes the colour and the module its three components.
bool PaletteValues::chooseWellColour(
    ColourValue colour, ColourValue &well, int &red, int &green, int &blue)
{
    if (!wellsRespond())
        return false;
    well = colour & 0xFFFFFF;
    red = Colour::red(well);
    green = Colour::green(well);
    blue = Colour::blue(well);
    emit changed();
    return true;
}

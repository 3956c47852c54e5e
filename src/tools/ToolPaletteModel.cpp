#include "tools/ToolPaletteModel.h"

#include "document/ColourToolModel.h"
#include "document/Workspace.h"

ToolPaletteModel::ToolPaletteModel(Workspace &module, QObject *parent)
    : QObject(parent)
    , m_module(module)
    , m_styles(module)
    , m_chooser(module, m_styles)
    , m_values(module)
{
    connect(&m_styles, &PaletteStyles::changed, this, &ToolPaletteModel::changed);
    connect(&m_chooser, &ToolChooser::changed, this, &ToolPaletteModel::changed);
    connect(&m_values, &PaletteValues::changed, this, &ToolPaletteModel::changed);
}

void ToolPaletteModel::load()
{
    const ColourToolModel &wells = m_module.colourTool();
    m_styles.redrawSamples(wells.PictureForecolor(), wells.PictureFillColor());
    m_values.loadGradientDefaults();
    m_chooser.CommandGotFocus(1);
}

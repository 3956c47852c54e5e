#pragma once

#include "tools/PaletteStyles.h"
#include "tools/PaletteValues.h"
#include "tools/ToolChooser.h"

#include <QObject>

class Workspace;

// The tool palette without its window, in three parts: the tool chooser
// (buttons, marker, option groups), the style pickers with their samples, and
// the number boxes with the gradient wells. Choosing a tool resets the chosen
// tool's styles, so the chooser works through the styles; the values stand
// alone. `changed` gathers the parts' own changes for the window.
class ToolPaletteModel : public QObject
{
    Q_OBJECT
public:
    explicit ToolPaletteModel(Workspace &module, QObject *parent = nullptr);

    // The palette window loaded: samples, gradient defaults, then the region tool.
    void load();

    ToolChooser &chooser() { return m_chooser; }
    const ToolChooser &chooser() const { return m_chooser; }
    PaletteStyles &styles() { return m_styles; }
    const PaletteStyles &styles() const { return m_styles; }
    PaletteValues &values() { return m_values; }
    const PaletteValues &values() const { return m_values; }

signals:
    // Anything the palette shows, other than the samples and the line-width
    // box, may have changed.
    void changed();

private:
    Workspace &m_module;
    PaletteStyles m_styles;
    ToolChooser m_chooser;
    PaletteValues m_values;
};

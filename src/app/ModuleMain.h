#pragma once

#include "app/CommandRules.h"
#include "document/Workspace.h"

#include <memory>

class ColourCommands;
class ToolPaletteModel;

// The application's state: the shared workspace with the tool palette and the
// colour rules on top, the window arrangement and the command rules. The
// windows hold none of these rules; they call in here and redraw on the
// signals.
class ModuleMain : public Workspace
{
    Q_OBJECT
public:
    ModuleMain();
    ~ModuleMain() override;

    int hArrange = 4;

    // The colour procedures: SelectColourTarget, ChooseColour, ApplyPenColour,
    // ApplyFillColour, and the colour window's palette and size boxes.
    ColourCommands &colourCommands() { return *m_colourCommands; }
    ToolPaletteModel &tools() { return *m_tools; }

    // The engine's part of start-up: arrangement none, draw mode R2_COPYPEN,
    // paste mode SRCCOPY, region tool.
    void startUp();

    // Records a new arrangement; false (nothing recorded) without a document
    // or for a mode outside 0..4.
    bool setArrangement(int mode);
    void ApplyCanvasSettings();

    CommandContext commandContext() const;

protected:
    std::unique_ptr<CanvasInput> makeInput(Document &document) override;
    void applyPenAndStyles(Document &document) override;

private:
    std::unique_ptr<ColourCommands> m_colourCommands;
    std::unique_ptr<ToolPaletteModel> m_tools;
};

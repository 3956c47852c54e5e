#pragma once

#include "app/CommandRules.h"
#include "document/Workspace.h"
#include "tools/TextCommit.h"

#include <QFont>

#include <memory>

class ColourCommands;
class EffectCommands;
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
    // The effects, flips and custom filter on the floating selection.
    EffectCommands &effects() { return *m_effects; }

    // The engine's part of start-up: arrangement none, draw mode R2_COPYPEN,
    // paste mode SRCCOPY, region tool.
    void startUp();

    // Whether the windows may be arranged in `mode`: only with a document open
    // and for a mode 0..4. Arranging and filling the work area both ask here.
    bool mayArrange(int mode) const;
    // Records a new arrangement; false (nothing recorded) when mayArrange says no.
    bool setArrangement(int mode);
    // Gives the active canvas the background colour (which clears it) and the
    // shared pen, fill, styles and line width.
    void ApplyCanvasSettings();
    void ApplyCanvasSettings(Document &document);
    // The New command: NewPicture, then ApplyCanvasSettings on the new
    // picture. Nullptr, with every open picture left as it was, when the window
    // list is full.
    Document *FileNew();

    CommandContext commandContext() const;

    // "确定" of the text box's menu: paints the active document's text box
    // the way the palette's text options say.
    void commitText();
    // What the palette's text options say: the kind (single, double, none),
    // the direction box and the gradient colours.
    TextPaint textPaint() const;
    // The font dialog's choice for the active document's text: name, size,
    // bold, italic, underline and strikethrough go to its text box and its
    // canvas.
    void applyTextFont(const QFont &chosen);

protected:
    std::unique_ptr<CanvasInput> makeInput(Document &document) override;
    void applyPenAndStyles(Document &document) override;

private:
    std::unique_ptr<ColourCommands> m_colourCommands;
    std::unique_ptr<ToolPaletteModel> m_tools;
    std::unique_ptr<EffectCommands> m_effects;
};

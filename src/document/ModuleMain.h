#pragma once

#include "app/CommandRules.h"
#include "app/ModeMenu.h"
#include "colour/ColourValue.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class ColourCommands;
class ColourToolModel;
class Document;
class ToolPaletteModel;

// The state every window shares and the shared procedures that act on it: the
// open documents and the active one, the window arrangement, the tool and
// style choices, the draw and paste modes, the colour wells and the line
// width. The windows hold none of these rules; they call in here and redraw
// on the signals.
class ModuleMain : public QObject
{
    Q_OBJECT
public:
    // Windows open at once: the window list is indexed by a 16-bit number.
    static constexpr int MaxEdits = 32767;

    ModuleMain();
    ~ModuleMain() override;

    // Documents. `hEditList` is 1-based like each window's Tag.
    Document *ActiveEdit() const { return m_active; }
    int hEditCount() const { return int(m_edits.size()); }
    Document *hEditList(int index) const;
    qint64 hPictureCount() const { return m_pictureCount; }

    // Module variables set by the palette and the window commands.
    int hArrange = 4;
    int hTool = 1;
    std::optional<int> hFillStyle;
    std::optional<int> hDrawStyle;
    int hStartRed = 239;
    int hStartGreen = 239;
    int hStartBlue = 239;
    int hEndRed = 127;
    int hEndGreen = 127;
    int hEndBlue = 127;
    double hGradientAngle = 0;

    // Settings kept by controls elsewhere: the mode submenus' Tags, the colour
    // window's wells and read-outs, the palette's line-width box.
    const ModeMenu &mnudrawmode() const { return m_drawMode; }
    const ModeMenu &mnupastemode() const { return m_pasteMode; }
    ColourToolModel &colourTool() { return *m_colourTool; }
    // The colour procedures: SelectColourTarget, ChooseColour, ApplyPenColour,
    // ApplyFillColour, and the colour window's palette and size boxes.
    ColourCommands &colourCommands() { return *m_colourCommands; }
    ToolPaletteModel &tools() { return *m_tools; }

    // The engine's part of start-up: arrangement none, draw mode R2_COPYPEN,
    // paste mode SRCCOPY, region tool.
    void startUp();

    // Creates the next "New Picture n" document and makes it active; the
    // windows create its view on documentCreated. Nullptr when the window
    // list is full.
    Document *NewPicture();
    // The document's window became active: shows its size, applies the shared
    // settings to its canvas and refreshes the commands.
    void activate(Document *document);
    // The document's window closed: removes it from the list, renumbers the
    // Tags behind it and destroys it.
    void unload(Document *document);

    void SetDrawMode(int mode);
    void SetPasteMode(double operation);
    // Records a new arrangement; false (nothing recorded) without a document
    // or for a mode outside 0..4.
    bool setArrangement(int mode);
    void ApplyCanvasSettings();

    // Edit history of the active document.
    void TakeUndoSnapshot(double x, double y, double width, double height);
    void undo();
    void redo();
    void CancelSelection();
    void CancelRadius();
    // Hides the active document's text box and empties it, and sets its
    // label back to "H": choosing any tool but text ends the text box.
    void ResetTextBox();

    CommandContext commandContext() const;

signals:
    void documentCreated(Document *document);
    void documentUnloading(Document *document);
    // The enabled states, captions, check marks or pressed buttons of the main
    // window's commands may have changed (RefreshUndoMenus,
    // SetSelectionCommands, SetDocumentCommands and the mode menus all end here).
    void commandsChanged();
    // The document's text box `hword` is to be hidden and emptied and
    // `hwordLabel` captioned "H"; its window does that.
    void textBoxReset(Document *document);
    // The pen or drawing colour changed: the tool palette draws its style
    // samples again with these colours (already made visible on its grey).
    void paletteSamplesNeedRedraw(ColourValue pen, ColourValue drawing);
    // The active document's text box `hword` takes the pen colour.
    void hwordColourChanged(ColourValue colour);

private:
    void applyPenAndStyles(Document &document);
    void showSizeOf(const Document &document);

    std::vector<std::unique_ptr<Document>> m_edits;
    Document *m_active = nullptr;
    qint64 m_pictureCount = 0;
    ModeMenu m_drawMode;
    ModeMenu m_pasteMode;
    std::unique_ptr<ColourToolModel> m_colourTool;
    std::unique_ptr<ColourCommands> m_colourCommands;
    std::unique_ptr<ToolPaletteModel> m_tools;
};

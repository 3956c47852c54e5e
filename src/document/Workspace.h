#pragma once

#include "base/ColourValue.h"
#include "document/ModeMenu.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class CanvasInput;
class ColourToolModel;
class Document;
class HistoryBudget;
class PictureClipboard;

// What the tools, the colour rules and the windows share: the open documents
// and the active one, the tool and style choices, the draw and paste modes
// and the colour wells, with the shared procedures that act on the active
// document. The application state builds on it and adds what only it knows
// (the palette, the arrangement, the command rules).
class Workspace : public QObject
{
    Q_OBJECT
public:
    // Windows open at once: the window list is indexed by a 16-bit number.
    static constexpr int MaxEdits = 32767;
    // A lower limit of open windows (what the machine's memory allows, or a
    // test that fills the list); clamped to 1..MaxEdits.
    void setEditLimit(int limit);
    int editLimit() const { return m_editLimit; }

    Workspace();
    ~Workspace() override;

    // Documents. `hEditList` is 1-based like each window's Tag.
    Document *ActiveEdit() const { return m_active; }
    int hEditCount() const { return int(m_edits.size()); }
    Document *hEditList(int index) const;
    qint64 hPictureCount() const { return m_pictureCount; }

    // Module variables set by the palette.
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
    // window's wells and read-outs.
    const ModeMenu &mnudrawmode() const { return m_drawMode; }
    const ModeMenu &mnupastemode() const { return m_pasteMode; }
    ColourToolModel &colourTool() { return *m_colourTool; }
    const ColourToolModel &colourTool() const { return *m_colourTool; }
    // The byte budget all documents' edit histories share; the active
    // document's steps are dropped last.
    HistoryBudget &historyBudget() { return *m_historyBudget; }

    // Creates the next "New Picture n" document and makes it active; the
    // windows create its view on documentCreated. Nullptr when the window
    // list is full.
    Document *NewPicture();
    // The document's window became active: shows its size, applies the shared
    // settings to its canvas and its text box and refreshes the commands.
    void activate(Document *document);
    // The document's window closed: removes it from the list, renumbers the
    // Tags behind it and destroys it.
    void unload(Document *document);

    // The commands' enabled states may have changed (SetDocumentCommands,
    // SetSelectionCommands): the windows refresh them.
    void refreshCommands() { emit commandsChanged(); }

    void SetDrawMode(int mode);
    void SetPasteMode(double operation);

    // Edit history of the active document.
    void TakeUndoSnapshot(double x, double y, double width, double height);
    // The same for a given document, which need not be the active one: a
    // stroke that ends after another window became active still belongs to
    // the picture it was drawn on.
    void TakeUndoSnapshot(Document &document, double x, double y, double width, double height);
    // A snapshot of the document's whole canvas.
    void TakeWholeCanvasSnapshot(Document &document);
    void undo();
    void redo();
    void CancelSelection();
    void CancelRadius();

    // Puts the document's floating selection down: the undo snapshot of where
    // it lands (clipped to the canvas, a pixel larger), then its pixels with
    // the paste mode; the picture counts as changed. False without one.
    bool commitSelection(Document &document);
    // The Edit menu's selection commands on the active document.
    void EditCopy(PictureClipboard &clipboard);
    enum class PasteOutcome { Nothing, Pasted, TooLarge };
    PasteOutcome EditPaste(const PictureClipboard &clipboard);
    void EditSelectAll();
    void EditClear();
    // Hides the active document's text box and empties it, and sets its
    // label back to "H": choosing any tool but text ends the text box.
    void ResetTextBox();

signals:
    void documentCreated(Document *document);
    void documentUnloading(Document *document);
    // The enabled states, captions, check marks or pressed buttons of the main
    // window's commands may have changed (RefreshUndoMenus,
    // SetSelectionCommands, SetDocumentCommands and the mode menus all end here).
    void commandsChanged();
    // The document's text box `hword` is hidden and emptied (the workspace
    // does that to the document's TextBox; views follow the box).
    void textBoxReset(Document *document);
    // The pen or drawing colour changed: the tool palette draws its style
    // samples again with these colours.
    void paletteSamplesNeedRedraw(ColourValue pen, ColourValue drawing);
    // The document's text box `hword` takes the pen colour: on activation and
    // when the pen colour changes.
    void hwordColourChanged(Document *document, ColourValue colour);

protected:
    // The canvas input a new document gets: the drawing tools, which live
    // above this layer.
    virtual std::unique_ptr<CanvasInput> makeInput(Document &document);
    // Copies the shared pen, fill, styles and line width onto a canvas.
    virtual void applyPenAndStyles(Document &document);
    void showSizeOf(const Document &document);
    // Sets both mode Tags with or without a document (start-up).
    void setModeTags(int drawMode, double pasteMode);

private:
    void holdUndoSnapshot(Document &document, const QRectF &step);
    void setActive(Document *document);

    // Declared before the documents, whose histories it must outlive.
    std::unique_ptr<HistoryBudget> m_historyBudget;
    std::vector<std::unique_ptr<Document>> m_edits;
    Document *m_active = nullptr;
    qint64 m_pictureCount = 0;
    int m_editLimit = MaxEdits;
    ModeMenu m_drawMode;
    ModeMenu m_pasteMode;
    std::unique_ptr<ColourToolModel> m_colourTool;
};

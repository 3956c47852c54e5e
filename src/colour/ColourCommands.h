#pragma once

#include "base/ColourValue.h"

#include <QString>
#include <Qt>

class Document;
class Workspace;

// The colour rules: which well a palette click fills, what a chosen colour
// does to the active picture, and how the size boxes resize it. The colour
// window and the Edit menu forward their events here; the colour dialog itself
// belongs to the windows, which hand over the chosen colour.
class ColourCommands
{
public:
    // The wells by target code.
    enum Well { Pen = 1, Fill = 2, Background = 3 };
    // The size boxes.
    enum class SizeBox { TextX, TextY };

    explicit ColourCommands(Workspace &module);

    // Makes well n the palette target, showing its pair of marks.
    void SelectColourTarget(int n);
    // A click on well n: selects it as target, but only while a picture is open.
    void clickWell(int n);
    // Whether the colour dialog may open: only for an open picture.
    bool canChooseColour() const;
    // The colour dialog's title for well n.
    static QString colourDialogTitle(int n);
    // The colour dialog for well n was answered with OK and `chosen`.
    // Clearing the background this way is deliberately not undoable.
    void ChooseColour(int n, ColourValue chosen);
    // Palette cell `index` (1..48) was clicked: its colour goes into the target well.
    void ApplyPaletteColour(int index);
    // Copy the pen well (the fill well) to the active canvas and redraw the
    // tool palette's samples.
    void ApplyPenColour();
    void ApplyFillColour();
    // A size box was left: repairs its text and resizes the active canvas.
    // The canvas counts as changed when the new size cuts pixels off.
    void ApplyCanvasSize(SizeBox box);
    // A size box lost the focus: ApplyCanvasSize, when the focus went where
    // the size is taken (SizeBoxRules::appliesOnFocusLoss).
    void leaveSizeBox(SizeBox box, Qt::FocusReason reason);

private:
    Document *active() const;
    void setBackground(Document &document, ColourValue colour);
    void redrawSamples();
    QString sizeText(SizeBox box) const;
    void setSizeText(SizeBox box, const QString &text);

    Workspace &m_module;
};

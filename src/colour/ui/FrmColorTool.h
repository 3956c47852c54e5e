#pragma once

#include "colour/ColourCommands.h"
#include "widgets/ColourDialog.h"

#include <QDockWidget>

#include <array>

class ColourToolModel;
class ColourWell;
class ModuleMain;
class QLineEdit;
class TargetMark;

// The colour window along the bottom of the main window: the pen, fill and
// background wells with the palette target's marks, the 48-colour palette and
// the read-outs of the pointer position and the picture size. It shows the
// ColourToolModel and forwards clicks, double clicks and the size boxes'
// focus changes to ColourCommands; their keys pass SizeBoxRules' filter.
class FrmColorTool : public QDockWidget
{
    Q_OBJECT
public:
    FrmColorTool(ModuleMain &module, QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text1; }
    QLineEdit *TextX() const { return m_textX; }
    QLineEdit *TextY() const { return m_textY; }

    // The colour dialog for well n; a choice goes into the well.
    void ChooseColour(int n);
    // The Edit menu's colour items: the dialog, then the well becomes the target.
    void chooseColourAndTarget(int n);
    // The main window's one colour dialog; the tool palette's gradient wells
    // use it too, so it always starts from the colour chosen last anywhere.
    ColourDialog &colourDialog() { return m_dialog; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildWells();
    QWidget *buildPalette();
    QWidget *buildReadouts();
    ColourWell *addWell(int n, const char *name, const QString &tooltip, QWidget *parent);
    bool filterSizeBox(QLineEdit *box, QEvent *event);
    void showWells();
    void showReadouts();

    ModuleMain &m_module;
    ColourToolModel &m_model;
    ColourCommands &m_commands;
    ColourDialog m_dialog;
    std::array<ColourWell *, 3> m_wells {};
    std::array<TargetMark *, 6> m_marks {};
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_textX = nullptr;
    QLineEdit *m_textY = nullptr;
};

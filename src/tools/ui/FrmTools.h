#pragma once

#include "tools/StylePicker.h"

#include <QDockWidget>

#include <array>
#include <vector>

class ColourDialog;
class GradientWell;
class NumberBox;
class PaletteValues;
class PickerWidget;
class QButtonGroup;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class ToolButtonWidget;
class ToolPaletteModel;

// The tool palette along the left of the main window: the sixteen tool
// buttons with the marker `Picture1` on the chosen one, the line-width box
// `Text1`, the angle read-out `Picture2` and the five option groups
// `Frame1`..`Frame5`. It forwards focus, clicks and typing to the
// ToolPaletteModel and shows what the model holds.
class FrmTools : public QDockWidget
{
    Q_OBJECT
public:
    // The gradient wells ask for their colours in the main window's one
    // colour dialog, which the colour window shares.
    FrmTools(ToolPaletteModel &model, ColourDialog &colourDialog, QWidget *parent = nullptr);

    QLineEdit *Text1() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildButtons();
    QWidget *buildReadouts();
    QFrame *buildFillFrame(int group, PickerSet fill, PickerSet frame, int label);
    QFrame *buildLineFrame();
    QFrame *buildGradientFrame();
    QFrame *newFrame(int group, int height);
    PickerWidget *addPicker(StylePicker picker, QWidget *parent, QPoint at);
    void addGradientOptions(QFrame *frame);
    void connectNumberBox(NumberBox *box, void (PaletteValues::*apply)(const QString &),
        QString (PaletteValues::*read)() const);
    void chooseWellColour(GradientWell *well);
    void refresh();
    void refreshGradientOptions();
    void placeMarker();

    ToolPaletteModel &m_model;
    ColourDialog &m_colourDialog;
    std::array<ToolButtonWidget *, 16> m_buttons {};
    QFrame *m_marker = nullptr;
    std::array<QFrame *, 5> m_frames {};
    std::vector<PickerWidget *> m_pickers;
    NumberBox *m_text1 = nullptr;
    NumberBox *m_frameWidth = nullptr;
    NumberBox *m_angle = nullptr;
    std::array<QRadioButton *, 4> m_options {};
    QButtonGroup *m_optionGroup = nullptr;
    GradientWell *m_startWell = nullptr;
    GradientWell *m_endWell = nullptr;
    QFrame *m_picture2 = nullptr;
    QFrame *m_shapeC = nullptr;
    QLabel *m_labelC = nullptr;
    std::array<QLabel *, 3> m_frameLabels {};
};

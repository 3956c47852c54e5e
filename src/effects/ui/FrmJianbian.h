#pragma once

#include "effects/GradientFillRun.h"
#include "effects/GradientFillSettings.h"

#include <QDialog>

class ColourDialog;
class GradientWell;
class ModuleMain;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The gradient fill dialog " 渐变颜色": paints one of six gradients over the
// active document's floating selection. It does not block the main window,
// stays on top of it and stays open after a run; "取消" closes it. Every rule
// is in GradientFillSettings and GradientFillRun; the window forwards clicks
// and typing and shows what they hold.
class FrmJianbian : public QDialog
{
    Q_OBJECT
public:
    FrmJianbian(ModuleMain &module, ColourDialog &colourDialog, QWidget *parent = nullptr);
    ~FrmJianbian() override;

    const GradientFillSettings &settings() const { return m_settings; }
    GradientFillRun &run() { return m_run; }

private:
    void buildControls();
    void SetGradientKind(int kind);
    void hwidthText_Change();
    void hcornerText_Change();
    void ChooseGradientColour(bool start);
    void CommandRun_Click();
    void CommandCancel_Click();
    void showSettings();
    void setTopmost(bool on);

    ModuleMain &m_module;
    ColourDialog &m_colourDialog;
    GradientFillSettings m_settings;
    GradientFillRun m_run;
    QRadioButton *m_options[GradientFillSettings::KindCount] = {};
    QLineEdit *m_width = nullptr;
    QLineEdit *m_angle = nullptr;
    QLabel *m_widthLabel = nullptr;
    QLabel *m_angleLabel = nullptr;
    GradientWell *m_startWell = nullptr;
    GradientWell *m_endWell = nullptr;
    QPushButton *m_runButton = nullptr;
};

#pragma once

#include <QDockWidget>

class QLineEdit;
class ToolPaletteModel;

// The tool palette along the left of the main window. For now it holds the
// line-width box `Text1`, mirrored from the ToolPaletteModel.
class FrmTools : public QDockWidget
{
    Q_OBJECT
public:
    FrmTools(ToolPaletteModel &model, QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text1; }

private:
    ToolPaletteModel &m_model;
    QLineEdit *m_text1 = nullptr;
};

#pragma once

#include <QDockWidget>

class ColourToolModel;
class ColourWell;
class QLineEdit;

// The colour window along the bottom of the main window: the pen, fill and
// background wells and the read-outs of the pointer position and the picture
// size, all mirrored from the ColourToolModel.
class FrmColorTool : public QDockWidget
{
    Q_OBJECT
public:
    FrmColorTool(ColourToolModel &model, QWidget *parent = nullptr);

    QLineEdit *Text1() const { return m_text1; }
    QLineEdit *TextX() const { return m_textX; }
    QLineEdit *TextY() const { return m_textY; }

private:
    QWidget *buildWells();
    QWidget *buildReadouts();
    void showWells();
    void showReadouts();

    ColourToolModel &m_model;
    ColourWell *m_pen = nullptr;
    ColourWell *m_fill = nullptr;
    ColourWell *m_background = nullptr;
    QLineEdit *m_text1 = nullptr;
    QLineEdit *m_textX = nullptr;
    QLineEdit *m_textY = nullptr;
};

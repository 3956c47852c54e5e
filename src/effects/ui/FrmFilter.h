#pragma once

#include <QDialog>

#include <array>

class EffectCommands;
class FilterKernel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The custom filter dialog " 自定义柔化与锐化": the 25 kernel cells, 3 x 3 or
// 5 x 5, the divisor and the addend, ▲ and ▼ for the box last entered, Run and
// Cancel. It does not block the main window and stays above it; a run leaves
// it open. Every rule is the engine's (FilterKernel, FilterEntries); the
// dialog shows the settings and forwards what is typed and clicked.
class FrmFilter : public QDialog
{
    Q_OBJECT
public:
    FrmFilter(QWidget *mainWindow, EffectCommands &effects);

    // The box ▲ and ▼ act on (CurrentEntry): 1..25 a cell, then the divisor
    // and the addend (FilterEntries numbering); 0 before any.
    int currentEntry() const { return m_current; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *addEntry(int entry, const QString &name);
    void buildCells(class QGridLayout *grid);
    void showKernel();
    void SetKernelSize(int radius);
    void entryChanged(int entry);
    void step(int delta);
    void focusEntry(int entry);
    void setStepButtonsEnabled(bool on);
    int entryOf(QObject *box) const;

    EffectCommands &m_effects;
    FilterKernel &m_kernel;
    std::array<QLineEdit *, 28> m_entries {}; // by entry number; [0] unused
    QRadioButton *m_option1 = nullptr;
    QRadioButton *m_option2 = nullptr;
    QPushButton *m_up = nullptr;
    QPushButton *m_down = nullptr;
    int m_current = 0;
};

#pragma once

#include <QDialog>

class QTextBrowser;

// The help window: the program's user guide, read-only, standing along the
// right edge of the screen. Esc closes it.
class FrmHelp : public QDialog
{
    Q_OBJECT
public:
    explicit FrmHelp(QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    QTextBrowser *RichTextBox1 = nullptr;
};

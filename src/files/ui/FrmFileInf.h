#pragma once

#include "files/FileProperties.h"

#include <QDialog>

class QCheckBox;
class QPlainTextEdit;

// The file-properties dialog "文件属性": the document's file name, folder,
// size, type and time, and its four attributes, written on OK.
class FrmFileInf : public QDialog
{
    Q_OBJECT
public:
    // Shows the dialog for the document captioned `caption`, modally; a
    // picture without a file gets the not-saved warning instead.
    static void showFor(QWidget *parent, const QString &caption);

    FrmFileInf(const FileFacts &facts, QWidget *parent = nullptr);

    // Check1 + 2·Check2 + 4·Check3 + 32·Check4.
    int attributeWord() const;

private:
    void buildControls();
    void Form_Resize();
    void Command1_Click();

    FileFacts m_facts;
    QPlainTextEdit *filenametext = nullptr;
    QPlainTextEdit *filepathtext = nullptr;
    QCheckBox *Check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check4 = nullptr;
};

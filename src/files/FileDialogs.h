#pragma once

#include <QString>

// How the open and save dialogs are set up: title, filter, starting folder
// and preset file name. The windows show them; the commands decide them.
struct FileDialogSpec
{
    enum class Purpose { Open, Save };

    Purpose purpose = Purpose::Open;
    QString title;
    // Qt's filter syntax, entries separated by ";;". Each entry is the
    // description the user sees, then its patterns in parentheses; the
    // patterns carry upper-case twins so that "PHOTO.JPG" shows on a file
    // system that tells case apart.
    QString filter;
    QString folder;
    // Preset name (Save: the caption); empty for Open.
    QString fileName;
};

namespace FileDialogs {

// A picture without a file yet: its caption begins with "New Picture "
// (compared exactly, case included).
bool isUnsaved(const QString &caption);

FileDialogSpec open(const QString &folder);
// Save, Save all and the close prompt: "保存 " + caption.
FileDialogSpec save(const QString &caption, const QString &folder);
// Save as: "另存为 " + caption.
FileDialogSpec saveAs(const QString &caption, const QString &folder);

// Paste from file (the text box): "打开", TXT, RTF or any file.
FileDialogSpec pasteText(const QString &folder);

// Turns a filter written as "description|patterns|description|patterns",
// patterns separated by ";", into Qt's syntax.
QString qtFilter(const QString &pairs);

// Where the dialogs start: the program's own folder, or, when that cannot be
// written (an installed program), the user's pictures folder, else home.
QString initialFolder(const QString &programFolder);

}

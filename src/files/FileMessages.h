#pragma once

#include <QString>

// A message box of the file commands: what the windows show, and the answers.
struct FileMessage
{
    enum class Buttons { Ok, RetryCancel, AbortRetryIgnore };
    enum class Answer { Ok, Retry, Cancel, Abort, Ignore };

    QString title;
    QString text;
    Buttons buttons = Buttons::Ok;
    bool warning = true;
    // Retry for the Retry boxes, else the first button.
    Answer defaultAnswer = Answer::Ok;
    // The box's object name, so that tests can find it.
    QString name;
};

namespace FileMessages {

// Open: the chosen file does not exist. Titled with the file name, centred
// for the window's caption. Retry/Cancel.
FileMessage notFound(const QString &fileName, const QString &windowCaption);
// Save, Save as and the close prompt: "文件只读！", Retry/Cancel.
FileMessage readOnly(const QString &caption);
// Save all: "    文件只读！", Abort/Retry/Ignore.
FileMessage readOnlyInSaveAll(const QString &caption);
// Paste from file: a text longer than the box takes ("文件过长！").
FileMessage textTooLong();
// Paste from file, any other failure: the system's description, indented.
FileMessage textFailed(const QString &reason);
// Any other failure: the system's description, OK.
FileMessage failed(const QString &reason);
// Open: a file that is not a picture we read, or damaged beyond use.
FileMessage refused(const QString &fileName, const QString &reason);
// Open: a file that stops early; what was complete is shown, and the
// reason says so.
FileMessage incomplete(const QString &fileName, const QString &reason);
// The browser: a drive that cannot be listed now. Titled with its name in
// upper case; Retry/Cancel.
FileMessage driveNotReady(const QString &driveName);
// File properties of a picture never saved: "  文件尚未存盘！    ", titled
// with its caption.
FileMessage notSaved(const QString &caption);

}

#pragma once

#include "files/FileDialogs.h"
#include "files/FileMessages.h"

#include <QString>

#include <optional>

class Document;
class ModuleMain;

// What the file commands need from the windows: the common dialog and the
// message boxes.
class FileHost
{
public:
    virtual ~FileHost() = default;
    // The chosen file name; nullopt when the dialog was cancelled.
    virtual std::optional<QString> askFileName(const FileDialogSpec &dialog) = 0;
    virtual FileMessage::Answer show(const FileMessage &message) = 0;
    // The filter (1-based) chosen in the last dialog that was accepted.
    virtual int chosenFilter() const { return 1; }
};

// Open, Save, Save as, Save all and the close prompt's Yes.
class FileCommands
{
public:
    FileCommands(ModuleMain &module, FileHost &host, QString programFolder);

    // Open: asks for a file, then opens it in a new window. The new window,
    // or nullptr when the dialog was cancelled or the window list is full.
    Document *Open();
    // Opens `path` in a new window as Open does after its dialog (the command
    // line and the picture browser come here). A file that cannot be read
    // leaves the new empty window under its "New Picture " caption.
    Document *openPath(const QString &path);

    // True when the picture was written.
    bool Save();
    bool SaveAs();
    void SaveAll();
    // The close prompt's Yes: true when the picture was written and the
    // window may close.
    bool saveForClose(Document &document);

    // The folder the dialogs start in.
    QString initialFolder() const;

private:
    enum class Caller { Save, SaveAll, ClosePrompt };
    enum class WriteResult { Written, Stopped, Skipped, Aborted };
    enum class Ask { IfUnsaved, Always };

    std::optional<QString> pathFor(Document &document, const FileDialogSpec &dialog, Ask ask);
    WriteResult WritePicture(Document &document, const QString &path, Caller caller);
    bool answerFailure(Document &document, bool readOnly, const QString &reason, Caller caller,
        WriteResult &result);

    ModuleMain &m_module;
    FileHost &m_host;
    QString m_programFolder;
};

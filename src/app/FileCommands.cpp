#include "app/FileCommands.h"

#include "app/ModuleMain.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "files/PictureReader.h"
#include "files/PictureWriter.h"
#include "raster/PictureSurface.h"

FileCommands::FileCommands(ModuleMain &module, FileHost &host, QString programFolder)
    : m_module(module)
    , m_host(host)
    , m_programFolder(std::move(programFolder))
{ }

QString FileCommands::initialFolder() const
{
    return FileDialogs::initialFolder(m_programFolder);
}

Document *FileCommands::Open()
{
    const std::optional<QString> path = m_host.askFileName(FileDialogs::open(initialFolder()));
    if (!path || path->isEmpty())
        return nullptr;
    return openPath(*path);
}

Document *FileCommands::openPath(const QString &path)
{
    Document *document = m_module.FileNew();
    if (!document)
        return nullptr;
    for (;;) {
        const LoadedPicture loaded
            = PictureReader::readFile(path, m_module.colourTool().Picturebackcolor());
        if (loaded.outcome == LoadedPicture::Outcome::NotFound) {
            const FileMessage missing = FileMessages::notFound(path, document->Caption());
            if (m_host.show(missing) == FileMessage::Answer::Retry)
                continue;
            break;
        }
        if (!loaded.opened()) {
            m_host.show(FileMessages::refused(path, loaded.reason));
            break;
        }
        document->Picture1().setPicture(loaded.image);
        document->setCaption(path);
        m_module.ApplyCanvasSettings(*document);
        document->setDataChanged(false);
        if (loaded.outcome == LoadedPicture::Outcome::Incomplete)
            m_host.show(FileMessages::incomplete(path, loaded.reason));
        break;
    }
    m_module.refreshCommands();
    return document;
}

std::optional<QString> FileCommands::pathFor(
    Document &document, const FileDialogSpec &dialog, Ask ask)
{
    if (ask == Ask::IfUnsaved && !FileDialogs::isUnsaved(document.Caption()))
        return document.Caption();
    const std::optional<QString> chosen = m_host.askFileName(dialog);
    if (!chosen || chosen->isEmpty())
        return std::nullopt;
    return chosen;
}

bool FileCommands::Save()
{
    Document *document = m_module.ActiveEdit();
    if (!document)
        return false;
    const auto path = pathFor(
        *document, FileDialogs::save(document->Caption(), initialFolder()), Ask::IfUnsaved);
    return path && WritePicture(*document, *path, Caller::Save) == WriteResult::Written;
}

bool FileCommands::SaveAs()
{
    Document *document = m_module.ActiveEdit();
    if (!document)
        return false;
    const auto path = pathFor(
        *document, FileDialogs::saveAs(document->Caption(), initialFolder()), Ask::Always);
    return path && WritePicture(*document, *path, Caller::Save) == WriteResult::Written;
}

void FileCommands::SaveAll()
{
    // Each window is written where it is; the active window stays the one the
    // user sees, so nothing needs restoring afterwards.
    for (int i = 1; i <= m_module.hEditCount(); ++i) {
        Document *document = m_module.hEditList(i);
        const auto path = pathFor(
            *document, FileDialogs::save(document->Caption(), initialFolder()), Ask::IfUnsaved);
        if (!path)
            continue;
        if (WritePicture(*document, *path, Caller::SaveAll) == WriteResult::Aborted)
            break;
    }
}

bool FileCommands::saveForClose(Document &document)
{
    const auto path
        = pathFor(document, FileDialogs::save(document.Caption(), initialFolder()), Ask::IfUnsaved);
    return path && WritePicture(document, *path, Caller::ClosePrompt) == WriteResult::Written;
}

FileCommands::WriteResult FileCommands::WritePicture(
    Document &document, const QString &path, Caller caller)
{
    // The floating selection lies above the canvas, never in its image, so the
    // close prompt only has to keep it; the other commands drop it first.
    if (caller != Caller::ClosePrompt && document.cancelSelection())
        m_module.refreshCommands();
    document.cancelRadius();
    for (;;) {
        const WriteOutcome outcome = PictureWriter::writeBmpFile(path, document.Picture1().Image());
        if (outcome.written()) {
            document.setCaption(path);
            document.setDataChanged(false);
            return WriteResult::Written;
        }
        WriteResult result = WriteResult::Stopped;
        const bool readOnly = outcome.status == WriteOutcome::Status::ReadOnly;
        if (!answerFailure(document, readOnly, outcome.reason, caller, result))
            return result;
    }
}

// Shows the failure and says whether to try the write again; otherwise
// `result` says how the command goes on. Whatever the answer, the picture
// stays unsaved and changed: a close prompt never closes a picture that was
// not written.
bool FileCommands::answerFailure(
    Document &document, bool readOnly, const QString &reason, Caller caller, WriteResult &result)
{
    if (!readOnly) {
        m_host.show(FileMessages::failed(reason));
        result = caller == Caller::SaveAll ? WriteResult::Skipped : WriteResult::Stopped;
        return false;
    }
    if (caller != Caller::SaveAll) {
        result = WriteResult::Stopped;
        return m_host.show(FileMessages::readOnly(document.Caption()))
            == FileMessage::Answer::Retry;
    }
    switch (m_host.show(FileMessages::readOnlyInSaveAll(document.Caption()))) {
    case FileMessage::Answer::Retry:
        return true;
    case FileMessage::Answer::Abort:
        result = WriteResult::Aborted;
        return false;
    default:
        result = WriteResult::Skipped;
        return false;
    }
}

#include "app/PasteTextFromFile.h"

#include "app/FileCommands.h"
#include "document/Document.h"
#include "document/TextBox.h"
#include "files/FileDialogs.h"
#include "files/FileMessages.h"
#include "files/TextFileReader.h"

void PasteTextFromFile(FileHost &host, Document &document, const QString &folder)
{
    const std::optional<QString> path = host.askFileName(FileDialogs::pasteText(folder));
    if (!path || path->isEmpty())
        return;
    const TextFileReader::Format format = TextFileReader::formatForFilter(host.chosenFilter());
    for (;;) {
        const TextFileReader::Result result = TextFileReader::read(*path, format);
        switch (result.status) {
        case TextFileReader::Result::Status::Read:
            document.hword().setText(result.text);
            return;
        case TextFileReader::Result::Status::NotFound:
            if (host.show(FileMessages::notFound(*path, document.Caption()))
                != FileMessage::Answer::Retry)
                return;
            break;
        case TextFileReader::Result::Status::TooLong:
            host.show(FileMessages::textTooLong());
            return;
        case TextFileReader::Result::Status::Failed:
            host.show(FileMessages::textFailed(result.reason));
            return;
        }
    }
}

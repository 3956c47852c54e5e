#include "app/ClosePolicy.h"

#include "document/Document.h"
#include "document/Workspace.h"

#include <QPointer>

#include <vector>

namespace ClosePolicy {

namespace {

enum class Verdict { Close, CloseDiscarding, Keep };

Verdict ask(Workspace &documents, Document &document, CloseHost &host)
{
    // The question is about this window's picture: it comes to the front first.
    if (documents.hEditCount() > 1)
        host.bringForward(document);
    if (!document.DataChanged())
        return Verdict::Close;
    switch (host.askToSave(document)) {
    case ClosePrompt::Answer::No:
        document.setDataChanged(false);
        return Verdict::CloseDiscarding;
    case ClosePrompt::Answer::Yes:
        return host.save(document) ? Verdict::Close : Verdict::Keep;
    case ClosePrompt::Answer::Cancel:
        break;
    }
    return Verdict::Keep;
}

std::vector<QPointer<Document>> openDocuments(const Workspace &documents)
{
    std::vector<QPointer<Document>> list;
    for (int k = 1; k <= documents.hEditCount(); ++k)
        list.emplace_back(documents.hEditList(k));
    return list;
}

}

bool queryUnload(Workspace &documents, Document &document, CloseHost &host)
{
    return ask(documents, document, host) != Verdict::Keep;
}

bool exit(Workspace &documents, CloseHost &host)
{
    const std::vector<QPointer<Document>> all = openDocuments(documents);
    std::vector<QPointer<Document>> discarded;
    for (const QPointer<Document> &document : all) {
        if (!document)
            continue;
        const Verdict verdict = ask(documents, *document, host);
        if (verdict == Verdict::Keep) {
            for (const QPointer<Document> &kept : discarded) {
                if (kept)
                    kept->setDataChanged(true);
            }
            return false;
        }
        if (verdict == Verdict::CloseDiscarding)
            discarded.push_back(document);
    }
    for (const QPointer<Document> &document : all) {
        if (document)
            host.closeWindow(*document);
    }
    return documents.hEditCount() == 0;
}

}

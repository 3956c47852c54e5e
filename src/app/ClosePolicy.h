#pragma once

#include "document/ClosePrompt.h"

class Document;
class Workspace;

// What the close prompt needs from the windows: bringing a document's window
// to the front, the message box, saving and closing a window.
class CloseHost
{
public:
    virtual ~CloseHost() = default;
    virtual void bringForward(Document &document) = 0;
    // The question of ClosePrompt, with the document's caption as title.
    virtual ClosePrompt::Answer askToSave(Document &document) = 0;
    // Saves for Yes; false when the picture was not saved.
    virtual bool save(Document &document) = 0;
    // Closes the document's window, which asks queryUnload on its way.
    virtual void closeWindow(Document &document) = 0;
};

// When a document may close. Nothing is remembered between two closes: every
// close asks afresh, so a picture changed after an Exit was cancelled is asked
// about again.
namespace ClosePolicy {

// The close prompt of one window (its close box, Close, Close all): brings the
// window to the front when several are open, closes an unchanged picture
// without asking, and otherwise asks. No clears the changed flag; Yes saves
// and closes only when the picture was saved; Cancel keeps the window.
bool queryUnload(Workspace &documents, Document &document, CloseHost &host);

// Exit: asks every document in window-list order before any closes. When one
// refuses, all stay open and those answered No get their changed flag back,
// since they did not close after all; false. Otherwise every window closes
// (asking again finds nothing changed) and the answer is whether all did.
bool exit(Workspace &documents, CloseHost &host);

}

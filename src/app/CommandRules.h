#pragma once

#include <QString>

// What the enabled state of a command depends on.
enum class CommandNeed {
    Nothing, // always enabled
    Document, // a document window is open
    Selection, // a document window is open and its floating selection exists
    UndoStep, // the active document has a step to undo
    RedoStep, // the active document has a step to redo
};

// The facts the enabled states are computed from.
struct CommandContext
{
    bool documentOpen = false;
    bool selection = false;
    bool canUndo = false;
    bool canRedo = false;
};

// Which commands are enabled when. The main window recomputes every state from
// the context whenever it changes, so no command can be left enabled for a
// state that no longer holds.
namespace CommandRules {

CommandNeed menuNeed(const QString &itemName);
CommandNeed toolbarNeed(const QString &key);
bool isEnabled(CommandNeed need, const CommandContext &context);

// Captions of Undo and Redo, which also serve as their buttons' tooltips.
QString undoCaption(bool canUndo);
QString redoCaption(bool canRedo);

}

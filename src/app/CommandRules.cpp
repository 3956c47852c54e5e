#include "app/CommandRules.h"

#include <QSet>

namespace CommandRules {

namespace {

QSet<QString> names(std::initializer_list<const char *> list)
{
    QSet<QString> set;
    for (const char *name : list)
        set.insert(QString::fromUtf8(name));
    return set;
}

}

CommandNeed menuNeed(const QString &itemName)
{
    // Copy, clear, the flips and the effects menu need a selection to act on;
    // they sit inside document menus, so a selection implies a document. The
    // gradient fill dialog opens only over a selection.
    static const QSet<QString> selection = names({ "mnuEditCopy", "mnuEditCls", "mnuviewfanzhuan1",
        "mnuviewfanzhuan2", "mnuviewfanzhuan3", "mnuview", "mnuviewjianbianse" });
    static const QSet<QString> document = names(
        { "mnuFileClose", "mnuAllFileClose", "mnuFileSave", "mnuFileSaveAs", "mnuAllFileSave",
            "mnuFileProperties", "mnuFilePageSetup", "mnuFilePrint", "mnuedit", "mnudraw" });
    if (itemName == QLatin1String("mnuEditUndo"))
        return CommandNeed::UndoStep;
    if (itemName == QLatin1String("mnuEditRedo"))
        return CommandNeed::RedoStep;
    if (selection.contains(itemName))
        return CommandNeed::Selection;
    if (document.contains(itemName))
        return CommandNeed::Document;
    return CommandNeed::Nothing;
}

CommandNeed toolbarNeed(const QString &key)
{
    static const QSet<QString> selection
        = names({ "复制", "水平翻转", "垂直翻转", "对角翻转", "柔化", "锐化", "浮雕", "油化" });
    static const QSet<QString> document = names({ "保存", "打印", "属性", "粘贴", "图片字体",
        "背景色", "前景色", "最大化", "横向排列", "纵向排列", "层叠排列" });
    if (key == QStringLiteral("撤消"))
        return CommandNeed::UndoStep;
    if (key == QStringLiteral("重复"))
        return CommandNeed::RedoStep;
    if (selection.contains(key))
        return CommandNeed::Selection;
    if (document.contains(key))
        return CommandNeed::Document;
    return CommandNeed::Nothing;
}

bool isEnabled(CommandNeed need, const CommandContext &context)
{
    switch (need) {
    case CommandNeed::Nothing:
        return true;
    case CommandNeed::Document:
        return context.documentOpen;
    case CommandNeed::Selection:
        return context.documentOpen && context.selection;
    case CommandNeed::UndoStep:
        return context.documentOpen && context.canUndo;
    case CommandNeed::RedoStep:
        return context.documentOpen && context.canRedo;
    }
    return false;
}

QString undoCaption(bool canUndo)
{
    return canUndo ? QStringLiteral("撤消") : QStringLiteral("无法撤消");
}

QString redoCaption(bool canRedo)
{
    return canRedo ? QStringLiteral("重复") : QStringLiteral("无法重复");
}

}

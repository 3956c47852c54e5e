#include "app/ui/MainToolBar.h"

#include "app/CommandRules.h"
#include "app/ToolbarTable.h"
#include "app/WindowArrangement.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QToolButton>

namespace {

bool isWindowButton(const QString &key)
{
    for (int mode = WindowArrangement::Cascade; mode <= WindowArrangement::None; ++mode) {
        if (WindowArrangement::toolbarKeyFor(mode) == key)
            return true;
    }
    return false;
}

}

MainToolBar::MainToolBar(QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("tbToolBar"));
    setWindowTitle(QStringLiteral("工具栏"));
    setMovable(false);
    setFloatable(false);
    setIconSize(QSize(16, 16));
    int group = 0;
    for (const ToolbarButton &entry : ToolbarTable::buttons()) {
        if (group != 0 && entry.group != group)
            addSeparator();
        group = entry.group;
        QAction *action = addAction(entry.key);
        action->setObjectName(entry.key);
        action->setProperty("Key", entry.key);
        action->setToolTip(entry.tooltip);
        // The window buttons show which arrangement is current.
        action->setCheckable(isWindowButton(entry.key));
        const QString path = ToolbarTable::iconPath(entry);
        auto *tool = qobject_cast<QToolButton *>(widgetForAction(action));
        if (QFile::exists(path)) {
            action->setIcon(QIcon(path));
        } else if (tool) {
            // Until its icon exists the button shows its key.
            tool->setToolButtonStyle(Qt::ToolButtonTextOnly);
        }
        const QString key = entry.key;
        connect(action, &QAction::triggered, this, [this, key] { emit buttonClicked(key); });
        m_buttons.insert(entry.key, action);
    }
}

void MainToolBar::refresh(const CommandContext &context, int arrangement)
{
    for (auto it = m_buttons.cbegin(); it != m_buttons.cend(); ++it) {
        it.value()->setEnabled(
            CommandRules::isEnabled(CommandRules::toolbarNeed(it.key()), context));
        if (it.value()->isCheckable())
            it.value()->setChecked(WindowArrangement::isButtonPressed(it.key(), arrangement));
    }
    button(QStringLiteral("撤消"))->setToolTip(CommandRules::undoCaption(context.canUndo));
    button(QStringLiteral("重复"))->setToolTip(CommandRules::redoCaption(context.canRedo));
}

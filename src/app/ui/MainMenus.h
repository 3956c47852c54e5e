#pragma once

#include <QHash>
#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

class ModeMenu;
class QAction;
class QMainWindow;
class QMenu;
struct CommandContext;

// The main window's menu tree and the text box's context menu `mnuquick1`.
// Every menu and item carries its control name as object name; a click on an
// item emits `command` with that name. Check marks and enabled states are set
// from the engine's state by `refresh`.
class MainMenus : public QObject
{
    Q_OBJECT
public:
    explicit MainMenus(QMainWindow *window);

    QAction *action(const QString &name) const { return m_actions.value(name); }
    QMenu *menu(const QString &name) const { return m_menus.value(name); }
    QMenu *contextMenu() const { return m_quick; }
    const QHash<QString, QAction *> &actions() const { return m_actions; }
    // Every key a menu item answers to.
    QList<QKeySequence> shortcuts() const;

    void refresh(const CommandContext &context, const ModeMenu &drawMode, const ModeMenu &pasteMode,
        int arrangement);

signals:
    void command(const QString &name);

private:
    QMenu *addMenu(QWidget *parent, const char *name, const char *caption);
    QAction *addItem(
        QMenu *menu, const char *name, const char *caption, const char *shortcut = nullptr);
    QAction *addCheckItem(QMenu *menu, const char *name, const char *caption, const char *shortcut);
    void addSeparator(QMenu *menu, const char *name);
    void addModeMenu(QMenu *menu, const ModeMenu &modes, const char *caption);
    void buildFile(QMainWindow *window);
    void buildEdit(QMainWindow *window);
    void buildEffects(QMainWindow *window);
    void buildOptions(QMainWindow *window);
    void buildWindow(QMainWindow *window);
    void buildHelp(QMainWindow *window);
    void buildTextBoxMenu(QMainWindow *window);

    QHash<QString, QAction *> m_actions;
    QHash<QString, QMenu *> m_menus;
    QMenu *m_quick = nullptr;
};

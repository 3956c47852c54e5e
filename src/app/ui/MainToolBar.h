#pragma once

#include <QHash>
#include <QToolBar>

struct CommandContext;

// The toolbar `tbToolBar`: 24 buttons in eight groups, each named by its key.
// A click emits `buttonClicked` with the key; what it runs is looked up from
// the key alone.
class MainToolBar : public QToolBar
{
    Q_OBJECT
public:
    explicit MainToolBar(QWidget *parent = nullptr);

    QAction *button(const QString &key) const { return m_buttons.value(key); }

    void refresh(const CommandContext &context, int arrangement);

signals:
    void buttonClicked(const QString &key);

private:
    QHash<QString, QAction *> m_buttons;
};

// Every menu key reaches its own item, with several document windows open,
// and no key reaches an item its menu does not allow.
#include "support/MainWindowFixture.h"

#include "app/ui/MainMenus.h"

#include <QSignalBlocker>
#include <QTest>

namespace {

class ShortcutRoutingTest : public MainWindowTest
{
protected:
    ShortcutRoutingTest()
    {
        QApplication::setActiveWindow(&main);
        for (auto it = menus().actions().cbegin(); it != menus().actions().cend(); ++it) {
            const QString name = it.key();
            QObject::connect(
                it.value(), &QAction::triggered, &main, [this, name] { fired << name; });
        }
    }

    MainMenus &menus() { return *main.findChild<MainMenus *>(); }

    // The key as the user presses it: to the widget holding the focus, inside
    // the active document window when there is one.
    void press(const QKeySequence &key)
    {
        fired.clear();
        QWidget *target = QApplication::focusWidget();
        QTest::keySequence(target ? target : static_cast<QWidget *>(&main), key);
        settle();
    }

    QStringList fired;
};

}

TEST_F(ShortcutRoutingTest, EveryMenuKeyRunsItsOwnItemWithSeveralWindowsOpen)
{
    run("mnuFileNew");
    run("mnuFileNew");
    main.editWindow(2)->setFocus();
    settle();
    ASSERT_EQ(main.documentWindows().size(), 3);
    // The items still fire, but no command runs: the keys are the subject here,
    // not what Exit, New or the dialogs do.
    const QSignalBlocker quiet(&menus());
    int keys = 0;
    for (auto it = menus().actions().cbegin(); it != menus().actions().cend(); ++it) {
        if (it.value()->shortcut().isEmpty())
            continue;
        // Every item is enabled: when a key may run is the command rules' subject.
        for (QAction *item : menus().actions())
            item->setEnabled(true);
        press(it.value()->shortcut());
        EXPECT_EQ(fired, QStringList(it.key())) << it.value()->shortcut().toString().toStdString();
        ++keys;
    }
    EXPECT_GT(keys, 60);
}

TEST_F(ShortcutRoutingTest, CtrlWChoosesTheFontWithWindowsOpen)
{
    run("mnuFileNew");
    main.editWindow(1)->setFocus();
    const QSignalBlocker quiet(&menus());
    press(QKeySequence(QStringLiteral("Ctrl+W")));
    EXPECT_EQ(fired, QStringList(QStringLiteral("mnufont")));
    EXPECT_EQ(main.documentWindows().size(), 2) << "no document window closed";
}

// Qt 6.4 does not run the key of an enabled item whose menu is disabled, so
// an item's own rule need not repeat its menu's.
TEST_F(ShortcutRoutingTest, ItemsOfADisabledMenuDoNotAnswerTheirKeys)
{
    run("mnuFileClose");
    ASSERT_EQ(active(), nullptr);
    ASSERT_FALSE(action("mnuedit")->isEnabled());
    ASSERT_TRUE(action("mnuEditPaste")->isEnabled()) << "paste's own rule needs nothing";
    press(QKeySequence(QStringLiteral("Ctrl+V")));
    EXPECT_TRUE(fired.isEmpty()) << "paste without a picture";
    press(QKeySequence(QStringLiteral("Ctrl+F3")));
    EXPECT_TRUE(fired.isEmpty()) << "a draw mode without a picture";

    run("mnuFileNew");
    main.editWindow(1)->setFocus();
    ASSERT_FALSE(action("mnuview")->isEnabled()) << "no selection";
    ASSERT_TRUE(action("mnuviewsmooth")->isEnabled());
    press(QKeySequence(QStringLiteral("F8")));
    EXPECT_TRUE(fired.isEmpty()) << "soften without a selection";
    press(QKeySequence(QStringLiteral("Ctrl+V")));
    EXPECT_EQ(fired, QStringList(QStringLiteral("mnuEditPaste")));

    active()->hBoolSelect = true;
    emit module().commandsChanged();
    press(QKeySequence(QStringLiteral("F8")));
    EXPECT_EQ(fired, QStringList(QStringLiteral("mnuviewsmooth")));
}

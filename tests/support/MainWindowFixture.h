#pragma once

#include "app/ModuleMain.h"
#include "app/ui/FrmMain.h"
#include "document/Document.h"
#include "document/ui/FrmEdit.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

// A shown main window after start-up, with shortcuts to its parts by name.
class MainWindowTest : public ::testing::Test
{
protected:
    MainWindowTest()
    {
        main.show();
        settle();
    }

    static void settle() { QApplication::processEvents(); }

    QAction *action(const char *name) const
    {
        auto *a = main.findChild<QAction *>(QString::fromUtf8(name));
        EXPECT_NE(a, nullptr) << name;
        return a;
    }

    void run(const char *name)
    {
        action(name)->trigger();
        settle();
    }

    ModuleMain &module() { return main.module(); }
    Document *active() { return module().ActiveEdit(); }

    FrmMain main;
};

// Cascading the document windows: each keeps a useful size with its canvas in
// view, every title bar shows, and a window opened while the windows are
// cascaded joins the cascade at the same size.
#include "support/MainWindowFixture.h"

#include "app/WindowArrangement.h"
#include "app/ui/WindowArranger.h"

namespace {

class Cascade : public MainWindowTest
{
protected:
    QRect area() const { return WindowArranger::workArea(*main.workArea()); }

    // The part of the window's canvas that its viewport shows, in pixels.
    static QSize canvasInView(QMdiSubWindow *window)
    {
        auto *viewport = window->findChild<QWidget *>(QStringLiteral("viewport"));
        auto *canvas = window->findChild<QWidget *>(QStringLiteral("Picture1"));
        if (!viewport || !canvas || !viewport->isVisible())
            return {};
        return (canvas->geometry() & viewport->rect()).size();
    }

    void expectCascaded(const QList<QMdiSubWindow *> &windows)
    {
        const QSize step = WindowArranger::cascadeStep(*windows.first());
        ASSERT_GT(step.height(), 10) << "a step shows a title bar";
        const QSize size = windows.first()->size();
        EXPECT_GE(size.width(), area().width() / 2);
        EXPECT_GE(size.height(), area().height() / 2);
        QList<QPoint> corners;
        for (QMdiSubWindow *window : windows) {
            SCOPED_TRACE(window->windowTitle().toStdString());
            EXPECT_EQ(window->size(), size);
            EXPECT_TRUE(area().contains(window->geometry()));
            const QSize shown = canvasInView(window);
            EXPECT_GE(shown.width(), 100);
            EXPECT_GE(shown.height(), 100);
            corners << window->pos();
        }
        std::sort(corners.begin(), corners.end(), [](QPoint a, QPoint b) { return a.y() < b.y(); });
        for (qsizetype k = 1; k < corners.size(); ++k)
            EXPECT_EQ(corners[k] - corners[k - 1], QPoint(step.width(), step.height()));
        EXPECT_EQ(corners.last() + QPoint(size.width(), size.height()),
            area().bottomRight() + QPoint(1, 1));
    }
};

}

TEST_F(Cascade, LeavesEveryWindowAUsefulSizeWithItsCanvasInView)
{
    run("mnuFileNew");
    run("mnuFileNew");
    run("mnuWindowCascade");
    ASSERT_EQ(module().hArrange, WindowArrangement::Cascade);
    expectCascaded(main.documentWindows());
    // The active window stands last, on top, whole.
    QMdiSubWindow *front = main.workArea()->activeSubWindow();
    ASSERT_NE(front, nullptr);
    EXPECT_EQ(front->pos(),
        area().bottomRight() - QPoint(front->width(), front->height()) + QPoint(1, 1));
}

TEST_F(Cascade, ANewWindowJoinsTheCascadeAtTheSameSize)
{
    run("mnuFileNew");
    main.tbToolBar_ButtonClick(QStringLiteral("层叠排列"));
    settle();
    run("mnuFileNew");
    const QList<QMdiSubWindow *> windows = main.documentWindows();
    ASSERT_EQ(windows.size(), 3);
    expectCascaded(windows);
    EXPECT_EQ(main.workArea()->activeSubWindow(), windows.last());
    EXPECT_EQ(active(), module().hEditList(3));
}

TEST_F(Cascade, AMaximisedWindowIsCascadedTooAndMinimisedOnesStayIcons)
{
    run("mnuFileNew");
    run("mnuFileNew");
    QList<QMdiSubWindow *> windows = main.documentWindows();
    windows[0]->showMinimized();
    windows[2]->showMaximized();
    settle();
    run("mnuWindowCascade");
    EXPECT_TRUE(windows[0]->isMinimized());
    EXPECT_FALSE(windows[2]->isMaximized());
    expectCascaded({ windows[1], windows[2] });
}

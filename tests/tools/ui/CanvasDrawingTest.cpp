// Drawing on the canvas window with the pointer: events reach the tools, the
// rubber band is shown but never enters the picture, the read-out follows the
// pointer and the right button opens the Edit menu.
#include "document/ColourToolModel.h"
#include "document/RubberBand.h"
#include "document/ui/CanvasView.h"
#include "raster/PictureSurface.h"
#include "support/MainWindowFixture.h"
#include "tools/ToolCode.h"

#include <QMenu>
#include <QTest>

namespace {

class CanvasDrawingTest : public MainWindowTest
{
protected:
    QWidget *canvas() { return main.findChild<QWidget *>(QStringLiteral("Picture1")); }

    // A point of the drawing, in the canvas widget (inside its border).
    static QPoint at(int x, int y)
    {
        return QPoint(x + CanvasView::BorderPixels, y + CanvasView::BorderPixels);
    }

    void press(int x, int y)
    {
        QTest::mousePress(canvas(), Qt::LeftButton, Qt::NoModifier, at(x, y));
    }
    void move(int x, int y, Qt::MouseButtons held = Qt::LeftButton)
    {
        QMouseEvent e(QEvent::MouseMove, at(x, y), canvas()->mapToGlobal(at(x, y)), Qt::NoButton,
            held, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &e);
    }
    void release(int x, int y)
    {
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, at(x, y));
    }

    quint32 shown(int x, int y)
    {
        settle();
        return canvas()->grab().toImage().pixel(at(x, y)) & 0xFFFFFF;
    }
    quint32 picture(int x, int y) { return active()->Picture1().Image().pixel(x, y) & 0xFFFFFF; }
};

}

TEST_F(CanvasDrawingTest, ARectangleDraggedOutIsShownThenDrawnAndUndone)
{
    module().hTool = ToolCode::Rectangle;
    press(20, 20);
    move(60, 50);
    EXPECT_EQ(shown(20, 35), 0xFFFFFFu ^ 0x000000u) << "white XOR black pen is still white";
    module().colourTool().setPictureForecolor(0xFF0000); // blue pen shows as XOR
    move(70, 50);
    EXPECT_TRUE(active()->rubberBand().isVisible());
    EXPECT_EQ(picture(70, 35), 0xFFFFFFu) << "the band is not in the picture";
    release(80, 60);
    EXPECT_FALSE(active()->rubberBand().isVisible());
    EXPECT_TRUE(active()->DataChanged());
    EXPECT_TRUE(action("mnuEditUndo")->isEnabled());
    run("mnuEditUndo");
    EXPECT_EQ(picture(20, 40), 0xFFFFFFu);
}

TEST_F(CanvasDrawingTest, TheBandIsShownOverThePicture)
{
    module().hTool = ToolCode::Line;
    module().colourTool().setPictureFillColor(0x0000FF);
    press(10, 10);
    move(100, 10);
    EXPECT_EQ(shown(50, 10), 0xFFFFFFu ^ 0xFF0000u) << "red XOR white, in screen RGB";
    EXPECT_EQ(picture(50, 10), 0xFFFFFFu);
    release(100, 10);
    EXPECT_EQ(picture(50, 10), 0xFF0000u) << "the line in the drawing colour";
    EXPECT_EQ(shown(50, 10), 0xFF0000u);
}

TEST_F(CanvasDrawingTest, TheReadOutFollowsThePointer)
{
    EXPECT_TRUE(canvas()->hasMouseTracking()) << "the read-out follows a hovering pointer too";
    move(120, 45, Qt::NoButton);
    EXPECT_EQ(module().colourTool().Text1(), "120  45");
}

TEST_F(CanvasDrawingTest, RightPressOpensTheEditMenuAndMovesTheAnchor)
{
    auto *menu = main.findChild<QMenu *>(QStringLiteral("mnuedit"));
    ASSERT_NE(menu, nullptr);
    QTest::mousePress(canvas(), Qt::RightButton, Qt::NoModifier, at(30, 40));
    settle();
    EXPECT_TRUE(menu->isVisible());
    menu->hide();
    EXPECT_EQ(active()->anchors.hStartx, 30 * 15);
    EXPECT_EQ(active()->anchors.hStarty, 40 * 15);
    EXPECT_FALSE(active()->DataChanged());
}

// A right press during a drag pops the Edit menu up, and the menu grabs the
// pointer: the releases while it is open go to it, not to the canvas.
TEST_F(CanvasDrawingTest, AReleaseTheEditMenuTookFinishesTheFigure)
{
    module().hTool = ToolCode::Rectangle;
    auto *menu = main.findChild<QMenu *>(QStringLiteral("mnuedit"));
    ASSERT_NE(menu, nullptr);
    press(20, 20);
    move(60, 50);
    QTest::mousePress(canvas(), Qt::RightButton, Qt::NoModifier, at(60, 50));
    settle();
    ASSERT_TRUE(menu->isVisible());
    for (Qt::MouseButton b : { Qt::RightButton, Qt::LeftButton })
        QTest::mouseRelease(menu, b, Qt::NoModifier, QPoint(-10, -10));
    EXPECT_EQ(picture(40, 20), 0xFFFFFFu) << "nothing is drawn while the menu is open";
    menu->hide();
    settle();
    EXPECT_FALSE(active()->rubberBand().isVisible());
    EXPECT_EQ(picture(40, 20), 0x000000u) << "the box from its own anchor to the last move";
    EXPECT_EQ(picture(60, 35), 0x000000u);
    EXPECT_TRUE(active()->DataChanged());
    run("mnuEditUndo");
    EXPECT_EQ(picture(40, 20), 0xFFFFFFu);
}

TEST_F(CanvasDrawingTest, TheDragGoesOnAfterTheEditMenuCloses)
{
    module().hTool = ToolCode::Rectangle;
    auto *menu = main.findChild<QMenu *>(QStringLiteral("mnuedit"));
    ASSERT_NE(menu, nullptr);
    press(20, 20);
    move(60, 50);
    QTest::mousePress(canvas(), Qt::RightButton, Qt::NoModifier, at(60, 50));
    settle();
    QTest::mouseRelease(menu, Qt::RightButton, Qt::NoModifier, QPoint(-10, -10));
    menu->hide();
    settle();
    EXPECT_TRUE(active()->rubberBand().isVisible()) << "the left button is still down";
    move(90, 70);
    release(90, 70);
    EXPECT_EQ(picture(55, 20), 0x000000u);
    EXPECT_EQ(picture(90, 45), 0x000000u) << "the box reaches the release";
}

TEST_F(CanvasDrawingTest, ADoubleClickEndsAPolyline)
{
    module().hTool = ToolCode::Polyline;
    press(10, 10);
    move(50, 10);
    release(50, 10);
    EXPECT_TRUE(active()->anchors.hPolylineStarted);
    // A double click arrives as press, release, double click, release.
    press(50, 40);
    release(50, 40);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, at(50, 40), canvas()->mapToGlobal(at(50, 40)),
        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas(), &dbl);
    release(50, 40);
    EXPECT_FALSE(active()->anchors.hPolylineStarted);
    EXPECT_EQ(picture(50, 25), 0x000000u) << "the last segment reaches the double click";
}

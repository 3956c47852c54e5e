// The floating selection in the windows: dragged with the mouse, moved with
// the keys, put down, copied and pasted through the real clipboard, with the
// Edit commands enabled as the selection comes and goes.
#include "base/Twips.h"
#include "document/FloatingSelection.h"
#include "document/ui/CanvasView.h"
#include "raster/PictureSurface.h"
#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"
#include "support/SurfaceTestUtil.h"
#include "tools/PaletteValues.h"
#include "tools/SelectionTools.h"
#include "tools/ToolChooser.h"
#include "tools/ToolCode.h"
#include "tools/ToolPaletteModel.h"

#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

namespace {

class SelectionWindowTest : public MainWindowTest
{
protected:
    SelectionWindowTest()
    {
        module().hTool = ToolCode::SelectRegion;
        active()->Picture1().setImage(
            noiseImage(active()->Picture1().pixelWidth(), active()->Picture1().pixelHeight(), 11));
        original = active()->Picture1().Image().copy();
    }
    CanvasView *canvas() { return main.editWindow(1)->canvas(); }
    static QPoint at(int x, int y)
    {
        return QPoint(x + CanvasView::BorderPixels, y + CanvasView::BorderPixels);
    }
    void press(int x, int y, Qt::MouseButton b = Qt::LeftButton)
    {
        QTest::mousePress(canvas(), b, Qt::NoModifier, at(x, y));
    }
    void move(int x, int y)
    {
        QMouseEvent e(QEvent::MouseMove, at(x, y), canvas()->mapToGlobal(at(x, y)), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas(), &e);
    }
    void release(int x, int y)
    {
        QTest::mouseRelease(canvas(), Qt::LeftButton, Qt::NoModifier, at(x, y));
    }
    void drag(int x0, int y0, int x1, int y1)
    {
        press(x0, y0);
        move((x0 + x1) / 2, (y0 + y1) / 2);
        move(x1, y1);
        release(x1, y1);
    }
    QImage picture() { return active()->Picture1().Image(); }
    QImage shown()
    {
        settle();
        return canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    bool enabled(const char *name) { return action(name)->isEnabled(); }

    QImage original;
};

}

TEST_F(SelectionWindowTest, ASelectionDraggedWithTheMouseLandsWhereItWasDroppedOnCommit)
{
    EXPECT_FALSE(enabled("mnuEditCopy"));
    drag(10, 10, 40, 30);
    ASSERT_TRUE(active()->hBoolSelect);
    EXPECT_TRUE(enabled("mnuEditCopy")) << "a selection enables copy and clear";
    EXPECT_TRUE(enabled("mnuEditCls"));
    auto *timer = main.editWindow(1)->findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_NE(timer, nullptr);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);

    // The handle at the bottom-right corner shows yellow; the picture is untouched.
    const QImage frame = shown();
    EXPECT_EQ(frame.pixel(at(42, 32)) & 0xFFFFFF, 0xFFFF00u);
    EXPECT_EQ(picture(), original);

    // Grab the floating picture at (20, 20) and drop it 50 right, 40 down.
    drag(20, 20, 70, 60);
    EXPECT_EQ(shown().copy(QRect(at(60, 50), QSize(30, 20))), original.copy(10, 10, 30, 20))
        << "the view shows the floating picture where it was dropped";
    EXPECT_EQ(picture(), original);

    QTest::keyClick(main.editWindow(1), Qt::Key_Right);
    press(200, 150);
    release(200, 150);
    EXPECT_EQ(picture().copy(61, 50, 30, 20), original.copy(10, 10, 30, 20));
    EXPECT_EQ(picture().copy(10, 10, 30, 20), original.copy(10, 10, 30, 20));
    EXPECT_TRUE(enabled("mnuEditUndo"));
    run("mnuEditUndo");
    EXPECT_EQ(picture(), original);
    EXPECT_FALSE(timer->isActive()) << "undo dropped the selection and its outlines";
    EXPECT_FALSE(enabled("mnuEditCopy"));
}

TEST_F(SelectionWindowTest, AHandleDraggedWithTheMouseSelectsMoreOfTheCanvas)
{
    drag(10, 10, 40, 30);
    // The bottom-right handle stands at the picture's corner (40, 30); the pointer
    // moves its top-left corner, which moves the edges.
    drag(40, 30, 60, 40);
    EXPECT_EQ(active()->selection().picture().Image(), original.copy(10, 10, 50, 30));
    QTest::keyClick(main.editWindow(1), Qt::Key_Return);
    EXPECT_FALSE(active()->hBoolSelect) << "Enter puts it down";
    EXPECT_EQ(picture(), original);
    EXPECT_TRUE(enabled("mnuEditUndo"));
}

TEST_F(SelectionWindowTest, CopyAndPasteGoThroughTheSystemClipboard)
{
    drag(10, 10, 30, 20);
    run("mnuEditCopy");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
        original.copy(10, 10, 20, 10));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(main.editWindow(1), &enter);

    QImage outside(8, 6, QImage::Format_RGB32);
    outside.fill(QColor(10, 200, 30));
    QGuiApplication::clipboard()->setImage(outside);
    // A right click moves the paste point; the Edit menu it opens is closed again.
    press(100, 80, Qt::RightButton);
    settle();
    if (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    settle();
    run("mnuEditPaste");
    ASSERT_TRUE(active()->hBoolSelect);
    EXPECT_EQ(active()->selection().rect(), QRectF(1500, 1200, 120, 90));
    run("mnuEditselect");
    EXPECT_EQ(active()->selection().rect().topLeft(), QPointF(0, 0));

    // The toolbar's Copy and Paste run the same commands, and Copy follows the selection.
    auto *bar = main.findChild<QToolBar *>(QStringLiteral("tbToolBar"));
    auto *copyButton = bar->findChild<QAction *>(QStringLiteral("复制"));
    ASSERT_NE(copyButton, nullptr);
    EXPECT_TRUE(copyButton->isEnabled());
    main.tbToolBar_ButtonClick(QStringLiteral("复制"));
    EXPECT_EQ(
        QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), original);
    main.tbToolBar_ButtonClick(QStringLiteral("粘贴"));
    EXPECT_EQ(active()->selection().rect(),
        QRectF(0, 0, original.width() * 15.0, original.height() * 15.0));

    QGuiApplication::clipboard()->setText(QStringLiteral("no picture"));
    run("mnuEditCls");
    run("mnuEditPaste");
    EXPECT_EQ(active()->selection().picture().Image().size(), picture().size())
        << "text on the clipboard: paste does nothing";
}

TEST_F(SelectionWindowTest, AClipboardPictureTooLargeIsRefusedWithAMessage)
{
    QGuiApplication::clipboard()->setImage(
        QImage(PictureSurface::MaxSide + 1, 2, QImage::Format_RGB32));
    ModalAnswer answer({ QMessageBox::Ok });
    run("mnuEditPaste");
    EXPECT_EQ(answer.names, QStringList { QStringLiteral("PasteTooLarge") });
    EXPECT_FALSE(active()->hBoolSelect);
}

TEST_F(SelectionWindowTest, TheBlinkRepaintsTheOutlineAlone)
{
    drag(10, 10, 200, 150);
    settle();
    QRegion repainted;
    QObject::connect(&active()->selection(), &FloatingSelection::changed,
        [&](const QRegion &r) { repainted += r; });
    auto *timer = main.editWindow(1)->findChild<QTimer *>(QStringLiteral("Timer1"));
    QSignalSpy ticks(timer, &QTimer::timeout);
    ASSERT_TRUE(ticks.wait(500));
    qint64 pixels = 0;
    for (const QRect &r : repainted)
        pixels += qint64(r.width()) * r.height();
    const QRect outline = Twips::toPixelRect(*active()->selection().outline());
    EXPECT_LE(pixels, 2 * (outline.width() + outline.height()));
    EXPECT_GT(pixels, 0);
}

TEST_F(SelectionWindowTest, TheScaleToolEnlargesTheCanvasWindowAndSetsTheLineWidthBox)
{
    module().hTool = ToolCode::ScaleImage;
    const QSize before = picture().size();
    press(5, 5);
    release(5, 5);
    EXPECT_EQ(picture().size(), before * 3);
    EXPECT_EQ(canvas()->size(), before * 3 + QSize(2, 2));
    EXPECT_EQ(module().tools().values().Text1(), QStringLiteral("3"));
    press(5, 5);
    EXPECT_EQ(picture(), original);
}

// A canvas 11000 pixels wide would pass 32767 at three times: the window says
// so and keeps the picture and the line width as they were.
TEST_F(SelectionWindowTest, TheScaleToolRefusesACanvasTooWideToEnlarge)
{
    module().hTool = ToolCode::ScaleImage;
    active()->Picture1().setImage(noiseImage(11000, 2, 12));
    const QImage wide = picture().copy();
    ModalAnswer answer({ QMessageBox::Ok });
    press(1, 1);
    release(1, 1);
    settle();
    ASSERT_EQ(answer.names, QStringList { QStringLiteral("NoticeBox") });
    EXPECT_EQ(answer.texts.front(), ScaleTool::tooLargeMessage());
    EXPECT_EQ(picture(), wide);
    EXPECT_FALSE(active()->hZoomed);
    EXPECT_NE(module().tools().values().Text1(), QStringLiteral("3"));
}

TEST_F(SelectionWindowTest, ChoosingAnotherToolDropsTheSelectionUnpainted)
{
    drag(10, 10, 40, 30);
    auto *bar = main.findChild<QToolBar *>(QStringLiteral("tbToolBar"));
    ASSERT_TRUE(bar->findChild<QAction *>(QStringLiteral("复制"))->isEnabled());
    module().tools().chooser().CommandGotFocus(3); // another palette tool
    settle();
    EXPECT_FALSE(active()->hBoolSelect);
    EXPECT_FALSE(bar->findChild<QAction *>(QStringLiteral("复制"))->isEnabled());
    EXPECT_FALSE(main.editWindow(1)->Timer1()->isActive());
    EXPECT_EQ(picture(), original);
}

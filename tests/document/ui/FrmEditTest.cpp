#include "support/FileDialogAnswer.h"
#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include "colour/ui/FrmColorTool.h"
#include "document/CanvasInput.h"
#include "document/ClosePrompt.h"
#include "document/RubberBand.h"
#include "document/ui/CanvasView.h"
#include "document/ui/FrmEdit.h"
#include "document/ui/SizeHandleWidget.h"
#include "raster/PictureSurface.h"
#include "tools/ToolCode.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

namespace {

void dragInside(QWidget *handle, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(at), handle->mapToGlobal(QPointF(at)), Qt::NoButton,
        Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(handle, &move);
}

// A left-button event sent straight to the widget, as one already queued for it would arrive.
void deliver(QWidget *widget, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(
        type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

}

using FrmEditTest = MainWindowTest;

TEST_F(FrmEditTest, ANewCanvasFitsItsWindowWithNothingToScroll)
{
    FrmEdit *edit = main.editWindow(1);
    EXPECT_EQ(edit->VScroll1()->maximum(), 0);
    EXPECT_EQ(edit->HScroll1()->maximum(), 0);
    const QRectF box = active()->canvasRect();
    const double bar = edit->VScroll1()->width() * 15.0;
    EXPECT_EQ(box.width(), edit->width() * 15.0 - bar - 25);
    EXPECT_EQ(box.height(), edit->height() * 15.0 - edit->HScroll1()->height() * 15.0 - 25);
}

TEST_F(FrmEditTest, HandlesResizeTheCanvasWithinItsLimits)
{
    FrmEdit *edit = main.editWindow(1);
    auto *right = edit->findChild<SizeHandleWidget *>("widthsizePicture");
    auto *corner = edit->findChild<SizeHandleWidget *>("bothsizePicture");
    ASSERT_NE(right, nullptr);
    ASSERT_NE(corner, nullptr);
    const QRectF before = active()->canvasRect();
    active()->setDataChanged(false);

    dragInside(right, QPoint(10, 3));
    EXPECT_EQ(active()->canvasRect().width(), before.width() + 150);
    EXPECT_EQ(active()->canvasRect().height(), before.height());
    EXPECT_TRUE(active()->DataChanged());
    EXPECT_GT(edit->HScroll1()->maximum(), 0);
    EXPECT_EQ(right->x(), edit->canvas()->x() + edit->canvas()->width());

    dragInside(right, QPoint(-5000, 0));
    EXPECT_EQ(active()->canvasRect().width(), 1);
    dragInside(corner, QPoint(5000, 5000));
    EXPECT_EQ(active()->canvasRect().size(), QSizeF(36035, 30035));
    EXPECT_EQ(active()->Picture1().pixelWidth(), 2400);
    EXPECT_EQ(main.frmColorTool()->TextX()->text(), "2400");
}

TEST_F(FrmEditTest, ScrollingMovesTheCanvasAndAnEnlargedWindowKeepsTheOffsetReachable)
{
    FrmEdit *edit = main.editWindow(1);
    active()->resizeCanvas(30000, 20000);
    QScrollBar *v = edit->VScroll1();
    ASSERT_GT(v->maximum(), 0);
    v->setValue(v->maximum());
    const int bottom = v->value();
    EXPECT_EQ(active()->canvasRect().top(), -20.0 * bottom);
    EXPECT_EQ(edit->canvas()->y(), qRound(-20.0 * bottom / 15));

    edit->parentWidget()->resize(
        edit->parentWidget()->width(), edit->parentWidget()->height() + 200);
    settle();
    EXPECT_GE(v->maximum(), bottom);
    EXPECT_EQ(v->value(), bottom);
}

TEST_F(FrmEditTest, TheCanvasShowsOneImagePixelPerPixel)
{
    FrmEdit *edit = main.editWindow(1);
    active()->Picture1().PSet(5 * 15, 7 * 15, 0x0000FF);
    const QImage shown = edit->canvas()->grab().toImage();
    EXPECT_EQ(shown.pixel(6, 8) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(shown.pixel(7, 8) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(shown.pixel(0, 0) & 0xFFFFFF, 0x000000u) << "the border";
}

TEST_F(FrmEditTest, TheRadiusGuideBlinksOverThePictureWithoutEnteringIt)
{
    FrmEdit *edit = main.editWindow(1);
    CanvasView *canvas = edit->canvas();
    module().hTool = ToolCode::Arc;
    const QImage before = active()->Picture1().Image().copy();
    EXPECT_FALSE(edit->Timer2()->isActive());
    deliver(canvas, QEvent::MouseButtonPress, QPoint(11, 11));
    deliver(canvas, QEvent::MouseMove, QPoint(41, 11));
    deliver(canvas, QEvent::MouseButtonRelease, QPoint(41, 11));
    EXPECT_TRUE(edit->Timer2()->isActive());
    EXPECT_EQ(edit->Timer2()->interval(), 100);

    // Line1 (black) is shown first, then Line2 (white) over the white canvas.
    QImage shown = canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(25, 11) & 0xFFFFFF, 0x000000u);
    QMetaObject::invokeMethod(edit->Timer2(), "timeout");
    shown = canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(25, 11) & 0xFFFFFF, 0xFFFFFFu);
    QMetaObject::invokeMethod(edit->Timer2(), "timeout");
    shown = canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(25, 11) & 0xFFFFFF, 0x000000u);
    EXPECT_EQ(active()->Picture1().Image(), before) << "the picture never holds the guide";

    // Choosing another tool cancels the radius: the guide goes and the timer stops.
    auto *line = main.findChild<QWidget *>(QStringLiteral("Command2"));
    ASSERT_NE(line, nullptr);
    line->setFocus(Qt::MouseFocusReason);
    EXPECT_FALSE(edit->Timer2()->isActive());
    shown = canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(25, 11) & 0xFFFFFF, 0xFFFFFFu);
}

TEST_F(FrmEditTest, TheSweepPreviewIsAnOverlayAndTheReleasePaintsTheArc)
{
    FrmEdit *edit = main.editWindow(1);
    CanvasView *canvas = edit->canvas();
    module().hTool = ToolCode::Arc;
    deliver(canvas, QEvent::MouseButtonPress, QPoint(51, 51));
    deliver(canvas, QEvent::MouseMove, QPoint(51, 21));
    deliver(canvas, QEvent::MouseButtonRelease, QPoint(51, 21));
    deliver(canvas, QEvent::MouseButtonPress, QPoint(81, 51));
    deliver(canvas, QEvent::MouseMove, QPoint(81, 51));
    // The XOR preview of a black pen on white would not show; the region does.
    EXPECT_TRUE(active()->rubberBand().region().contains(QPoint(65, 50)))
        << "the moving end's radius, previewed";
    EXPECT_EQ(active()->Picture1().Image().pixel(65, 50) & 0xFFFFFF, 0xFFFFFFu);
    deliver(canvas, QEvent::MouseButtonRelease, QPoint(81, 51));
    EXPECT_FALSE(active()->rubberBand().isVisible());
    const QImage shown = canvas->grab().toImage();
    EXPECT_EQ(shown.pixel(66, 51) & 0xFFFFFF, 0xFFFFFFu) << "the finished arc has no radius";
    const QImage &picture = active()->Picture1().Image();
    EXPECT_NE(picture.pixel(50, 20) & 0xFFFFFF, 0xFFFFFFu) << "north, where the sweep starts";
    EXPECT_NE(picture.pixel(80, 50) & 0xFFFFFF, 0xFFFFFFu) << "east, where it ends";
    EXPECT_EQ(picture.pixel(20, 50) & 0xFFFFFF, 0xFFFFFFu) << "west is not swept";
    EXPECT_TRUE(active()->DataChanged());
}

namespace {

struct Recorder : CanvasInput
{
    std::vector<CanvasMouse> downs;
    void mouseDown(const CanvasMouse &e) override { downs.push_back(e); }
    void mouseMove(const CanvasMouse &) override { }
    void mouseUp(const CanvasMouse &) override { }
};

}

TEST_F(FrmEditTest, CanvasPointerEventsArriveInTwipsAtTheDocumentsCurrentInput)
{
    CanvasView *canvas = main.editWindow(1)->canvas();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
    // The document's input is replaced (and the old one destroyed) after the
    // view was made: the view finds the new one.
    auto *recorder = new Recorder;
    active()->setInput(std::unique_ptr<CanvasInput>(recorder));
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, QPoint(11, 6));
    ASSERT_EQ(recorder->downs.size(), 1u);
    EXPECT_EQ(recorder->downs[0].x, 150);
    EXPECT_EQ(recorder->downs[0].y, 75);
    EXPECT_EQ(recorder->downs[0].button, Qt::LeftButton);
}

TEST_F(FrmEditTest, AnEventReachingTheCanvasAfterItsPictureClosedIsIgnored)
{
    module().hTool = ToolCode::Freehand;
    QPointer<CanvasView> canvas = main.editWindow(1)->canvas();
    deliver(canvas, QEvent::MouseButtonPress, QPoint(11, 6));
    deliver(canvas, QEvent::MouseMove, QPoint(15, 9));
    main.documentWindows()[0]->close();
    // The picture is gone; the window is deleted later, so its canvas may
    // still receive what was already on its way.
    ASSERT_EQ(module().hEditCount(), 0);
    ASSERT_FALSE(canvas.isNull());
    deliver(canvas, QEvent::MouseMove, QPoint(40, 30));
    deliver(canvas, QEvent::MouseButtonRelease, QPoint(40, 30));
    deliver(canvas, QEvent::MouseButtonDblClick, QPoint(40, 30));
    settle();
    EXPECT_TRUE(canvas.isNull());
}

TEST_F(FrmEditTest, AnUnchangedPictureClosesWithoutAsking)
{
    ModalAnswer answer({ QMessageBox::Cancel });
    run("mnuFileClose");
    EXPECT_TRUE(answer.texts.isEmpty());
    EXPECT_TRUE(main.documentWindows().isEmpty());
}

TEST_F(FrmEditTest, TheClosePromptAsksWithTheCaptionAndHonoursEachAnswer)
{
    active()->setDataChanged(true);
    {
        ModalAnswer cancel({ QMessageBox::Cancel });
        run("mnuFileClose");
        ASSERT_EQ(cancel.texts.size(), 1);
        EXPECT_EQ(cancel.titles[0], "New Picture 1");
        EXPECT_EQ(cancel.texts[0], ClosePrompt::text(QStringLiteral("New Picture 1")));
        EXPECT_EQ(main.documentWindows().size(), 1);
        EXPECT_TRUE(active()->DataChanged());
    }
    {
        // Yes asks for a name; cancelling that keeps the window open and changed.
        ModalAnswer yes({ QMessageBox::Yes });
        FileDialogAnswer cancelled({ std::nullopt });
        run("mnuFileClose");
        ASSERT_EQ(cancelled.titles.size(), 1);
        EXPECT_EQ(cancelled.titles[0], "保存 New Picture 1");
        EXPECT_EQ(main.documentWindows().size(), 1);
        EXPECT_TRUE(active()->DataChanged());
    }
    {
        ModalAnswer no({ QMessageBox::No });
        run("mnuFileClose");
        EXPECT_EQ(no.texts.size(), 1);
        EXPECT_TRUE(main.documentWindows().isEmpty());
    }
}

TEST_F(FrmEditTest, ThePromptNamesTheWindowBeingClosedAndCentresForLongCaptions)
{
    run("mnuFileNew");
    const QString path = QStringLiteral("/home/user/pictures/holiday/2024/beach-sunset.bmp");
    Document *first = module().hEditList(1);
    first->setCaption(path);
    first->setDataChanged(true);
    ModalAnswer cancel({ QMessageBox::Cancel });
    main.documentWindows()[0]->close();
    settle();
    ASSERT_EQ(cancel.titles.size(), 1);
    EXPECT_EQ(cancel.titles[0], path);
    EXPECT_EQ(cancel.texts[0], ClosePrompt::text(path));
    EXPECT_EQ(active(), first) << "the closing window became the active one";
}

TEST_F(FrmEditTest, ExitStopsWhenAnyWindowRefusesAndEveryLaterExitAsksAgain)
{
    run("mnuFileNew");
    run("mnuFileNew");
    module().hEditList(1)->setDataChanged(true);
    module().hEditList(3)->setDataChanged(true);
    {
        ModalAnswer answers({ QMessageBox::No, QMessageBox::Cancel });
        run("mnuFileExit");
        EXPECT_EQ(answers.texts.size(), 2);
    }
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.documentWindows().size(), 3);
    EXPECT_TRUE(module().hEditList(1)->DataChanged()) << "No did not close it: still changed";
    {
        ModalAnswer answers({ QMessageBox::No, QMessageBox::No });
        run("mnuFileExit");
        EXPECT_EQ(answers.titles, QStringList({ "New Picture 1", "New Picture 3" }));
    }
    EXPECT_FALSE(main.isVisible());
    EXPECT_EQ(module().hEditCount(), 0);
}

TEST_F(FrmEditTest, AWindowLeftOpenByACancelledExitAsksWhenClosedAfterANewChange)
{
    run("mnuFileNew");
    module().hEditList(2)->setDataChanged(true);
    {
        // The first window is unchanged and would close; the second refuses.
        ModalAnswer answers({ QMessageBox::Cancel });
        run("mnuFileExit");
    }
    ASSERT_EQ(main.documentWindows().size(), 2);
    Document *first = module().hEditList(1);
    first->setDataChanged(true);
    ModalAnswer cancel({ QMessageBox::Cancel });
    main.documentWindows()[0]->close();
    settle();
    EXPECT_EQ(cancel.titles, QStringList({ "New Picture 1" }));
    EXPECT_EQ(main.documentWindows().size(), 2);
    EXPECT_TRUE(first->DataChanged());
}

TEST_F(FrmEditTest, ExitAnsweredNoNoCancelKeepsAllThreeChanged)
{
    run("mnuFileNew");
    run("mnuFileNew");
    for (int k = 1; k <= 3; ++k)
        module().hEditList(k)->setDataChanged(true);
    {
        ModalAnswer answers({ QMessageBox::No, QMessageBox::No, QMessageBox::Cancel });
        run("mnuFileExit");
        EXPECT_EQ(answers.texts.size(), 3);
    }
    EXPECT_EQ(main.documentWindows().size(), 3);
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(module().hEditList(k)->DataChanged()) << k;
    {
        ModalAnswer answers({ QMessageBox::Cancel });
        run("mnuFileExit");
        EXPECT_EQ(answers.titles, QStringList({ "New Picture 1" })) << "the next Exit asks again";
    }
    EXPECT_TRUE(main.isVisible());
}

TEST_F(FrmEditTest, CloseAllVisitsEveryWindowAndKeepsTheRefusedOne)
{
    run("mnuFileNew");
    run("mnuFileNew");
    Document *middle = module().hEditList(2);
    middle->setDataChanged(true);
    ModalAnswer cancel({ QMessageBox::Cancel });
    run("mnuAllFileClose");
    ASSERT_EQ(main.documentWindows().size(), 1);
    EXPECT_EQ(module().hEditList(1), middle);
    EXPECT_EQ(middle->Tag(), "1");
}

TEST_F(FrmEditTest, UndoAndRedoCommandsFollowTheActiveHistory)
{
    module().TakeUndoSnapshot(0, 0, 150, 150);
    active()->Picture1().PSet(15, 15, 0x00FF00);
    settle();
    EXPECT_TRUE(action("mnuEditUndo")->isEnabled());
    EXPECT_EQ(action("mnuEditUndo")->text(), "撤消");
    EXPECT_EQ(action("撤消")->toolTip(), "撤消");
    EXPECT_TRUE(action("撤消")->isEnabled());
    EXPECT_FALSE(action("重复")->isEnabled());

    main.tbToolBar_ButtonClick(QStringLiteral("撤消"));
    EXPECT_EQ(active()->Picture1().Image().pixel(1, 1) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_EQ(action("mnuEditUndo")->text(), "无法撤消");
    EXPECT_EQ(action("mnuEditRedo")->text(), "重复");
    EXPECT_EQ(action("重复")->toolTip(), "重复");

    run("mnuEditRedo");
    EXPECT_EQ(active()->Picture1().Image().pixel(1, 1) & 0xFFFFFF, 0x00FF00u);

    // A second window shows its own, empty history; back in the first, its own again.
    Document *first = active();
    run("mnuFileNew");
    EXPECT_EQ(action("mnuEditUndo")->text(), "无法撤消");
    main.workArea()->setActiveSubWindow(main.documentWindows()[0]);
    settle();
    EXPECT_EQ(active(), first);
    EXPECT_EQ(action("mnuEditUndo")->text(), "撤消");
}

// The document every command acts on is the one whose window is shown active,
// also when a window opens in the middle of a drag on another.
#include "support/MainWindowFixture.h"

#include "colour/ui/FrmColorTool.h"
#include "document/ColourToolModel.h"
#include "document/ui/CanvasView.h"
#include "document/ui/TextBoxView.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "tools/ToolCode.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

constexpr ColourValue Black = Colour::fromRgb(0, 0, 0);
constexpr ColourValue White = Colour::fromRgb(255, 255, 255);
constexpr ColourValue Green = Colour::fromRgb(0, 255, 0);
constexpr int RedTop = 11; // palette column 6, top row

class ActiveDocumentTest : public MainWindowTest
{
protected:
    static QPoint at(int x, int y)
    {
        return QPoint(x + CanvasView::BorderPixels, y + CanvasView::BorderPixels);
    }
    static void move(QWidget *canvas, int x, int y)
    {
        QMouseEvent e(QEvent::MouseMove, at(x, y), canvas->mapToGlobal(at(x, y)), Qt::NoButton,
            Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(canvas, &e);
    }
    static ColourValue pixel(Document *document, int x, int y)
    {
        return Colour::fromPixel(document->Picture1().Image().pixel(x, y));
    }
    QWidget *colourChild(const QString &name)
    {
        auto *widget = main.frmColorTool()->findChild<QWidget *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
};

}

TEST_F(ActiveDocumentTest, NewDuringADragLeavesEveryCommandOnTheNewWindow)
{
    Document *first = active();
    first->resizeCanvas(300 * 15 + 30, 200 * 15 + 30);
    module().hTool = ToolCode::Rectangle;
    QWidget *canvas = main.editWindow(1)->canvas();
    QTest::mousePress(canvas, Qt::LeftButton, Qt::NoModifier, at(20, 20));
    move(canvas, 60, 50);
    run("mnuFileNew"); // F1 with the button still held
    Document *second = module().hEditList(2);
    ASSERT_NE(second, nullptr);
    QTest::mouseRelease(canvas, Qt::LeftButton, Qt::NoModifier, at(60, 50));
    settle();

    EXPECT_EQ(main.workArea()->activeSubWindow(), main.documentWindows()[1]);
    EXPECT_EQ(active(), second);
    EXPECT_EQ(pixel(first, 20, 35), Black) << "the rectangle is drawn on the first picture";
    EXPECT_TRUE(first->history().canUndo()) << "and its undo step is the first picture's";
    EXPECT_FALSE(second->history().canUndo());

    // The read-outs, Undo, Redo and the wells act on the second picture.
    EXPECT_NE(main.frmColorTool()->TextX()->text(), "300");
    EXPECT_EQ(
        main.frmColorTool()->TextX()->text(), QString::number(second->Picture1().pixelWidth()));
    EXPECT_FALSE(action("mnuEditUndo")->isEnabled());
    EXPECT_FALSE(action("mnuEditRedo")->isEnabled());
    module().undo();
    EXPECT_EQ(pixel(first, 20, 35), Black) << "undo did not reach the hidden picture";

    first->Picture1().PSet(5 * 15, 5 * 15, Green);
    QTest::mouseClick(colourChild(QStringLiteral("Picturebackcolor")), Qt::LeftButton);
    QTest::mouseClick(colourChild(QStringLiteral("PictureColor%1").arg(RedTop)), Qt::LeftButton);
    settle();
    EXPECT_EQ(pixel(second, 5, 5), Colour::fromRgb(255, 0, 0));
    EXPECT_EQ(pixel(first, 5, 5), Green) << "the background colour did not wipe the first picture";
    EXPECT_EQ(pixel(first, 20, 35), Black);
}

TEST_F(ActiveDocumentTest, NewWithTheWindowListFullLeavesTheActivePictureAsItWas)
{
    module().setEditLimit(1);
    active()->Picture1().PSet(15, 15, Green);
    module().colourTool().setPicturebackcolor(Colour::fromRgb(0, 0, 255));
    run("mnuFileNew");
    EXPECT_EQ(main.documentWindows().size(), 1);
    EXPECT_EQ(pixel(active(), 1, 1), Green);
    EXPECT_EQ(pixel(active(), 2, 2), White);
    EXPECT_FALSE(active()->DataChanged());
}

TEST_F(ActiveDocumentTest, AnActivatedWindowsTextBoxTakesThePenColour)
{
    run("mnuFileNew");
    module().colourTool().setPictureForecolor(Colour::fromRgb(255, 0, 0));
    main.workArea()->setActiveSubWindow(main.documentWindows()[0]);
    settle();
    QPlainTextEdit *first = main.editWindow(1)->hword();
    QPlainTextEdit *second = main.editWindow(2)->hword();
    EXPECT_EQ(first->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_NE(second->palette().color(QPalette::Text), QColor(255, 0, 0));
}

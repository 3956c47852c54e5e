// The effects in the windows: the menu items and toolbar buttons act on the
// floating selection and the view shows the result; the custom filter dialog
// takes its typing through the engine's rules.
#include "document/FloatingSelection.h"
#include "document/ui/CanvasView.h"
#include "effects/EffectCommands.h"
#include "effects/FilterKernel.h"
#include "effects/Soften.h"
#include "effects/ui/FrmFilter.h"
#include "raster/PictureSurface.h"
#include "support/MainWindowFixture.h"
#include "support/SurfaceTestUtil.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class EffectWindowsTest : public MainWindowTest
{
protected:
    EffectWindowsTest()
    {
        PictureSurface &canvas = active()->Picture1();
        canvas.setImage(noiseImage(canvas.pixelWidth(), canvas.pixelHeight(), 31));
    }

    QImage floating() { return active()->selection().picture().Image(); }
    FrmFilter *dialog() { return main.findChild<FrmFilter *>(); }
    QLineEdit *box(const QString &name) { return dialog()->findChild<QLineEdit *>(name); }
    QLineEdit *cell(int n) { return box(QStringLiteral("Text1(%1)").arg(n)); }
    template <typename W> W *control(const char *name)
    {
        return dialog()->findChild<W *>(QString::fromLatin1(name));
    }
    void openDialog()
    {
        run("mnuEditselect");
        run("mnuviewcustom");
        ASSERT_NE(dialog(), nullptr);
        dialog()->activateWindow();
        settle();
    }
    QWidget *focused() { return QApplication::focusWidget(); }
};

TEST_F(EffectWindowsTest, EffectsActOnlyOnAFloatingSelectionAndShowAtOnce)
{
    EXPECT_FALSE(action("mnuview")->isEnabled());
    EXPECT_FALSE(action("柔化")->isEnabled());
    const QImage canvas = active()->Picture1().Image();
    run("mnuviewsmooth"); // the item's own key works only through its menu
    EXPECT_EQ(active()->Picture1().Image(), canvas);

    run("mnuEditselect");
    EXPECT_TRUE(action("mnuview")->isEnabled());
    EXPECT_TRUE(action("柔化")->isEnabled());
    EXPECT_TRUE(action("对角翻转")->isEnabled());
    const QImage lifted = floating();
    main.tbToolBar_ButtonClick(QStringLiteral("柔化"));
    QImage expected(lifted.size(), QImage::Format_RGB32);
    soften(rowsOf(lifted), rowsOf(expected));
    EXPECT_EQ(floating(), expected);
    EXPECT_EQ(active()->Picture1().Image(), canvas) << "the canvas waits for the commit";

    // The view draws the floating picture, now softened.
    settle();
    const QImage shown
        = main.editWindow(1)->canvas()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint inside(CanvasView::BorderPixels + 5, CanvasView::BorderPixels + 5);
    EXPECT_EQ(shown.pixel(inside), expected.pixel(5, 5));

    run("mnuviewfanzhuan3");
    EXPECT_EQ(floating().pixel(0, 0), expected.pixel(expected.width() - 1, expected.height() - 1));
}

TEST_F(EffectWindowsTest, TheFilterDialogOpensOnlyOnASelectionAndStaysAboveTheMainWindow)
{
    run("mnuviewcustom");
    EXPECT_EQ(dialog(), nullptr);
    openDialog();
    EXPECT_TRUE(dialog()->isVisible());
    EXPECT_TRUE(dialog()->isWindow());
    EXPECT_EQ(dialog()->parentWidget(), &main) << "owned by the main window, kept above it";
    EXPECT_FALSE(dialog()->isModal());
    EXPECT_EQ(dialog()->windowTitle(), QStringLiteral(" 自定义柔化与锐化"));
    EXPECT_TRUE(control<QRadioButton>("Option2")->isChecked());
    EXPECT_EQ(box("hdivideText")->text(), "1");
    EXPECT_EQ(box("hbiasText")->text(), "0");
    run("mnuviewcustom");
    EXPECT_EQ(main.findChildren<FrmFilter *>().size(), 1);
}

TEST_F(EffectWindowsTest, EnterWalksTheBoxesAndTheKeysAreFiltered)
{
    openDialog();
    QTest::mouseClick(control<QRadioButton>("Option1"), Qt::LeftButton);
    EXPECT_FALSE(cell(1)->isEnabled());
    ASSERT_EQ(focused(), cell(7));
    QStringList path;
    for (int k = 0; k < 11; ++k) {
        QTest::keyClick(focused(), Qt::Key_Return);
        path << focused()->objectName();
    }
    EXPECT_EQ(path,
        QStringList({ "Text1(8)", "Text1(9)", "Text1(12)", "Text1(13)", "Text1(14)", "Text1(17)",
            "Text1(18)", "Text1(19)", "hdivideText", "hbiasText", "Text1(7)" }));

    QTest::keyClicks(cell(7), "a1.5-");
    EXPECT_EQ(cell(7)->text(), "15-") << "letters dropped, the point typed and removed";
    QTest::keyClicks(box("hdivideText"), "-2");
    EXPECT_EQ(box("hdivideText")->text(), "12");
    box("hbiasText")->selectAll();
    QTest::keyClicks(box("hbiasText"), "-");
    EXPECT_EQ(box("hbiasText")->text(), "0") << "a lone minus becomes 0 at once";
    QTest::keyClicks(box("hbiasText"), "x-");
    EXPECT_EQ(box("hbiasText")->text(), "0-") << "no number, kept to be mended, counts as 0";
    box("hbiasText")->setText("300");
    EXPECT_EQ(box("hbiasText")->text(), "255");
}

TEST_F(EffectWindowsTest, StepButtonsChangeTheBoxLastEntered)
{
    openDialog();
    auto *up = control<QPushButton>("Command3");
    auto *down = control<QPushButton>("Command4");
    cell(13)->setFocus();
    settle();
    EXPECT_TRUE(up->isEnabled());
    QTest::mouseClick(up, Qt::LeftButton);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(cell(13)->text(), "2");
    box("hdivideText")->setFocus();
    settle();
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_EQ(box("hdivideText")->text(), "1") << "0 is raised to 1 by the divisor's own rule";
    control<QRadioButton>("Option2")->setFocus();
    settle();
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
}

TEST_F(EffectWindowsTest, ARunLeavesTheDialogOpenAndCancelKeepsTheSettings)
{
    openDialog();
    cell(13)->setText("-1");
    box("hbiasText")->setText("-40");
    const QImage lifted = floating();
    QTest::mouseClick(control<QPushButton>("CommandRun"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(dialog()->isVisible());
    // |-c - 40| = c + 40 inside the frame, clamped at 255.
    const QRgb c = lifted.pixel(10, 10);
    auto raised = [](int v) { return std::min(v + 40, 255); };
    EXPECT_EQ(floating().pixel(10, 10), qRgb(raised(qRed(c)), raised(qGreen(c)), raised(qBlue(c))));
    EXPECT_EQ(floating().pixel(1, 1), lifted.pixel(1, 1));

    QTest::mouseClick(control<QPushButton>("CommandCancel"), Qt::LeftButton);
    settle();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(dialog(), nullptr);
    run("mnuviewcustom");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(cell(13)->text(), "-1") << "the weights in force are shown again";
    EXPECT_EQ(box("hbiasText")->text(), "-40");
}

}

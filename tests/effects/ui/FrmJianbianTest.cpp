// The gradient fill dialog offscreen: opened from the Effects menu over a
// selection, on top and not blocking, its boxes and wells, and runs driven
// by the event loop that "中断", a second "运行" and closing the document
// cannot upset.
#include "support/ColourDialogAnswer.h"
#include "support/MainWindowFixture.h"

#include "document/FloatingSelection.h"
#include "effects/ui/FrmJianbian.h"
#include "raster/PictureSurface.h"
#include "widgets/GradientWell.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

class FrmJianbianTest : public MainWindowTest
{
protected:
    FrmJianbian *dialog() const { return main.findChild<FrmJianbian *>(); }
    FrmJianbian *open()
    {
        run("mnuEditselect");
        run("mnuviewjianbianse");
        FrmJianbian *d = dialog();
        EXPECT_NE(d, nullptr);
        return d;
    }
    template <typename T = QWidget> T *find(const char *name) const
    {
        auto *widget = dialog()->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void click(const char *name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    void retype(const char *box, const QString &text)
    {
        auto *edit = find<QLineEdit>(box);
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // A run that takes many chunks, so that the test can act in between.
    void startSlowRun(FrmJianbian *d)
    {
        d->run().setFrameBudget(std::chrono::microseconds(1));
        click("CommandRun");
        ASSERT_TRUE(d->run().isRunning());
        settle();
        ASSERT_TRUE(d->run().isRunning());
    }
};

}

TEST_F(FrmJianbianTest, OpensOnlyOverASelectionOnTopAndWithoutBlocking)
{
    run("mnuviewjianbianse");
    EXPECT_EQ(dialog(), nullptr) << "no selection floats";
    FrmJianbian *d = open();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->isVisible());
    EXPECT_FALSE(d->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(d->windowTitle(), " 渐变颜色");
    EXPECT_EQ(d->pos(), QPoint(400, 200));
    EXPECT_EQ(find<QRadioButton>("hOption4")->text(), "双向内外方形");
    EXPECT_TRUE(find<QRadioButton>("hOption1")->isChecked());
    EXPECT_EQ(find<QLineEdit>("hcornerText")->toolTip(), "颜色渐变方向(角度：0 - 180)");
    EXPECT_EQ(find<GradientWell>("hstartPicture")->colour(), Colour::fromRgb(224, 224, 224));
    run("mnuviewjianbianse");
    EXPECT_EQ(main.findChildren<FrmJianbian *>().size(), 1) << "one dialog at a time";
}

TEST_F(FrmJianbianTest, KindsEnableTheirBoxesAndTheBoxesRepairWhatIsTyped)
{
    FrmJianbian *d = open();
    EXPECT_FALSE(find("hcornerText")->isEnabled());
    EXPECT_FALSE(find("Label3")->isEnabled());
    click("hOption6");
    EXPECT_EQ(d->settings().GradientKind(), 6);
    EXPECT_TRUE(find("hcornerText")->isEnabled());
    EXPECT_FALSE(find("hwidthText")->isEnabled());
    retype("hcornerText", QStringLiteral("200"));
    EXPECT_EQ(find<QLineEdit>("hcornerText")->text(), "0");
    retype("hcornerText", QStringLiteral("x45"));
    EXPECT_EQ(d->settings().angle(), 45);

    click("hOption3");
    const double half = std::floor(active()->selection().picture().ScaleWidth() / 2);
    retype("hwidthText", QStringLiteral("99999"));
    EXPECT_EQ(find<QLineEdit>("hwidthText")->text(), QString::number(qint64(half)));
}

TEST_F(FrmJianbianTest, WellsAskTheColourDialogWithTheirTitles)
{
    FrmJianbian *d = open();
    ColourDialogAnswer answers { QColor(10, 20, 30), std::nullopt };
    QTest::mouseDClick(find("hendPicture"), Qt::LeftButton);
    QTest::mouseDClick(find("hstartPicture"), Qt::LeftButton);
    EXPECT_EQ(answers.titles, QStringList({ "终止色", "起始色" }));
    EXPECT_EQ(d->settings().endColour(), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ(find<GradientWell>("hendPicture")->colour(), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ(d->settings().startColour(), Colour::fromRgb(239, 239, 239)) << "cancel keeps it";
    EXPECT_TRUE(d->isVisible());
    EXPECT_TRUE(d->windowFlags() & Qt::WindowStaysOnTopHint) << "on top again";
}

TEST_F(FrmJianbianTest, RunPaintsTheSelectionAndStopEndsIt)
{
    FrmJianbian *d = open();
    const QImage before = active()->selection().picture().Image();
    startSlowRun(d);
    const int done = d->run().stepsDone();
    click("CommandRun");
    EXPECT_EQ(d->run().stepsDone(), done) << "a second run is ignored";
    click("CommandStop");
    settle();
    EXPECT_FALSE(d->run().isRunning());
    EXPECT_LT(d->run().stepsDone(), d->run().stepCount());
    EXPECT_NE(active()->selection().picture().Image(), before);
    EXPECT_FALSE(active()->DataChanged());

    d->run().setFrameBudget(std::chrono::milliseconds(16));
    click("CommandRun");
    while (d->run().isRunning())
        settle();
    EXPECT_EQ(d->run().stepsDone(), d->run().stepCount());
    EXPECT_TRUE(d->isVisible()) << "the dialog stays open after a run";
}

TEST_F(FrmJianbianTest, ClosingTheDocumentDuringARunEndsItAndTheDialogStays)
{
    FrmJianbian *d = open();
    startSlowRun(d);
    run("mnuFileClose");
    EXPECT_EQ(module().hEditCount(), 0);
    EXPECT_FALSE(d->run().isRunning());
    settle();
    click("CommandRun");
    EXPECT_FALSE(d->run().isRunning()) << "nothing to run on";
    retype("hwidthText", QStringLiteral("99999"));
    EXPECT_EQ(find<QLineEdit>("hwidthText")->text(), "99999") << "no selection, no cap";
}

TEST_F(FrmJianbianTest, CancelClosesTheDialogEvenDuringARun)
{
    FrmJianbian *d = open();
    startSlowRun(d);
    QPointer<FrmJianbian> watched(d);
    click("CommandCancel");
    settle();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watched.isNull());
    EXPECT_EQ(active()->selection().picture().CurrentX(), 0);
    settle();
    run("mnuviewjianbianse");
    ASSERT_NE(dialog(), nullptr);
    EXPECT_EQ(dialog()->settings().GradientKind(), 1) << "a new dialog starts afresh";
}

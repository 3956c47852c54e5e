// The tool palette window offscreen: tools chosen by focus, the marker, the
// option groups, picker clicks, typing into the number boxes and the
// gradient colour wells.
#include "support/ColourDialogAnswer.h"
#include "support/MainWindowFixture.h"

#include "colour/ui/FrmColorTool.h"
#include "raster/PictureSurface.h"
#include "tools/ToolPaletteModel.h"
#include "tools/ui/FrmTools.h"
#include "tools/ui/PickerWidget.h"

#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

namespace {

class FrmToolsTest : public MainWindowTest
{
protected:
    FrmToolsTest() { QApplication::setActiveWindow(&main); }

    template <typename T = QWidget> T *find(const QString &name) const
    {
        auto *widget = palette()->findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }
    FrmTools *palette() const { return main.frmTools(); }
    QWidget *button(int n) const { return find(QStringLiteral("Command%1").arg(n)); }
    void click(QWidget *w) { QTest::mouseClick(w, Qt::LeftButton); }
    bool shown(const char *name) const
    {
        return find(QString::fromLatin1(name))->isVisibleTo(palette());
    }
    PictureSurface &canvas() { return active()->Picture1(); }

    void retype(const char *box, const QString &text)
    {
        auto *edit = find<QLineEdit>(QString::fromLatin1(box));
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Answers the next colour dialog with a colour, or cancels it.
    void answerColourDialog(std::optional<QColor> colour)
    {
        QTimer::singleShot(0, &main, [colour] {
            auto *dialog = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialogTitle = dialog->windowTitle();
            if (colour) {
                dialog->setCurrentColor(*colour);
                dialog->accept();
            } else {
                dialog->reject();
            }
        });
    }
    static inline QString dialogTitle;
};

}

TEST_F(FrmToolsTest, ShowsSixteenButtonsWithTooltipsAndTheMarkerOnTheRegionTool)
{
    for (int n = 1; n <= 16; ++n) {
        auto *b = qobject_cast<QToolButton *>(button(n));
        ASSERT_NE(b, nullptr);
        EXPECT_FALSE(b->toolTip().isEmpty());
        EXPECT_FALSE(b->icon().isNull());
    }
    EXPECT_EQ(button(12)->toolTip(), "放缩图像");
    EXPECT_TRUE(find("Picture1")->geometry().contains(button(1)->geometry()));
    EXPECT_EQ(find("Text1")->toolTip(), "绘图线宽度");
}

TEST_F(FrmToolsTest, FocusChoosesTheToolMovesTheMarkerAndShowsItsGroup)
{
    button(3)->setFocus();
    EXPECT_EQ(module().hTool, 3);
    EXPECT_TRUE(find("Picture1")->geometry().contains(button(3)->geometry()));
    EXPECT_TRUE(shown("Frame1"));
    EXPECT_FALSE(shown("Frame4"));

    click(button(14));
    EXPECT_EQ(module().hTool, 10);
    EXPECT_TRUE(shown("Frame5"));
    EXPECT_TRUE(shown("Picture2"));
    EXPECT_TRUE(find("Picture1")->geometry().contains(button(14)->geometry()));

    click(button(13));
    EXPECT_TRUE(shown("Frame2"));
    EXPECT_TRUE(find<QRadioButton>("hOptionDanZong")->isChecked());
    EXPECT_EQ(find<QRadioButton>("hOptionDanZong")->text(), "不变");
    EXPECT_FALSE(shown("Text1"));
    EXPECT_FALSE(shown("Pictureline01"));
}

TEST_F(FrmToolsTest, AClickOnTheFocusedButtonChoosesNothingNew)
{
    click(button(4));
    click(find("Picturebox3"));
    EXPECT_EQ(canvas().FillStyle(), 2);
    click(button(4));
    EXPECT_EQ(canvas().FillStyle(), 2) << "the hatch stays chosen";
}

TEST_F(FrmToolsTest, TheClickThatBringsTheWindowBackChoosesItsTool)
{
    // Into an inactive window the click's focus arrives with the window, as
    // focus that came back; the click still chooses the tool.
    QWidget *rectangle = button(4);
    QFocusEvent returned(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(rectangle, &returned);
    EXPECT_EQ(module().hTool, 1) << "focus coming back alone chooses nothing";
    QTest::mousePress(rectangle, Qt::LeftButton);
    QTest::mouseRelease(rectangle, Qt::LeftButton);
    EXPECT_EQ(module().hTool, 4);
    click(find("Picturebox3"));
    QApplication::sendEvent(rectangle, &returned);
    click(rectangle);
    EXPECT_EQ(canvas().FillStyle(), 2) << "the chosen tool's button clicked again changes nothing";
}

TEST_F(FrmToolsTest, APressWhoseFocusArrivesWithTheWindowChoosesItsTool)
{
    // The press reaches the button before its window is active: the focus
    // follows only with the window.
    QWidget *ellipse = button(3);
    ellipse->setFocusPolicy(Qt::NoFocus);
    QTest::mousePress(ellipse, Qt::LeftButton);
    QTest::mouseRelease(ellipse, Qt::LeftButton);
    ellipse->setFocusPolicy(Qt::StrongFocus);
    EXPECT_EQ(module().hTool, 1);
    QFocusEvent arrives(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(ellipse, &arrives);
    EXPECT_EQ(module().hTool, 3);
}

TEST_F(FrmToolsTest, WithoutADocumentTheButtonsDoNothing)
{
    run("mnuFileClose");
    ASSERT_EQ(active(), nullptr);
    click(button(4));
    button(7)->setFocus();
    EXPECT_EQ(module().hTool, 1);
    EXPECT_TRUE(find("Picture1")->geometry().contains(button(1)->geometry()));
    EXPECT_FALSE(shown("Frame4"));
    EXPECT_FALSE(shown("Frame2"));
}

TEST_F(FrmToolsTest, PickerClicksRaiseTheChosenPickerAndSetTheCanvasStyle)
{
    click(button(4));
    auto *hatch = find<PickerWidget>("Picturebox5");
    click(hatch);
    EXPECT_TRUE(hatch->isRaised());
    EXPECT_FALSE(find<PickerWidget>("Picturebox1")->isRaised());
    EXPECT_EQ(canvas().FillStyle(), 4);
    EXPECT_EQ(hatch->toolTip(), "下斜线底纹");

    auto *noFrame = find<QLabel>("Label2");
    EXPECT_EQ(noFrame->text(), "无框线");
    click(noFrame);
    EXPECT_TRUE(find<PickerWidget>("Picturebox15")->isRaised());
    EXPECT_EQ(canvas().DrawStyle(), 5);
}

TEST_F(FrmToolsTest, TypingIntoTheNumberBoxesKeepsDigitsAndRepairs)
{
    click(button(2));
    retype("Text1", QStringLiteral("2.5"));
    EXPECT_EQ(palette()->Text1()->text(), "25");
    EXPECT_EQ(canvas().DrawWidth(), 25);
    retype("Text1", QStringLiteral("9999"));
    EXPECT_EQ(palette()->Text1()->text(), "500");
    QTest::keyClick(palette()->Text1(), Qt::Key_End);
    for (int k = 0; k < 3; ++k)
        QTest::keyClick(palette()->Text1(), Qt::Key_Backspace);
    EXPECT_EQ(palette()->Text1()->text(), "1");
    QTest::keyClicks(palette()->Text1(), QStringLiteral("7x"));
    EXPECT_EQ(palette()->Text1()->text(), "7") << "the default was selected and replaced";

    click(button(11));
    retype("hlinecornerText", QStringLiteral("180"));
    EXPECT_EQ(find<QLineEdit>("hlinecornerText")->text(), "0");
    retype("hlinecornerText", QStringLiteral("179"));
    EXPECT_EQ(module().hGradientAngle, 179);
    EXPECT_FALSE(shown("hlinewidthText"));

    click(button(7));
    EXPECT_EQ(find("hlinewidthText")->toolTip(), "圆框宽度");
    retype("hlinewidthText", QStringLiteral("-3"));
    EXPECT_EQ(module().tools().values().hlinewidthText(), "3");
}

TEST_F(FrmToolsTest, GradientOptionsFollowTheToolAndTheUsersChoice)
{
    click(button(16));
    auto *danZong = find<QRadioButton>("hOptionDanZong");
    EXPECT_TRUE(danZong->isChecked());
    EXPECT_EQ(danZong->text(), "单纵");
    EXPECT_TRUE(shown("hOptionShuangZong"));
    click(find("hOptionShuangJing"));
    EXPECT_EQ(module().tools().chooser().gradientOptions().selected(), GradientOptions::ShuangJing);
    click(button(7));
    EXPECT_FALSE(shown("hOptionDanZong"));
    EXPECT_TRUE(find<QRadioButton>("hOptionDanJing")->isChecked());
    EXPECT_EQ(find<QRadioButton>("hOptionDanJing")->text(), "单向");
}

TEST_F(FrmToolsTest, ADoubleClickOnAWellAsksForItsColour)
{
    click(button(7));
    QWidget *start = find("hstartcolorPicture");
    answerColourDialog(QColor(10, 20, 30));
    QTest::mouseDClick(start, Qt::LeftButton);
    EXPECT_EQ(dialogTitle, "起始色");
    EXPECT_EQ(module().hStartRed, 10);
    EXPECT_EQ(module().hStartBlue, 30);

    answerColourDialog(std::nullopt);
    QTest::mouseDClick(find("hendcolorPicture"), Qt::LeftButton);
    EXPECT_EQ(dialogTitle, "终止色");
    EXPECT_EQ(module().hEndRed, 127) << "cancel changes nothing";
    EXPECT_EQ(module().tools().values().hendcolorPicture(), Colour::fromRgb(128, 128, 128));
}

TEST_F(FrmToolsTest, TheWellsShareTheColourWindowsDialogAndItsLastColour)
{
    click(button(7));
    ColourDialogAnswer answer(
        { QColor(10, 20, 30), QColor(1, 2, 3), std::nullopt, QColor(40, 50, 60) });
    QWidget *pen = main.frmColorTool()->findChild<QWidget *>(QStringLiteral("PictureForecolor"));
    ASSERT_NE(pen, nullptr);
    QTest::mouseDClick(pen, Qt::LeftButton);
    QTest::mouseDClick(find("hstartcolorPicture"), Qt::LeftButton);
    QTest::mouseDClick(find("hendcolorPicture"), Qt::LeftButton);
    QTest::mouseDClick(pen, Qt::LeftButton);

    ASSERT_EQ(answer.titles, QStringList({ "前景色", "起始色", "终止色", "前景色" }));
    EXPECT_EQ(answer.names, QStringList(4, QStringLiteral("dlgCommonDialog")));
    // Each dialog starts from the colour chosen last, wherever it was chosen.
    EXPECT_EQ(answer.startColours,
        QList<QColor>({ QColor(0, 0, 0), QColor(10, 20, 30), QColor(1, 2, 3), QColor(1, 2, 3) }));
    EXPECT_EQ(answer.alphaShown, QList<bool>(4, false));
    EXPECT_EQ(module().tools().values().hstartcolorPicture(), Colour::fromRgb(1, 2, 3));
    EXPECT_EQ(module().hStartGreen, 2);
    EXPECT_EQ(module().tools().values().hendcolorPicture(), Colour::fromRgb(128, 128, 128));
    EXPECT_EQ(active()->Picture1().ForeColor(), Colour::fromRgb(40, 50, 60));
}

#include "support/ColourDialogAnswer.h"
#include "support/MainWindowFixture.h"

#include "app/ui/MainToolBar.h"
#include "colour/ui/ColourWell.h"
#include "colour/ui/FrmColorTool.h"
#include "document/ColourToolModel.h"
#include "document/ui/TextBoxView.h"
#include "raster/PictureSurface.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

constexpr ColourValue Red = Colour::fromRgb(255, 0, 0);
constexpr ColourValue Green = Colour::fromRgb(0, 255, 0);

class FrmColorToolTest : public MainWindowTest
{
protected:
    FrmColorToolTest()
    {
        QApplication::setActiveWindow(&main);
        active()->Picture1().PSet(15, 15, Green);
        active()->setDataChanged(false);
    }

    FrmColorTool *colourWindow() { return main.frmColorTool(); }

    template <typename T = QWidget> T *child(const QString &name)
    {
        auto *widget = colourWindow()->findChild<T *>(name);
        EXPECT_NE(widget, nullptr) << name.toStdString();
        return widget;
    }

    ColourWell *well(const char *name) { return child<ColourWell>(QString::fromLatin1(name)); }
    ColourWell *cell(int index)
    {
        return child<ColourWell>(QStringLiteral("PictureColor%1").arg(index));
    }

    void click(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        settle();
    }

    void doubleClick(QWidget *widget)
    {
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
        settle();
    }

    QString visibleMarks()
    {
        QString shown;
        for (int shape = 1; shape <= 6; ++shape) {
            if (!child(QStringLiteral("Shape%1").arg(shape))->isHidden())
                shown += QString::number(shape);
        }
        return shown;
    }

    // Types into a size box and moves the focus on, as the user does.
    void typeSize(QLineEdit *box, const QString &text)
    {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
        QTest::keyClick(box, Qt::Key_Tab);
        settle();
    }

    ColourValue canvasPixel(int x, int y)
    {
        return Colour::fromPixel(active()->Picture1().Image().pixel(x, y));
    }
};

}

TEST_F(FrmColorToolTest, WellsPaletteAndReadOutsAreInPlace)
{
    EXPECT_EQ(well("PictureForecolor")->toolTip(), "前景色");
    EXPECT_EQ(well("PictureFillColor")->toolTip(), "绘图色、填充色");
    EXPECT_EQ(well("Picturebackcolor")->toolTip(), "背景色");
    EXPECT_EQ(well("PictureForecolor")->colour(), Colour::fromRgb(0, 0, 0));
    EXPECT_EQ(well("Picturebackcolor")->colour(), Colour::fromRgb(255, 255, 255));
    EXPECT_EQ(visibleMarks(), "34");
    EXPECT_EQ(child<QLineEdit>("Text1")->toolTip(), "编辑坐标(X Y)");
    EXPECT_EQ(child<QLineEdit>("TextX")->toolTip(), "图片尺寸(宽х高)");
    EXPECT_EQ(child<QLineEdit>("TextY")->toolTip(), "图片尺寸(宽х高)");
    EXPECT_EQ(child<QLabel>("Label3")->text(), "х");

    // Two rows of 24: each column's top cell above its bottom one, the columns in a row.
    EXPECT_EQ(cell(11)->colour(), Red);
    EXPECT_EQ(cell(48)->colour(), Colour::fromRgb(192, 0, 192));
    EXPECT_EQ(cell(1)->x(), cell(2)->x());
    EXPECT_LT(cell(1)->y(), cell(2)->y());
    EXPECT_EQ(cell(1)->y(), cell(47)->y());
    EXPECT_LT(cell(1)->x(), cell(3)->x());
    EXPECT_LT(cell(45)->x(), cell(47)->x());
}

TEST_F(FrmColorToolTest, ClickingAWellMovesTheMarksAndAPaletteCellFillsThatWell)
{
    click(well("PictureForecolor"));
    EXPECT_EQ(visibleMarks(), "12");
    click(well("PictureFillColor"));
    EXPECT_EQ(visibleMarks(), "34");
    click(cell(11));
    EXPECT_EQ(well("PictureFillColor")->colour(), Red);
    EXPECT_EQ(active()->Picture1().FillColor(), Red);
    EXPECT_EQ(well("PictureForecolor")->colour(), Colour::fromRgb(0, 0, 0));

    click(well("PictureForecolor"));
    click(cell(48));
    EXPECT_EQ(active()->Picture1().ForeColor(), Colour::fromRgb(192, 0, 192));
    EXPECT_EQ(main.editWindow(1)->hword()->palette().color(QPalette::Text), QColor(192, 0, 192));

    click(well("Picturebackcolor"));
    EXPECT_EQ(visibleMarks(), "56");
    click(cell(11));
    EXPECT_EQ(canvasPixel(1, 1), Red);
    EXPECT_TRUE(active()->DataChanged());
    run("mnuEditUndo");
    EXPECT_EQ(canvasPixel(1, 1), Green);
}

TEST_F(FrmColorToolTest, DoubleClickingAWellChoosesItsColourInTheDialog)
{
    ColourDialogAnswer answer({ QColor(10, 20, 30), std::nullopt, QColor(255, 0, 0) });
    doubleClick(well("PictureForecolor"));
    EXPECT_EQ(well("PictureForecolor")->colour(), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ(active()->Picture1().ForeColor(), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ(visibleMarks(), "12");

    // Cancel changes nothing; the dialog starts from the colour chosen last.
    doubleClick(well("PictureFillColor"));
    EXPECT_EQ(well("PictureFillColor")->colour(), Colour::fromRgb(0, 0, 0));

    doubleClick(well("Picturebackcolor"));
    EXPECT_EQ(canvasPixel(1, 1), Red);
    EXPECT_EQ(well("Picturebackcolor")->colour(), Red);
    EXPECT_FALSE(action("mnuEditUndo")->isEnabled()) << "the dialog's background is final";

    ASSERT_EQ(answer.titles.size(), 3);
    EXPECT_EQ(answer.titles, QStringList({ "前景色", "绘图色与填充色...", "背景色" }));
    EXPECT_EQ(answer.names[0], "dlgCommonDialog");
    EXPECT_EQ(answer.startColours[0], QColor(0, 0, 0));
    EXPECT_EQ(answer.startColours[1], QColor(10, 20, 30));
    EXPECT_EQ(answer.startColours[2], QColor(10, 20, 30));
    EXPECT_FALSE(answer.alphaShown[0]);
}

TEST_F(FrmColorToolTest, EditMenuAndToolbarChooseAColourAndMakeItsWellTheTarget)
{
    ColourDialogAnswer answer({ QColor(0, 0, 255), std::nullopt, QColor(0, 255, 0) });
    run("mnueditfillcolor");
    EXPECT_EQ(active()->Picture1().FillColor(), Colour::fromRgb(0, 0, 255));
    EXPECT_EQ(visibleMarks(), "34");
    main.tbToolBar_ButtonClick(QStringLiteral("背景色"));
    settle();
    EXPECT_EQ(visibleMarks(), "56") << "a cancelled choice still selects the well";
    EXPECT_EQ(canvasPixel(1, 1), Green);
    main.tbToolBar_ButtonClick(QStringLiteral("前景色"));
    settle();
    EXPECT_EQ(active()->Picture1().ForeColor(), Green);
    EXPECT_EQ(visibleMarks(), "12");
    EXPECT_EQ(answer.titles, QStringList({ "绘图色与填充色...", "背景色", "前景色" }));
}

TEST_F(FrmColorToolTest, SizeBoxesResizeThePictureWhenLeft)
{
    auto *width = child<QLineEdit>("TextX");
    auto *height = child<QLineEdit>("TextY");
    const int before = active()->Picture1().pixelWidth();
    typeSize(width, QString::number(before + 50));
    EXPECT_EQ(active()->Picture1().pixelWidth(), before + 50);
    EXPECT_FALSE(active()->DataChanged()) << "growing loses nothing";
    typeSize(width, QStringLiteral("3a0.0"));
    EXPECT_EQ(width->text(), "300");
    EXPECT_EQ(active()->Picture1().pixelWidth(), 300);
    EXPECT_TRUE(active()->DataChanged()) << "the crop is a change closing asks about";
    typeSize(height, QStringLiteral("200"));
    EXPECT_EQ(active()->Picture1().pixelHeight(), 200);
    EXPECT_EQ(active()->canvasRect().size(), QSizeF(300 * 15 + 30, 200 * 15 + 30));
    typeSize(width, QString());
    EXPECT_EQ(width->text(), "925");
    EXPECT_EQ(active()->Picture1().pixelWidth(), 925);
    EXPECT_EQ(canvasPixel(1, 1), Green);
    EXPECT_FALSE(action("mnuEditUndo")->isEnabled());
}

TEST_F(FrmColorToolTest, WithoutAPictureTheWindowDoesNothing)
{
    run("mnuFileClose");
    ASSERT_EQ(active(), nullptr);
    ColourDialogAnswer answer({ QColor(255, 0, 0) });
    doubleClick(well("PictureForecolor"));
    click(well("Picturebackcolor"));
    click(cell(11));
    EXPECT_TRUE(answer.titles.isEmpty());
    EXPECT_EQ(visibleMarks(), "34");
    EXPECT_EQ(well("PictureFillColor")->colour(), Colour::fromRgb(0, 0, 0));

    auto *width = child<QLineEdit>("TextX");
    width->setFocus();
    width->end(false);
    QTest::keyClicks(width, QStringLiteral("5"));
    EXPECT_EQ(width->text(), "0");
    QTest::keyClick(width, Qt::Key_Backspace);
    EXPECT_EQ(width->text(), "0");
}

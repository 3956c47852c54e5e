#include "support/MainWindowFixture.h"
#include "support/ModalWindowAnswer.h"

#include "files/ui/FrmHelp.h"
#include "files/ui/FrmSeeAll.h"
#include "raster/PictureSurface.h"

#include <QLabel>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>

namespace {

class ViewersWindowTest : public MainWindowTest
{
protected:
    void picture(int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(10, 200, 10));
        active()->Picture1().setPicture(image);
    }
};

}

TEST_F(ViewersWindowTest, TheWholePictureIsCentredOrPinnedAndClosesOnEscOrAClick)
{
    picture(100, 80);
    QPoint small, wide;
    bool held = false;
    ModalWindowAnswer<FrmSeeAll> esc([&](FrmSeeAll &view) {
        view.resize(400, 300);
        QApplication::processEvents();
        small = view.findChild<QLabel *>("Picture1")->pos();
        view.resize(60, 300);
        QApplication::processEvents();
        wide = view.findChild<QLabel *>("Picture1")->pos();
        held = view.holdsPicture();
        QTest::keyClick(&view, Qt::Key_Escape);
        EXPECT_FALSE(view.holdsPicture());
    });
    run("mnueditseeall");
    ASSERT_EQ(esc.seen, 1);
    EXPECT_TRUE(held);
    EXPECT_EQ(small, QPoint(150, 110));
    EXPECT_EQ(wide, QPoint(0, 110));
    EXPECT_EQ(main.findChild<FrmSeeAll *>(), nullptr);

    ModalWindowAnswer<FrmSeeAll> click([](FrmSeeAll &view) {
        QTest::mouseClick(view.findChild<QLabel *>("Picture1"), Qt::LeftButton);
    });
    run("mnueditseeall");
    EXPECT_EQ(click.seen, 1);
    EXPECT_EQ(main.findChild<FrmSeeAll *>(), nullptr);
}

TEST_F(ViewersWindowTest, HelpStandsAtTheRightEdgeWithTheGuideAndClosesOnEsc)
{
    QRect placed, box;
    QString guide;
    bool readOnly = false;
    ModalWindowAnswer<FrmHelp> help([&](FrmHelp &window) {
        placed = window.geometry();
        auto *text = window.findChild<QTextBrowser *>("RichTextBox1");
        box = text->geometry();
        guide = text->toPlainText();
        readOnly = text->isReadOnly();
        QTest::keyClick(&window, Qt::Key_Escape);
    });
    run("mnuHelpContents");
    ASSERT_EQ(help.seen, 1);
    const QSize screen = main.screen()->geometry().size();
    EXPECT_EQ(placed, QRect(screen.width() - 357, 2, 355, screen.height() - 50));
    EXPECT_EQ(box, QRect(8, 10, placed.width() - 16, placed.height() - 20));
    EXPECT_TRUE(readOnly);
    for (const char *heading :
        { "一、绘图方法", "二、绘图工具选择方法", "三、绘图工具使用方法", "四、绘图颜色选择方法" })
        EXPECT_TRUE(guide.contains(QString::fromUtf8(heading))) << heading;
    EXPECT_EQ(main.findChild<FrmHelp *>(), nullptr);
}

// The text tool in the window: a click puts the box at the point, typing goes
// into the document's text box, Esc discards it, "确定" paints it, and the
// font dialog, "粘贴自..." and its messages reach the box.
#include "document/TextBox.h"
#include "document/ui/CanvasView.h"
#include "document/ui/TextBoxView.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "support/FileDialogAnswer.h"
#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"
#include "tools/ToolCode.h"

#include <QFontDialog>
#include <QTemporaryDir>
#include <QTest>

namespace {

class TextToolWindowTest : public MainWindowTest
{
protected:
    TextToolWindowTest() { module().hTool = ToolCode::Text; }

    QWidget *canvas() { return main.findChild<QWidget *>(QStringLiteral("Picture1")); }
    TextBoxView *view() { return main.editWindow(1)->hword(); }
    TextBox &box() { return active()->hword(); }

    void click(int x, int y)
    {
        const QPoint at(x + CanvasView::BorderPixels, y + CanvasView::BorderPixels);
        QTest::mouseClick(canvas(), Qt::LeftButton, Qt::NoModifier, at);
        settle();
    }

    bool pictureHasInk(const QRect &area)
    {
        const QImage &image = active()->Picture1().Image();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    return true;
        return false;
    }
};

}

TEST_F(TextToolWindowTest, AClickPlacesTheBoxAndTypedTextIsCommitted)
{
    EXPECT_FALSE(view()->isVisible());
    click(30, 20);
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(view()->hasFocus());
    EXPECT_EQ(box().Left(), 30 * 15);
    EXPECT_EQ(box().Top(), 20 * 15);
    const QSize empty = view()->size();
    QTest::keyClicks(view(), QStringLiteral("Hello"));
    EXPECT_EQ(box().Text(), QStringLiteral("Hello"));
    EXPECT_GT(view()->width(), empty.width()) << "the box grows with the text";
    // The box sits over the canvas at the click point.
    EXPECT_EQ(view()->geometry().topLeft(),
        canvas()->geometry().topLeft() + QPoint(30, 20) + QPoint(1, 1) * CanvasView::BorderPixels);
    EXPECT_FALSE(pictureHasInk(QRect(30, 20, 60, 20)));
    run("Hquickqueding");
    EXPECT_TRUE(pictureHasInk(QRect(30, 20, 60, 20)));
    EXPECT_TRUE(active()->history().canUndo());
    EXPECT_TRUE(view()->isVisible());
    EXPECT_TRUE(view()->toPlainText().isEmpty());
}

TEST_F(TextToolWindowTest, EscapeHidesTheBoxAndDrawsNothing)
{
    click(30, 20);
    QTest::keyClicks(view(), QStringLiteral("abc"));
    QTest::keyClick(view(), Qt::Key_Escape);
    settle();
    EXPECT_FALSE(view()->isVisible());
    EXPECT_TRUE(box().Text().isEmpty());
    EXPECT_FALSE(pictureHasInk(QRect(0, 0, 200, 100)));
    EXPECT_FALSE(active()->history().canUndo());
}

TEST_F(TextToolWindowTest, TheFontDialogStylesTheBoxAndTheCanvas)
{
    click(10, 10);
    QFont chosen(QStringLiteral("WenQuanYi Micro Hei"), 24);
    chosen.setUnderline(true);
    chosen.setStrikeOut(true);
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QFontDialog *>(QApplication::activeModalWidget())) {
            title = dialog->windowTitle();
            dialog->setCurrentFont(chosen);
            dialog->accept();
        }
    });
    run("Hquickmnufont");
    EXPECT_EQ(title, QStringLiteral("字体..."));
    EXPECT_EQ(box().Font().pointSize(), 24);
    EXPECT_TRUE(box().Font().underline());
    EXPECT_TRUE(box().Font().strikeOut());
    EXPECT_FALSE(box().Font().italic());
    EXPECT_EQ(active()->Picture1().Font().pointSize(), 24);
    EXPECT_EQ(view()->font().pointSize(), 24);
}

TEST_F(TextToolWindowTest, PasteFromFileFillsTheBoxOrAsksToRetry)
{
    const QString gbk = QStringLiteral(TESSARA_CORPUS_DIR "/text/gbk_crlf.txt");
    if (!QFile::exists(gbk))
        GTEST_SKIP() << "no corpus beside the project";
    click(10, 10);
    {
        FileDialogAnswer files({ gbk });
        run("Hquickmnupastfrom");
        EXPECT_EQ(files.titles, QStringList { QStringLiteral("打开") });
        EXPECT_TRUE(files.filters.value(0).startsWith(QStringLiteral("TXT(*.TXT)")));
    }
    EXPECT_TRUE(box().Text().startsWith(QStringLiteral("画图程序文字工具测试")));
    EXPECT_EQ(view()->toPlainText(), box().Text());

    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("none.txt"));
    FileDialogAnswer files({ missing });
    ModalAnswer boxes({ QMessageBox::Retry, QMessageBox::Cancel });
    run("Hquickmnupastfrom");
    ASSERT_EQ(boxes.titles.size(), 2) << "retry asks again";
    EXPECT_EQ(boxes.titles[0], missing);
    EXPECT_TRUE(boxes.texts[0].contains(QStringLiteral("找不到指定文件！")));
    EXPECT_TRUE(box().Text().startsWith(QStringLiteral("画图程序文字工具测试")));
}

#include "support/MainWindowFixture.h"
#include "support/ModalWindowAnswer.h"

#include "base/Twips.h"
#include "files/ui/FrmHelp.h"
#include "files/ui/PrinterDialogs.h"
#include "raster/PictureSurface.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// The printed pages rendered back to pictures with poppler's pdftoppm.
class PrintWindowTest : public MainWindowTest
{
protected:
    PrintWindowTest()
    {
        QPrinter &printer = main.printers().printer();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf());
    }

    QString pdf() const { return dir.filePath("out.pdf"); }

    // The pages of the PDF at 48 dpi; empty when pdftoppm is missing.
    QList<QImage> pages()
    {
        QProcess render;
        render.start("pdftoppm", { "-r", "48", "-png", pdf(), dir.filePath("page") });
        render.waitForFinished(30000);
        QList<QImage> images;
        const QStringList names
            = QDir(dir.path()).entryList({ "page*.png" }, QDir::Files, QDir::Name);
        for (const QString &name : names)
            images << QImage(dir.filePath(name)).convertToFormat(QImage::Format_RGB32);
        return images;
    }

    // The bounding box of the reddish pixels.
    static QRect redBox(const QImage &page)
    {
        QRect box;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QRgb p = page.pixel(x, y);
                if (qRed(p) > 180 && qGreen(p) < 100 && qBlue(p) < 100)
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

    // A red frame 4 pixels wide drawn on a white picture: what the user drew,
    // not the picture the canvas was loaded with.
    void drawFramed(int width, int height)
    {
        QImage white(width, height, QImage::Format_RGB32);
        white.fill(qRgb(255, 255, 255));
        PictureSurface &canvas = active()->Picture1();
        canvas.setPicture(white);
        const auto px = [](int pixels) { return Twips::fromPixels(pixels); };
        canvas.Line(
            0, 0, px(width - 1), px(height - 1), Colour::fromRgb(220, 0, 0), LineShape::FilledBox);
        canvas.Line(px(4), px(4), px(width - 5), px(height - 5), Colour::fromRgb(255, 255, 255),
            LineShape::FilledBox);
    }

    // The printable area's centre on the page, in 48-dpi pixels.
    QPointF printableCentre()
    {
        const QPageLayout layout = main.printers().printer().pageLayout();
        return layout.paintRectPoints().toRectF().center() * 48.0 / 72.0;
    }

    static bool havePdftoppm() { return !QStandardPaths::findExecutable("pdftoppm").isEmpty(); }

    QTemporaryDir dir;
};

}

TEST_F(PrintWindowTest, ADrawingPrintsOnOnePageCentredAtItsScreenSize)
{
    if (!havePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    drawFramed(300, 200);
    QString title;
    ModalWindowAnswer<QPrintDialog> accept([&](QPrintDialog &d) {
        title = d.windowTitle();
        d.accept();
    });
    run("mnuFilePrint");
    EXPECT_EQ(title, "打印");
    const QList<QImage> printed = pages();
    ASSERT_EQ(printed.size(), 1);
    const QRect box = redBox(printed[0]);
    // 300 × 200 screen pixels are 150 × 100 at 48 dpi.
    EXPECT_NEAR(box.width(), 150, 2);
    EXPECT_NEAR(box.height(), 100, 2);
    EXPECT_NEAR(QRectF(box).center().x(), printableCentre().x(), 1.5);
    EXPECT_NEAR(QRectF(box).center().y(), printableCentre().y(), 1.5);
}

TEST_F(PrintWindowTest, ADrawingLargerThanThePageShrinksWholeAndPageSetupTurnsThePage)
{
    if (!havePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    drawFramed(3000, 600);
    QString setupTitle;
    ModalWindowAnswer<QPageSetupDialog> setup([&](QPageSetupDialog &d) {
        setupTitle = d.windowTitle();
        if (auto *landscape = d.findChild<QRadioButton *>("landscape"))
            landscape->click();
        d.accept();
    });
    run("mnuFilePageSetup");
    EXPECT_EQ(setupTitle, "页面设置");
    ModalWindowAnswer<QPrintDialog> accept([](QPrintDialog &d) { d.accept(); });
    run("mnuFilePrint");
    const QList<QImage> printed = pages();
    ASSERT_EQ(printed.size(), 1);
    EXPECT_GT(printed[0].width(), printed[0].height());
    const QRect box = redBox(printed[0]);
    const QRectF printable = main.printers().printer().pageLayout().paintRectPoints().toRectF();
    // All four edges of the frame are on the page: the width fills the
    // printable area and the shape is kept.
    EXPECT_NEAR(box.width(), printable.width() * 48 / 72, 2);
    EXPECT_NEAR(double(box.width()) / box.height(), 5.0, 0.15);
    EXPECT_NEAR(QRectF(box).center().y(), printableCentre().y(), 1.5);
}

TEST_F(PrintWindowTest, CancellingPrintsNothing)
{
    drawFramed(50, 50);
    ModalWindowAnswer<QPrintDialog> cancel([](QPrintDialog &d) { d.reject(); });
    run("mnuFilePrint");
    EXPECT_EQ(cancel.seen, 1);
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(PrintWindowTest, WithoutAPictureOnlyHelpOpens)
{
    run("mnuAllFileClose");
    ASSERT_EQ(active(), nullptr);
    QStringList opened;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QWidget *w = QApplication::activeModalWidget()) {
            opened << w->metaObject()->className();
            w->close();
        }
    });
    watch.start(5);
    for (const char *name :
        { "mnuFilePrint", "mnuFilePageSetup", "mnueditseeall", "mnuHelpContents" })
        main.runCommand(QString::fromLatin1(name));
    EXPECT_EQ(opened, QStringList({ "FrmHelp" }));
    EXPECT_FALSE(QFile::exists(pdf()));
}

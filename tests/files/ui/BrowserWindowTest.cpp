#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include "base/Twips.h"
#include "files/ui/FrmOpenfile.h"
#include "raster/PictureSurface.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

class BrowserWindowTest : public MainWindowTest
{
protected:
    BrowserWindowTest()
    {
        run("Hexplor");
        browser = main.browser();
    }

    QString picture(const char *name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(qRgb(200, 30, 30));
        const QString path = dir.filePath(QString::fromUtf8(name));
        image.save(path, "BMP");
        return path;
    }

    template <typename T> T *child(const char *name)
    {
        return browser->findChild<T *>(QString::fromLatin1(name));
    }

    // Selects the file on row `row` and waits for its preview.
    void preview(int row)
    {
        child<QListWidget>("File1")->setCurrentRow(row);
        QElapsedTimer timer;
        timer.start();
        do
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        while (browser->previewLoader().isBusy() && timer.elapsed() < 5000);
        settle();
    }

    QTemporaryDir dir;
    FrmOpenfile *browser = nullptr;
};

}

TEST_F(BrowserWindowTest, OpensTopmostAtTheScreenCornerWithItsCaption)
{
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->windowTitle(), " Pictures Explorer");
    EXPECT_TRUE(browser->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(browser->pos(), QPoint(0, 0));
    EXPECT_EQ(browser->size(), QSize(864, 550));
    run("Hexplor");
    EXPECT_EQ(main.browser(), browser);
}

TEST_F(BrowserWindowTest, EachFileOpenedGetsAWindowOfItsOwnAndTheBrowserStays)
{
    const QString first = picture("a.bmp", 21, 13);
    const QString second = picture("b.BMP", 8, 5);
    browser->setFolder(dir.path());
    auto *files = child<QListWidget>("File1");
    ASSERT_EQ(files->count(), 2);
    files->setCurrentRow(0);
    child<QPushButton>("Command1")->click();
    files->setCurrentRow(1);
    QTest::keyClick(files, Qt::Key_Return);
    settle();
    ASSERT_EQ(main.documentWindows().size(), 3);
    EXPECT_EQ(module().hEditList(2)->Caption(), first);
    EXPECT_EQ(module().hEditList(3)->Caption(), second);
    EXPECT_EQ(active()->Picture1().Image().size(), QSize(8, 5));
    EXPECT_TRUE(browser->isVisible());
    EXPECT_TRUE(browser->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(BrowserWindowTest, ThePreviewIsCentredSizedAndPannedInTwentyTwipSteps)
{
    picture("small.bmp", 640, 480);
    picture("wide.bmp", 3000, 40);
    browser->setFolder(dir.path());
    preview(0);
    auto *shown = child<QLabel>("Picture1");
    auto *viewport = child<QWidget>("Picture0");
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), QStringLiteral("640 \u0445 480"));
    EXPECT_EQ(shown->size(), QSize(640, 480));
    preview(1);
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), QStringLiteral("3000 \u0445 40"));
    EXPECT_EQ(shown->x(), 0);
    EXPECT_NEAR(shown->y() + 20, viewport->height() / 2.0, 1);
    auto *across = child<QScrollBar>("HScroll1");
    EXPECT_GT(across->maximum(), 0);
    EXPECT_EQ(child<QScrollBar>("VScroll1")->maximum(), 0);
    across->setValue(3);
    EXPECT_EQ(shown->x(), -4); // 60 twips
}

TEST_F(BrowserWindowTest, AnUnreadableFileShowsANoteAndNoMessage)
{
    QFile junk(dir.filePath("junk.jpg"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture at all");
    junk.close();
    browser->setFolder(dir.path());
    ModalAnswer none({});
    bool boxSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget())
            boxSeen = true;
    });
    watch.start(1);
    preview(0);
    EXPECT_FALSE(boxSeen);
    EXPECT_TRUE(child<QLabel>("PreviewNote")->isVisible());
    EXPECT_FALSE(child<QLabel>("PreviewNote")->text().isEmpty());
    EXPECT_EQ(child<QLineEdit>("Text1")->text(), "");
}

TEST_F(BrowserWindowTest, AMountThatCannotBeReadSaysSoUntilCancelled)
{
    browser->setDrives({ { "/", "root" }, { "/media/no-such-card", "card" } });
    const QString before = browser->folder();
    ModalAnswer answers({ QMessageBox::Retry, QMessageBox::Cancel });
    bool topmostDuringBox = true;
    answers.onBox = [&](QMessageBox &) {
        topmostDuringBox = browser->windowFlags() & Qt::WindowStaysOnTopHint;
    };
    child<QComboBox>("Drive1")->setCurrentIndex(1);
    settle();
    ASSERT_EQ(answers.texts.size(), 2);
    EXPECT_EQ(answers.texts[0], "驱动器未准备好！");
    EXPECT_EQ(answers.titles[0], "/MEDIA/NO-SUCH-CARD (CARD)");
    EXPECT_FALSE(topmostDuringBox);
    EXPECT_TRUE(browser->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(child<QComboBox>("Drive1")->currentIndex(), 0);
    EXPECT_EQ(browser->folder(), before);
}

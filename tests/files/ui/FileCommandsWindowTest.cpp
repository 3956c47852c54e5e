#include "support/FileDialogAnswer.h"
#include "support/MainWindowFixture.h"
#include "support/ModalAnswer.h"

#include "raster/PictureSurface.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

class FileCommandsWindowTest : public MainWindowTest
{
protected:
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
};

}

TEST_F(FileCommandsWindowTest, OpenShowsTheCommonDialogAndOpensThePictureInANewWindow)
{
    QImage picture(21, 13, QImage::Format_RGB32);
    picture.fill(qRgb(0, 128, 255));
    ASSERT_TRUE(picture.save(path("sky.bmp"), "BMP"));
    {
        FileDialogAnswer cancel({ std::nullopt });
        run("mnuFileOpen");
        ASSERT_EQ(cancel.titles.size(), 1);
        EXPECT_EQ(cancel.titles[0], "打开...");
        EXPECT_TRUE(cancel.filters[0].startsWith("JPG (*.jpg;*.jpe;*.jpeg) ("));
        EXPECT_EQ(cancel.folders[0], QCoreApplication::applicationDirPath());
        EXPECT_EQ(main.documentWindows().size(), 1);
    }
    FileDialogAnswer open({ path("sky.bmp") });
    run("mnuFileOpen");
    ASSERT_EQ(main.documentWindows().size(), 2);
    EXPECT_EQ(active()->Caption(), path("sky.bmp"));
    EXPECT_EQ(main.documentWindows().last()->windowTitle(), path("sky.bmp"));
    EXPECT_EQ(active()->Picture1().Image(), picture);
    EXPECT_FALSE(active()->DataChanged());
}

TEST_F(FileCommandsWindowTest, AMissingFileAsksRetryOrCancelInChinese)
{
    FileDialogAnswer open({ path("gone.jpg") });
    ModalAnswer cancel({ QMessageBox::Cancel });
    QStringList buttonTexts;
    cancel.onBox = [&](QMessageBox &box) {
        for (QAbstractButton *button : box.buttons())
            buttonTexts << button->text();
    };
    run("mnuFileOpen");
    ASSERT_EQ(cancel.names.size(), 1);
    EXPECT_EQ(cancel.names[0], "FileNotFound");
    EXPECT_EQ(cancel.titles[0], path("gone.jpg"));
    EXPECT_EQ(cancel.texts[0], "\r   找不到指定文件！   \r");
    EXPECT_TRUE(buttonTexts.contains("重试(&R)"));
    EXPECT_TRUE(buttonTexts.contains("取消"));
    EXPECT_EQ(active()->Caption(), "New Picture 2");
}

TEST_F(FileCommandsWindowTest, SaveAsksForANameWritesTheCanvasAndRetitlesTheWindow)
{
    active()->Picture1().PSet(30, 30, Colour::fromRgb(255, 0, 0));
    FileDialogAnswer save({ path("drawn.bmp") });
    run("mnuFileSave");
    ASSERT_EQ(save.titles.size(), 1);
    EXPECT_EQ(save.titles[0], "保存 New Picture 1");
    EXPECT_EQ(save.filters[0], "BMP (*.BMP) (*.bmp *.BMP)");
    EXPECT_TRUE(save.presets[0].endsWith("New Picture 1"));
    EXPECT_EQ(QImage(path("drawn.bmp")).convertToFormat(QImage::Format_RGB32),
        active()->Picture1().Image());
    EXPECT_EQ(main.documentWindows().first()->windowTitle(), path("drawn.bmp"));

    FileDialogAnswer saveAs({ std::nullopt });
    run("mnuFileSaveAs");
    ASSERT_EQ(saveAs.titles.size(), 1);
    EXPECT_EQ(saveAs.titles[0], "另存为 " + path("drawn.bmp"));
}

// Qt's own dialogs speak Chinese like the rest of the program.
TEST_F(FileCommandsWindowTest, QtsDialogsAreTranslated)
{
    QStringList buttonTexts;
    QTimer peek;
    QObject::connect(&peek, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (auto *box : dialog->findChildren<QDialogButtonBox *>())
            for (QAbstractButton *button : box->buttons())
                buttonTexts << button->text();
        dialog->reject();
    });
    peek.start(1);
    run("mnuFileOpen");
    EXPECT_TRUE(buttonTexts.contains("取消")) << buttonTexts.join(", ").toStdString();
}

TEST_F(FileCommandsWindowTest, FilesNamedAtStartOpenAfterTheFirstWindow)
{
    QImage picture(5, 4, QImage::Format_RGB32);
    picture.fill(Qt::yellow);
    ASSERT_TRUE(picture.save(path("a.bmp"), "BMP"));
    main.openAtStart({ path("a.bmp") });
    settle();
    ASSERT_EQ(main.documentWindows().size(), 2);
    EXPECT_EQ(module().hEditList(1)->Caption(), "New Picture 1");
    EXPECT_EQ(module().hEditList(2)->Caption(), path("a.bmp"));
}

TEST_F(FileCommandsWindowTest, CloseAllAsksTheLastCreatedPictureFirst)
{
    run("mnuFileNew");
    run("mnuFileNew");
    for (int k = 1; k <= 3; ++k)
        module().hEditList(k)->setDataChanged(true);
    ModalAnswer cancel({ QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Cancel });
    run("mnuAllFileClose");
    EXPECT_EQ(cancel.titles, QStringList({ "New Picture 3", "New Picture 2", "New Picture 1" }));
    EXPECT_EQ(main.documentWindows().size(), 3);
}

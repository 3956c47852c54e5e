#include "app/FileCommands.h"
#include "app/ModuleMain.h"
#include "document/Document.h"
#include "document/RadiusGuide.h"
#include "raster/PictureSurface.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <sys/stat.h>

namespace {

// Answers the dialogs and boxes from lists made up front, and records them.
struct ScriptedHost : FileHost
{
    std::deque<std::optional<QString>> fileNames;
    std::deque<FileMessage::Answer> answers;
    std::vector<FileDialogSpec> dialogs;
    std::vector<FileMessage> messages;

    std::optional<QString> askFileName(const FileDialogSpec &dialog) override
    {
        dialogs.push_back(dialog);
        if (fileNames.empty())
            return std::nullopt;
        auto name = fileNames.front();
        fileNames.pop_front();
        return name;
    }
    FileMessage::Answer show(const FileMessage &message) override
    {
        messages.push_back(message);
        if (answers.empty())
            return FileMessage::Answer::Cancel;
        const auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FileCommandsTest : public ::testing::Test
{
protected:
    FileCommandsTest()
        : commands(module, host, dir.path())
    {
        module.startUp();
    }

    Document &newPicture(int width, int height)
    {
        Document *d = module.FileNew();
        d->resizeCanvas(width * 15 + 30, height * 15 + 30);
        d->Picture1().PSet(15, 30, Colour::fromRgb(200, 10, 30));
        return *d;
    }
    QString path(const char *name) const { return dir.filePath(QString::fromUtf8(name)); }

    QTemporaryDir dir;
    ModuleMain module;
    ScriptedHost host;
    FileCommands commands;
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

TEST_F(FileCommandsTest, SavingAsksForANameOnceThenWritesTheCanvasUnderIt)
{
    Document &picture = newPicture(7, 5);
    EXPECT_FALSE(commands.Save()); // cancelled: nothing changes
    ASSERT_EQ(host.dialogs.size(), 1u);
    EXPECT_EQ(host.dialogs[0].title, "保存 New Picture 1");
    EXPECT_EQ(host.dialogs[0].fileName, "New Picture 1");
    EXPECT_EQ(host.dialogs[0].folder, dir.path());
    EXPECT_EQ(host.dialogs[0].purpose, FileDialogSpec::Purpose::Save);
    EXPECT_EQ(picture.Caption(), "New Picture 1");
    EXPECT_TRUE(picture.DataChanged());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());

    // A .jpg name still gets BMP data; the caption becomes the path.
    host.fileNames = { path("drawing.jpg") };
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(picture.Caption(), path("drawing.jpg"));
    EXPECT_FALSE(picture.DataChanged());
    EXPECT_TRUE(contents(path("drawing.jpg")).startsWith("BM"));
    const QImage back(path("drawing.jpg"), "BMP");
    EXPECT_EQ(back.convertToFormat(QImage::Format_RGB32), picture.Picture1().Image());

    // Now it has a file: Save writes without asking, Save as always asks.
    picture.Picture1().PSet(0, 0, Colour::fromRgb(0, 0, 255));
    EXPECT_TRUE(commands.Save());
    EXPECT_EQ(host.dialogs.size(), 2u);
    EXPECT_FALSE(commands.SaveAs());
    ASSERT_EQ(host.dialogs.size(), 3u);
    EXPECT_EQ(host.dialogs[2].title, "另存为 " + path("drawing.jpg"));
    EXPECT_EQ(host.dialogs[2].fileName, path("drawing.jpg"));
}

TEST_F(FileCommandsTest, SavingCancelsAFixedRadius)
{
    Document &picture = newPicture(7, 5);
    picture.radiusGuide().start(QPointF(15, 15));
    picture.radiusGuide().setSecond(QPointF(60, 15));
    picture.hBanJingOk = true;
    host.fileNames = { path("arc.bmp") };
    EXPECT_TRUE(commands.Save());
    EXPECT_FALSE(picture.hBanJingOk.value_or(false));
    EXPECT_FALSE(picture.radiusGuide().blinking());
}

TEST_F(FileCommandsTest, OpeningAMissingFileOffersRetryAndLeavesAnEmptyNewWindow)
{
    host.fileNames = { path("gone.bmp") };
    host.answers = { FileMessage::Answer::Retry, FileMessage::Answer::Cancel };
    Document *opened = commands.Open();
    ASSERT_NE(opened, nullptr);
    ASSERT_EQ(host.messages.size(), 2u);
    const FileMessage &missing = host.messages[0];
    EXPECT_EQ(missing.title, path("gone.bmp"));
    // "New Picture 1" has 13 characters: ⌊|13 − 16| / 2⌋ + 2 = 3 blanks.
    EXPECT_EQ(missing.text, "\r   找不到指定文件！   \r");
    EXPECT_EQ(missing.buttons, FileMessage::Buttons::RetryCancel);
    EXPECT_EQ(opened->Caption(), "New Picture 1");
    EXPECT_FALSE(opened->DataChanged());
    EXPECT_EQ(host.dialogs[0].title, "打开...");
    EXPECT_TRUE(host.dialogs[0].filter.startsWith(
        "JPG (*.jpg;*.jpe;*.jpeg) (*.jpg *.jpe *.jpeg *.JPG *.JPE *.JPEG)"));

    // A cancelled dialog opens nothing; the next window is numbered as any new one.
    EXPECT_EQ(commands.Open(), nullptr);
    EXPECT_EQ(module.hEditCount(), 1);
    EXPECT_EQ(module.FileNew()->Caption(), "New Picture 2");
}

TEST_F(FileCommandsTest, AnOpenedPictureTakesItsOwnSizeAndIsUnchanged)
{
    QImage picture(37, 23, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    picture.setPixel(36, 22, qRgb(1, 2, 3));
    ASSERT_TRUE(picture.save(path("photo.bmp"), "BMP"));
    host.fileNames = { path("photo.bmp") };
    Document *opened = commands.Open();
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(opened->Caption(), path("photo.bmp"));
    EXPECT_FALSE(opened->DataChanged());
    EXPECT_EQ(opened->Picture1().Image(), picture);
    EXPECT_EQ(opened->ScaleWidth(), 37 * 15);
    EXPECT_EQ(module.ActiveEdit(), opened);

    // Not a picture: refused with the file named, the empty window stays.
    QFile text(path("notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("just some words, not a picture\r\n");
    text.close();
    Document *refused = commands.openPath(path("notes.jpg"));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_TRUE(host.messages[0].text.contains("notes.jpg"));
    EXPECT_TRUE(refused->Caption().startsWith("New Picture "));
}

TEST_F(FileCommandsTest, AReadOnlyFileIsReportedAndKeptByteForByte)
{
    Document &picture = newPicture(4, 4);
    const QString target = path("kept.bmp");
    QFile old(target);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("the user's own bytes");
    old.close();
    ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0444), 0);
    host.fileNames = { target };
    host.answers = { FileMessage::Answer::Retry, FileMessage::Answer::Cancel };
    EXPECT_FALSE(commands.Save());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].title, "New Picture 1");
    // 13 characters: ⌊|13 − 10| / 2⌋ + 2 = 3 blanks.
    EXPECT_EQ(host.messages[0].text, "\r   文件只读！   \r");
    EXPECT_EQ(contents(target), "the user's own bytes");
    EXPECT_EQ(picture.Caption(), "New Picture 1");
    EXPECT_TRUE(picture.DataChanged());
}

TEST_F(FileCommandsTest, SaveAllAsksForEachUnsavedPictureAndGoesOnAfterACancel)
{
    Document &first = newPicture(3, 3);
    Document &second = newPicture(3, 3);
    host.fileNames = { std::nullopt, path("second.bmp") };
    commands.SaveAll();
    ASSERT_EQ(host.dialogs.size(), 2u);
    EXPECT_EQ(host.dialogs[0].title, "保存 New Picture 1");
    EXPECT_EQ(host.dialogs[1].title, "保存 New Picture 2");
    EXPECT_TRUE(first.DataChanged());
    EXPECT_FALSE(second.DataChanged());
    EXPECT_EQ(second.Caption(), path("second.bmp"));
    EXPECT_EQ(module.ActiveEdit(), &second);
}

TEST_F(FileCommandsTest, SaveAllAnswersReadOnlyWithAbortRetryIgnore)
{
    const QString locked = path("locked.bmp");
    QFile(locked).open(QIODevice::WriteOnly);
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0444), 0);
    Document &first = newPicture(3, 3);
    Document &second = newPicture(3, 3);
    first.setCaption(locked);
    second.setCaption(path("free.bmp"));

    host.answers = { FileMessage::Answer::Ignore };
    commands.SaveAll();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].buttons, FileMessage::Buttons::AbortRetryIgnore);
    EXPECT_EQ(host.messages[0].defaultAnswer, FileMessage::Answer::Retry);
    EXPECT_TRUE(host.messages[0].text.contains("    文件只读！"));
    EXPECT_FALSE(second.DataChanged()); // Ignore went on with the next window

    second.setDataChanged(true);
    QFile::remove(path("free.bmp"));
    host.answers = { FileMessage::Answer::Abort };
    commands.SaveAll();
    EXPECT_FALSE(QFile::exists(path("free.bmp"))); // Abort ended Save all
}

// A failed write in the close prompt keeps the window and its changes: the
// picture would be lost otherwise.
TEST_F(FileCommandsTest, TheClosePromptKeepsAPictureWhoseWriteFailed)
{
    Document &picture = newPicture(3, 3);
    host.fileNames = { path("no such folder/picture.bmp") };
    EXPECT_FALSE(commands.saveForClose(picture));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].buttons, FileMessage::Buttons::Ok);
    EXPECT_FALSE(host.messages[0].text.isEmpty());
    EXPECT_TRUE(picture.DataChanged());
    EXPECT_EQ(picture.Caption(), "New Picture 1");

    host.fileNames = { std::nullopt };
    EXPECT_FALSE(commands.saveForClose(picture)); // a cancelled dialog keeps it too
    host.fileNames = { path("kept.bmp") };
    EXPECT_TRUE(commands.saveForClose(picture));
    EXPECT_FALSE(picture.DataChanged());
}

// "粘贴自...": which reader the chosen filter picks, and what each failure
// asks or tells while the box keeps its text.
#include "app/PasteTextFromFile.h"
#include "app/FileCommands.h"
#include "document/Document.h"
#include "document/TextBox.h"
#include "files/TextFileReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace {

class ScriptedHost : public FileHost
{
public:
    std::optional<QString> askFileName(const FileDialogSpec &dialog) override
    {
        titles << dialog.title;
        return name;
    }
    FileMessage::Answer show(const FileMessage &message) override
    {
        shown.push_back(message);
        if (onShow)
            onShow();
        if (answers.empty())
            return FileMessage::Answer::Cancel;
        const FileMessage::Answer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    int chosenFilter() const override { return filter; }

    std::optional<QString> name;
    std::function<void()> onShow;
    int filter = 1;
    std::deque<FileMessage::Answer> answers;
    std::vector<FileMessage> shown;
    QStringList titles;
};

class PasteTextFromFileTest : public ::testing::Test
{
protected:
    PasteTextFromFileTest()
    {
        document.setCaption(QStringLiteral("New Picture 1"));
        document.hword().setText(QStringLiteral("old"));
    }

    QString write(const char *name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(QLatin1String(name)));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    void paste() { PasteTextFromFile(host, document, dir.path()); }

    QTemporaryDir dir;
    Document document;
    ScriptedHost host;
};

}

TEST_F(PasteTextFromFileTest, TheFilterDecidesWhetherRtfIsReadAsRichText)
{
    host.name = write("a.rtf", "{\\rtf1 bold\\b  text\\par}");
    host.filter = 1;
    paste();
    EXPECT_EQ(document.hword().Text(), QStringLiteral("{\\rtf1 bold\\b  text\\par}"));
    for (int richFilter : { 2, 3 }) {
        host.filter = richFilter;
        paste();
        EXPECT_EQ(document.hword().Text(), QStringLiteral("bold text"));
    }
    EXPECT_EQ(host.titles.value(0), QStringLiteral("打开"));
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(PasteTextFromFileTest, CancelledOrEmptyChoicesDoNothing)
{
    host.name = std::nullopt;
    paste();
    host.name = QString();
    paste();
    EXPECT_EQ(document.hword().Text(), QStringLiteral("old"));
    EXPECT_TRUE(host.shown.empty());
}

TEST_F(PasteTextFromFileTest, AMissingFileAsksToRetryUntilItIsThereOrCancelled)
{
    const QString path = dir.filePath(QStringLiteral("later.txt"));
    host.name = path;
    host.answers = { FileMessage::Answer::Retry, FileMessage::Answer::Cancel };
    paste();
    ASSERT_EQ(host.shown.size(), 2u);
    EXPECT_EQ(host.shown[0].title, path);
    // Centred for the 13-character caption: |13 - 16| / 2 + 2 = 3 blanks.
    EXPECT_EQ(host.shown[0].text, QStringLiteral("\r   找不到指定文件！   \r"));
    EXPECT_EQ(host.shown[0].buttons, FileMessage::Buttons::RetryCancel);
    EXPECT_EQ(document.hword().Text(), QStringLiteral("old"));

    // The file appears while the box is up: Retry reads it.
    host.shown.clear();
    host.answers = { FileMessage::Answer::Retry };
    host.onShow = [this] { write("later.txt", "now here"); };
    paste();
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(document.hword().Text(), QStringLiteral("now here"));
}

TEST_F(PasteTextFromFileTest, ATooLongFileIsRefusedAndTheBoxKeepsItsText)
{
    host.name = write("long.txt", QByteArray(TextFileReader::MaxBytes + 1, 'x'));
    paste();
    ASSERT_EQ(host.shown.size(), 1u);
    EXPECT_EQ(host.shown[0].title, QStringLiteral("Tessara 3.0"));
    EXPECT_EQ(host.shown[0].text, QStringLiteral("\r       文件过长！"));
    EXPECT_EQ(document.hword().Text(), QStringLiteral("old"));
}

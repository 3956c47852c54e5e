// Paste from file on the real text files of the shared corpus: each good
// file gives exactly its text, whatever its encoding; the damaged ones give
// what is whole and never fail.
#include "files/TextFileReader.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

using TextFileReader::Format;

QString corpusFile(const char *name)
{
    return QStringLiteral(TESSARA_CORPUS_DIR "/%1").arg(QLatin1String(name));
}

#define SKIP_WITHOUT_CORPUS()                                                                      \
    if (!QDir(QStringLiteral(TESSARA_CORPUS_DIR)).exists())                                        \
    GTEST_SKIP() << "no corpus beside the project"

// The four lines every plain-text file of the corpus holds, in its encoding.
const QString FourLines = QStringLiteral("画图程序文字工具测试 — Paint text tool test\n"
                                         "第一行：你好，世界！\n"
                                         "第二行：全角标点“引号”《书名号》、顿号。\n"
                                         "Third line: plain ASCII 0123456789 ~!@#$%^&*()\n"
                                         "第四行：生僻字 鑫 龍 亖，符号 ￥ ℃ № §\n");

QString readText(const char *name, Format format)
{
    const TextFileReader::Result result = TextFileReader::read(corpusFile(name), format);
    EXPECT_EQ(result.status, TextFileReader::Result::Status::Read) << name;
    return result.text;
}

}

TEST(TextFileCorpusTest, PlainTextFilesGiveTheSameTextInEveryEncoding)
{
    SKIP_WITHOUT_CORPUS();
    for (const char *name :
        { "text/utf8_crlf.txt", "text/utf16le_bom_crlf.txt", "text/gbk_crlf.txt" }) {
        EXPECT_EQ(readText(name, Format::Plain), FourLines) << name;
        // The rich-text filter reads a file that is not RTF as plain text.
        EXPECT_EQ(readText(name, Format::Rich), FourLines) << name;
    }
}

TEST(TextFileCorpusTest, RtfFilesGiveTheirTextWithoutFormatting)
{
    SKIP_WITHOUT_CORPUS();
    EXPECT_EQ(readText("text/wordpad_style_ansicpg936_gbk.rtf", Format::Rich),
        QStringLiteral("你好，世界！这是一个写字板（WordPad）风格的 RTF 文件。\n"
                       "第二行：画图程序的文字工具应当正确显示这些汉字。\n"
                       "Mixed line: ABC 中文 123，全角标点：“”‘’《》。\n"
                       "绿色斜体小字"));
    EXPECT_EQ(readText("text/handwritten_unicode_uN.rtf", Format::Rich),
        QStringLiteral("统一码转义：你好，世界！\n"
                       "大于 32767 的码位用负数：鑫（U+946B）、龍（U+9F8D）、＠（U+FF20）\n"
                       "补充平面（代理对）：😀 𠀀\n"
                       "uc2 group, two fallback bytes each: 测试字\n"
                       "uc0 group, no fallback: 无替代\n"
                       "Back to \\uc1: café"));
}

TEST(TextFileCorpusTest, TheTxtFilterShowsAnRtfFileAsItIs)
{
    SKIP_WITHOUT_CORPUS();
    const QString raw = readText("text/handwritten_unicode_uN.rtf", Format::Plain);
    EXPECT_TRUE(raw.startsWith(QStringLiteral("{\\rtf1\\ansi")));
}

TEST(TextFileCorpusTest, DamagedAndMisnamedTextFilesGiveWhatIsWhole)
{
    SKIP_WITHOUT_CORPUS();
    // Cut after the lead byte of a GBK character: the rest shows, the cut
    // character as one replacement character.
    EXPECT_EQ(readText("broken/trunc_inside_gbk_char.txt", Format::Plain),
        QStringLiteral("画图程序文字工具测试 — Paint text tool test\n第一行：你好，")
            + QChar::ReplacementCharacter);
    EXPECT_EQ(readText("broken/text_renamed.jpg", Format::Rich),
        QStringLiteral("This is a plain text file, not a JPEG.\n这是一个文本文件，不是图片。\n"));
    // Pictures read as text give something, and never more characters than bytes.
    for (const QString &name :
        QDir(QStringLiteral(TESSARA_CORPUS_DIR "/broken")).entryList(QDir::Files)) {
        const QString path = QStringLiteral(TESSARA_CORPUS_DIR "/broken/") + name;
        for (Format format : { Format::Plain, Format::Rich }) {
            const TextFileReader::Result result = TextFileReader::read(path, format);
            EXPECT_EQ(result.status, TextFileReader::Result::Status::Read) << name.toStdString();
            EXPECT_LE(result.text.size(), QFileInfo(path).size()) << name.toStdString();
        }
    }
}

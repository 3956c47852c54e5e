// The text readers behind "粘贴自...": which encoding a plain file is read
// in, what survives of rich text, and how they stand bad input.
#include "files/TextFileReader.h"
#include "files/RtfText.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString rtf(const char *text)
{
    return RtfText::plainText(QByteArray(text));
}

}

TEST(TextFileReaderTest, PlainTextEncodingIsChosenByMarkThenValidity)
{
    using TextFileReader::plainText;
    // UTF-8 with and without its mark; UTF-16 in both byte orders.
    EXPECT_EQ(plainText("\xEF\xBB\xBF\xE4\xB8\xAD"
                        "a"),
        QStringLiteral("中a"));
    EXPECT_EQ(plainText("\xE4\xB8\xAD"
                        "a"),
        QStringLiteral("中a"));
    EXPECT_EQ(plainText(QByteArray("\xFF\xFE\x2D\x4E\x61\x00", 6)), QStringLiteral("中a"));
    EXPECT_EQ(plainText(QByteArray("\xFE\xFF\x4E\x2D\x00\x61", 6)), QStringLiteral("中a"));
    // Not UTF-8: GBK, with the euro sign at 0x80 that GB2312 would lose.
    EXPECT_EQ(plainText("\xD6\xD0\x80"), QStringLiteral("中€"));
    // Every line end becomes "\n".
    EXPECT_EQ(plainText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    // Half a UTF-16 unit at the end is one replacement character.
    EXPECT_EQ(plainText(QByteArray("\xFF\xFE\x61\x00\x62", 5)),
        QStringLiteral("a") + QChar::ReplacementCharacter);
}

TEST(TextFileReaderTest, RtfControlWordsGiveTheirCharacters)
{
    EXPECT_EQ(rtf("{\\rtf1 a\\par b\\line c\\tab d\\par}"), QStringLiteral("a\nb\nc\td"));
    EXPECT_EQ(rtf("{\\rtf1 \\{x\\}\\\\ y\\~z}"), QStringLiteral("{x}\\ y") + QChar(0xA0) + 'z');
    // Line ends in the file are not text; a backslash before one is a paragraph.
    EXPECT_EQ(rtf("{\\rtf1 a\r\nb\\\nc}"), QStringLiteral("ab\nc"));
    // Formatting words and their one delimiting blank vanish; a second blank stays.
    EXPECT_EQ(rtf("{\\rtf1 \\b bold\\b0  plain}"), QStringLiteral("bold plain"));
}

TEST(TextFileReaderTest, RtfBytesUseTheCodePageOfTheirFontOrDocument)
{
    // The document's code page.
    EXPECT_EQ(rtf("{\\rtf1\\ansi\\ansicpg936 \\'d6\\'d0}"), QStringLiteral("中"));
    EXPECT_EQ(rtf("{\\rtf1\\ansi\\ansicpg1251 \\'c4}"), QStringLiteral("Д"));
    // A Chinese font in an English document: its character set decides.
    EXPECT_EQ(rtf("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset134 SimSun;}}"
                  "\\f0 caf\\'e9 \\f1\\'d6\\'d0}"),
        QStringLiteral("café 中"));
    // A group ending returns to the font around it.
    EXPECT_EQ(rtf("{\\rtf1\\ansicpg1252{\\fonttbl{\\f1\\fcharset134 S;}}{\\f1\\'d6\\'d0}\\'e9}"),
        QStringLiteral("中é"));
    // A code page nobody knows reads as Windows-1252.
    EXPECT_EQ(rtf("{\\rtf1\\ansicpg99999 \\'e9}"), QStringLiteral("é"));
}

TEST(TextFileReaderTest, RtfUnicodeSkipsItsFallback)
{
    EXPECT_EQ(rtf("{\\rtf1 \\u20013?\\u-28820?x}"), QStringLiteral("中转x"));
    EXPECT_EQ(rtf("{\\rtf1\\uc2 \\u20013\\'3f\\'3fx}"), QStringLiteral("中x"));
    // A control word counts as one fallback character; a group ends the fallback.
    EXPECT_EQ(rtf("{\\rtf1\\uc2 \\u20013\\emdash xy}"), QStringLiteral("中y"));
    EXPECT_EQ(rtf("{\\rtf1\\uc5 {\\u20013}ab}"), QStringLiteral("中ab"));
    // A lone half of a surrogate pair is shown as a replacement character.
    EXPECT_EQ(rtf("{\\rtf1 \\u-10179?a}"), QString(QChar::ReplacementCharacter) + 'a');
}

TEST(TextFileReaderTest, RtfDestinationsOutsideTheTextAreSkipped)
{
    EXPECT_EQ(rtf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1;}{\\stylesheet{Normal;}}"
                  "{\\info{\\title T}}{\\*\\generator G;}{\\pict\\pngblip 89504e47}"
                  "{\\object{\\objdata 01}}{\\*\\unknown u}text}"),
        QStringLiteral("text"));
    // Binary data is skipped by its length, braces and all.
    EXPECT_EQ(rtf("{\\rtf1 a{\\pict\\bin4 }{\\}}b}"), QStringLiteral("ab"));
    // Whatever follows the document's closing brace is not part of it.
    EXPECT_EQ(rtf("{\\rtf1 a}b"), QStringLiteral("a"));
}

TEST(TextFileReaderTest, BadRtfEndsWithoutHarm)
{
    // Unbalanced braces, cut files, a cut escape, a \bin past the end.
    EXPECT_EQ(rtf("{\\rtf1 a{b"), QStringLiteral("ab"));
    EXPECT_EQ(rtf("}}{\\rtf1 a}}}"), QStringLiteral("a"));
    EXPECT_EQ(rtf("{\\rtf1 a{\\pict 8950"), QStringLiteral("a"));
    EXPECT_EQ(rtf("{\\rtf1 a\\'d"), QStringLiteral("a"));
    EXPECT_EQ(rtf("{\\rtf1 a\\"), QStringLiteral("a"));
    EXPECT_EQ(rtf("{\\rtf1 a\\bin99999999999999999999 xyz"), QStringLiteral("a"));
    // A GBK character cut after its lead byte.
    EXPECT_EQ(rtf("{\\rtf1\\ansicpg936 \\'d6\\'d0\\'d6"),
        QStringLiteral("中") + QChar::ReplacementCharacter);
    // Nesting far beyond the kept depth neither recurses nor loses the text.
    QByteArray deep = "{\\rtf1 ";
    deep += QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "y}";
    EXPECT_EQ(RtfText::plainText(deep), QStringLiteral("xy"));
    // A destination opened beyond the kept depth still ends with its group.
    QByteArray skipped = "{\\rtf1 " + QByteArray(RtfText::MaxDepth + 5, '{') + "\\*a"
        + QByteArray(RtfText::MaxDepth + 5, '}') + "b}";
    EXPECT_EQ(RtfText::plainText(skipped), QStringLiteral("b"));
}

TEST(TextFileReaderTest, FilesAreRefusedWhenMissingOrTooLong)
{
    using Status = TextFileReader::Result::Status;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(TextFileReader::read(dir.filePath("none.txt"), TextFileReader::Format::Plain).status,
        Status::NotFound);
    EXPECT_EQ(
        TextFileReader::read(dir.path(), TextFileReader::Format::Plain).status, Status::NotFound);
    QFile large(dir.filePath("large.txt"));
    ASSERT_TRUE(large.open(QIODevice::WriteOnly));
    large.write(QByteArray(TextFileReader::MaxBytes, 'a'));
    large.flush();
    EXPECT_EQ(TextFileReader::read(large.fileName(), TextFileReader::Format::Plain).text.size(),
        TextFileReader::MaxBytes);
    large.write("a");
    large.close();
    const TextFileReader::Result tooLong
        = TextFileReader::read(large.fileName(), TextFileReader::Format::Plain);
    EXPECT_EQ(tooLong.status, Status::TooLong);
    EXPECT_TRUE(tooLong.text.isEmpty());
}

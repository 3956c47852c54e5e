// The picture reader on files made here: huge headers refused before
// decoding, files cut short shown as incomplete, bare DIBs, transparency over the background and
// the file-system answers.
#include "files/PictureReader.h"
#include "files/PictureReadReason.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Outcome = LoadedPicture::Outcome;

constexpr ColourValue Background = Colour::fromRgb(250, 128, 3);

// A picture with something in every row and column.
QImage pattern(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x ^ y) % 256));
    }
    return image.convertToFormat(format);
}

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, quality);
    return bytes;
}

void putU16be(QByteArray &bytes, qsizetype at, quint16 value)
{
    bytes[at] = char(value >> 8);
    bytes[at + 1] = char(value & 0xFF);
}

void putU32le(QByteArray &bytes, qsizetype at, quint32 value)
{
    for (int k = 0; k < 4; ++k)
        bytes[at + k] = char(value >> (8 * k));
}

LoadedPicture read(const QByteArray &bytes)
{
    return PictureReader::readBytes(bytes, Background);
}

}

TEST(PictureReader, TheLimitIsTheCanvassOwn)
{
    EXPECT_EQ(PictureReader::allocationLimit(), qint64(1) << 30);
}

TEST(PictureReader, HeadersClaimingHugePicturesAreRefusedBeforeDecoding)
{
    QByteArray bmp = encoded(pattern(4, 4), "BMP");
    QByteArray wideBmp = bmp;
    putU32le(bmp, 18, 100000);
    putU32le(bmp, 22, 100000);
    // Few pixels, but wider than any canvas.
    putU32le(wideBmp, 18, 40000);
    putU32le(wideBmp, 22, 1);

    QByteArray jpeg = encoded(pattern(8, 8), "JPEG");
    const qsizetype sof = jpeg.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    putU16be(jpeg, sof + 5, 60000);
    putU16be(jpeg, sof + 7, 60000);

    const QByteArray gif = QByteArray("GIF89a\xFF\xFF\xFF\xFF\x00\x00\x00", 13)
        + QByteArray("\x2C\0\0\0\0\xFF\xFF\xFF\xFF\x00\x08\x01\x00\x00\x3B", 16);

    for (const QByteArray &bytes : { bmp, wideBmp, jpeg, gif }) {
        const LoadedPicture picture = read(bytes);
        EXPECT_EQ(picture.outcome, Outcome::Refused);
        EXPECT_TRUE(picture.reason.startsWith(QStringLiteral("图片太大")))
            << picture.reason.toStdString();
    }
}

TEST(PictureReader, FilesCutShortOpenAsIncompleteNeverWhole)
{
    const QImage image = pattern(64, 48);
    QByteArray jpeg = encoded(image, "JPEG", 90);
    ASSERT_TRUE(jpeg.endsWith("\xFF\xD9"));
    jpeg.chop(2);

    QByteArray bmp = encoded(image, "BMP");
    bmp.chop(bmp.size() / 3);

    QByteArray png = encoded(image, "PNG");
    png.chop(12); // the IEND chunk

    for (const QByteArray &bytes : { jpeg, bmp }) {
        const LoadedPicture picture = read(bytes);
        EXPECT_EQ(picture.outcome, Outcome::Incomplete);
        EXPECT_EQ(picture.reason, PictureReadReason::incomplete());
        EXPECT_EQ(picture.image.size(), image.size());
    }
    // libpng refuses a stream without its end; either way it is not whole.
    EXPECT_NE(read(png).outcome, Outcome::Whole);

    // The rows a bottom-up bitmap lost are its top ones, and they are black.
    const QImage cut = read(bmp).image;
    EXPECT_EQ(cut.pixel(5, 0), qRgb(0, 0, 0));
    EXPECT_EQ(cut.pixel(5, 47), image.pixel(5, 47));
}

TEST(PictureReader, GifImagesAreCheckedUpToTheirLastPixel)
{
    // A 2 x 2 GIF: clear, four pixels of colour 0, end (min code size 2,
    // codes of 3 bits: 4, 0, 0, 0, 0, 5).
    const QByteArray head("GIF89a\x02\x00\x02\x00\x80\x00\x00"
                          "\x00\x00\x00\xFF\xFF\xFF"
                          "\x2C\x00\x00\x00\x00\x02\x00\x02\x00\x00\x02",
        30);
    const QByteArray whole = head + QByteArray("\x03\x04\x00\x05\x00\x3B", 6);
    EXPECT_EQ(read(whole).outcome, Outcome::Whole);
    EXPECT_EQ(read(whole).image.pixel(1, 1), qRgb(0, 0, 0));
    // The data block ends after two pixels.
    EXPECT_NE(read(head + QByteArray("\x01\x04\x00\x3B", 4)).outcome, Outcome::Whole);
    // Code 7 names a table entry that does not exist yet.
    EXPECT_EQ(read(head + QByteArray("\x02\xFC\x01\x00\x3B", 5)).outcome, Outcome::Refused);
}

TEST(PictureReader, BareDibsOpenLikeTheirBitmaps)
{
    const QImage image = pattern(13, 7);
    QImage indexed = image.convertToFormat(QImage::Format_Indexed8);
    for (const QImage &source : { image, indexed }) {
        const QByteArray bmp = encoded(source, "BMP");
        const LoadedPicture fromBmp = read(bmp);
        const LoadedPicture fromDib = read(bmp.mid(14));
        ASSERT_EQ(fromDib.outcome, Outcome::Whole) << fromDib.reason.toStdString();
        EXPECT_EQ(fromDib.image, fromBmp.image);
    }
}

TEST(PictureReader, TheFormatIsToldByContentNotName)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("really-a.png.jpg"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encoded(pattern(5, 3), "PNG"));
    file.close();
    const LoadedPicture picture = PictureReader::readFile(path, Background);
    EXPECT_EQ(picture.outcome, Outcome::Whole);
    EXPECT_EQ(picture.image, pattern(5, 3));
}

TEST(PictureReader, TransparencyShowsTheBackground)
{
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(10, 20, 30, 0));
    image.setPixel(1, 0, qRgba(10, 20, 30, 255));
    image.setPixel(2, 0, qRgba(0, 0, 0, 128));
    const LoadedPicture picture = read(encoded(image, "PNG"));
    ASSERT_EQ(picture.outcome, Outcome::Whole);
    EXPECT_EQ(picture.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.image.pixel(0, 0), Colour::toPixel(Background));
    EXPECT_EQ(picture.image.pixel(1, 0), qRgb(10, 20, 30));
    // Half over the background: about half of each channel.
    const QRgb half = picture.image.pixel(2, 0);
    EXPECT_NEAR(qRed(half), 125, 2);
    EXPECT_NEAR(qGreen(half), 64, 2);
    EXPECT_NEAR(qBlue(half), 1, 2);
}

TEST(PictureReader, WhatIsNoPictureIsRefusedWithItsReason)
{
    EXPECT_EQ(read({}).reason, PictureReadReason::empty());
    EXPECT_EQ(read("just some text\r\n").reason, PictureReadReason::notAPicture());
    // Signatures with nothing after them.
    for (const char *start : { "\xFF\xD8\xFF", "GIF89a", "\x89PNG\r\n\x1a\n", "BM" }) {
        const LoadedPicture picture = read(QByteArray(start));
        EXPECT_EQ(picture.outcome, Outcome::Refused) << start;
        EXPECT_FALSE(picture.reason.isEmpty());
    }
}

TEST(PictureReader, TheFileSystemsAnswers)
{
    QTemporaryDir dir;
    const LoadedPicture missing
        = PictureReader::readFile(dir.filePath(QStringLiteral("nothing.bmp")), Background);
    EXPECT_EQ(missing.outcome, Outcome::NotFound);
    EXPECT_EQ(missing.reason, PictureReadReason::notFound());

    const LoadedPicture folder = PictureReader::readFile(dir.path(), Background);
    EXPECT_EQ(folder.outcome, Outcome::Refused);
    EXPECT_EQ(folder.reason, PictureReadReason::folder());

    const LoadedPicture device = PictureReader::readFile(QStringLiteral("/dev/zero"), Background);
    EXPECT_EQ(device.outcome, Outcome::Refused);
}

TEST(PictureReader, AFileThatCannotBeReadIsRefusedWithTheSystemsReason)
{
    QTemporaryDir dir;
    const QString locked = dir.filePath(QStringLiteral("locked.bmp"));
    QFile file(locked);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(encoded(pattern(2, 2), "BMP"));
    file.close();
    file.setPermissions(QFileDevice::WriteOwner);
    if (QFile(locked).open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running as a user who reads every file";
    const LoadedPicture unreadable = PictureReader::readFile(locked, Background);
    EXPECT_EQ(unreadable.outcome, Outcome::Refused);
    EXPECT_TRUE(unreadable.reason.startsWith(QStringLiteral("无法读取文件")));
}

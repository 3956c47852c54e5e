// The BMP encoder against a plain encoder written straight from the format,
// against Qt's reader, and each row packer against the other on every width
// that exercises their tails.
#include "files/BmpRowPacker.h"
#include "files/PictureWriter.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QtEndian>

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture no two neighbouring pixels of which are alike.
QImage patterned(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = qRgb((x * 7) ^ y, y * 13 + x, (x + y * 3) & 0xFF);
    }
    return image;
}

// The file byte by byte as the format describes it, one pixel at a time.
QByteArray referenceBmp(const QImage &image)
{
    const int width = image.width(), height = image.height();
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    QByteArray file;
    auto u16 = [&](quint16 v) { file.append(char(v & 0xFF)).append(char(v >> 8)); };
    auto u32 = [&](quint32 v) { u16(quint16(v & 0xFFFF)), u16(quint16(v >> 16)); };
    file.append("BM");
    u32(54 + rowBytes * height);
    u32(0);
    u32(54);
    u32(40);
    u32(width);
    u32(height);
    u16(1);
    u16(24);
    u32(0);
    u32(rowBytes * height);
    u32(3780);
    u32(3780);
    u32(0);
    u32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = image.pixel(x, y);
            file.append(char(qBlue(pixel))).append(char(qGreen(pixel))).append(char(qRed(pixel)));
        }
        for (int pad = width * 3; pad < rowBytes; ++pad)
            file.append('\0');
    }
    return file;
}

quint32 u32At(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16At(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

TEST(BmpEncoding, ReadsBackAsTheCanvasAtEveryRowPadding)
{
    for (const QSize size : { QSize(1, 1), QSize(1, 3), QSize(2, 2), QSize(3, 5), QSize(4, 1),
             QSize(5, 7), QSize(17, 3), QSize(33, 2), QSize(641, 479) }) {
        const QImage canvas = patterned(size.width(), size.height());
        const QByteArray file = PictureWriter::encodeBmp(canvas);
        EXPECT_EQ(file, referenceBmp(canvas)) << size.width() << "x" << size.height();
        const QImage back = QImage::fromData(file, "BMP").convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(back, canvas) << size.width() << "x" << size.height();
    }
}

TEST(BmpEncoding, HeaderDescribesA24BitBottomUpPictureAt96Dpi)
{
    const QByteArray file = PictureWriter::encodeBmp(patterned(5, 3));
    ASSERT_EQ(file.size(), 54 + 16 * 3); // 15 bytes of pixels padded to 16
    EXPECT_EQ(file.left(2), "BM");
    EXPECT_EQ(u32At(file, 2), quint32(file.size()));
    EXPECT_EQ(u32At(file, 6), 0u);
    EXPECT_EQ(u32At(file, 10), 54u);
    EXPECT_EQ(u32At(file, 14), 40u);
    EXPECT_EQ(qint32(u32At(file, 18)), 5);
    EXPECT_EQ(qint32(u32At(file, 22)), 3); // positive height: bottom row first
    EXPECT_EQ(u16At(file, 26), 1);
    EXPECT_EQ(u16At(file, 28), 24);
    EXPECT_EQ(u32At(file, 30), 0u);
    EXPECT_EQ(u32At(file, 34), 48u);
    EXPECT_EQ(u32At(file, 38), 3780u);
    EXPECT_EQ(u32At(file, 42), 3780u);
    EXPECT_EQ(u32At(file, 46), 0u);
    EXPECT_EQ(u32At(file, 50), 0u);
    for (int y = 0; y < 3; ++y)
        EXPECT_EQ(file.at(54 + y * 16 + 15), '\0') << "padding of row " << y;
}

TEST(BmpEncoding, OtherFormatsAreConvertedAndAlphaIsDropped)
{
    QImage argb(7, 4, QImage::Format_ARGB32);
    argb.fill(qRgba(10, 20, 30, 0x40));
    const QImage back = QImage::fromData(PictureWriter::encodeBmp(argb), "BMP");
    ASSERT_FALSE(back.isNull());
    EXPECT_EQ(back.pixel(6, 3), qRgb(10, 20, 30));

    QImage grey(3, 3, QImage::Format_Grayscale8);
    grey.fill(200);
    EXPECT_EQ(
        QImage::fromData(PictureWriter::encodeBmp(grey), "BMP").pixel(1, 1), qRgb(200, 200, 200));
}

TEST(BmpEncoding, RefusesNullImagesAndFilesBeyondFourGiB)
{
    EXPECT_TRUE(PictureWriter::encodeBmp(QImage()).isEmpty());
    // 38000 x 38000 x 3 bytes passes 2^32; the pixels are never read, so one
    // word stands in for them.
    static quint32 word = 0;
    const QImage huge(
        reinterpret_cast<uchar *>(&word), 38000, 38000, 38000 * 4, QImage::Format_RGB32);
    EXPECT_TRUE(PictureWriter::encodeBmp(huge).isEmpty());
}

TEST(BmpEncoding, EveryRowPackerMatchesThePixelByPixelPacking)
{
    QRandomGenerator random(8);
    std::vector<BmpRowPacker::PackRow> packers { BmpRowPacker::packPortable, BmpRowPacker::best() };
    if (BmpRowPacker::hasSsse3())
        packers.push_back(BmpRowPacker::packSsse3);
    else
        std::cout << "[ note ] no SSSE3 here: only the portable path is checked\n";

    for (qsizetype width = 0; width <= 70; ++width) {
        std::vector<quint32> row(width);
        for (auto &pixel : row)
            pixel = random.generate(); // alpha too, which must vanish
        QByteArray expected;
        for (const quint32 pixel : row)
            expected.append(char(pixel)).append(char(pixel >> 8)).append(char(pixel >> 16));
        for (const auto pack : packers) {
            // A guard byte after the row catches a packer writing too far.
            QByteArray out(width * 3 + 1, '\x5A');
            pack(row.data(), width, reinterpret_cast<uchar *>(out.data()));
            EXPECT_EQ(out.left(width * 3), expected) << "width " << width;
            EXPECT_EQ(out.back(), '\x5A') << "width " << width;
        }
    }
}

}

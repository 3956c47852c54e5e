// The header probe on hand-built BMP, DIB, ICO and CUR headers (every field
// that can be wrong, every length a header can be cut at, claims that
// overflow 32 and 64 bits) and on the real files of the shared corpus,
// checked against what Qt's own readers make of them.
#include "files/PictureHeader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>

#include <gtest/gtest.h>

#include <limits>

namespace {

using Format = PictureHeader::Format;
using Verdict = PictureHeader::Verdict;

constexpr qint64 GiB = qint64(1) << 30;

void putU16(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

void putU32(QByteArray &bytes, qsizetype at, quint32 value)
{
    qToLittleEndian(value, bytes.data() + at);
}

struct Bitmap
{
    qint32 width = 64;
    qint32 height = 32;
    quint16 bits = 24;
    quint32 compression = 0;
    quint32 infoSize = 40;
    quint16 planes = 1;

    // The bitmap header alone (a DIB).
    QByteArray info() const
    {
        QByteArray bytes(infoSize, '\0');
        putU32(bytes, 0, infoSize);
        if (infoSize == 12) {
            putU16(bytes, 4, quint16(width));
            putU16(bytes, 6, quint16(height));
            putU16(bytes, 8, planes);
            putU16(bytes, 10, bits);
            return bytes;
        }
        putU32(bytes, 4, quint32(width));
        putU32(bytes, 8, quint32(height));
        putU16(bytes, 12, planes);
        putU16(bytes, 14, bits);
        if (infoSize >= 20)
            putU32(bytes, 16, compression);
        return bytes;
    }

    // "BM", the file header and the bitmap header.
    QByteArray file() const
    {
        QByteArray bytes("BM");
        bytes.append(12, '\0');
        const QByteArray header = info();
        putU32(bytes, 10, quint32(14 + header.size()));
        bytes.append(header);
        putU32(bytes, 2, quint32(bytes.size()));
        return bytes;
    }
};

QByteArray pngImage(quint32 width, quint32 height, quint8 depth, quint8 colourType)
{
    QByteArray bytes("\x89PNG\r\n\x1a\n", 8);
    bytes.append(QByteArray("\0\0\0\x0dIHDR", 8));
    QByteArray size(8, '\0');
    qToBigEndian(width, size.data());
    qToBigEndian(height, size.data() + 4);
    bytes.append(size);
    bytes.append(char(depth));
    bytes.append(char(colourType));
    bytes.append(QByteArray(7, '\0'));
    return bytes;
}

struct Entry
{
    quint8 width;
    quint8 height;
    quint16 bits;
    QByteArray image;
    // Where the entry says its image is; by default where it is put.
    std::optional<quint32> offset = std::nullopt;
};

// An icon (type 1) or cursor (type 2) with its directory and images.
QByteArray iconFile(const std::vector<Entry> &entries, quint16 type = 1)
{
    QByteArray bytes(6 + 16 * qsizetype(entries.size()), '\0');
    putU16(bytes, 2, type);
    putU16(bytes, 4, quint16(entries.size()));
    for (size_t k = 0; k < entries.size(); ++k) {
        const qsizetype at = 6 + 16 * qsizetype(k);
        bytes[at] = char(entries[k].width);
        bytes[at + 1] = char(entries[k].height);
        putU16(bytes, at + 6, entries[k].bits);
        putU32(bytes, at + 8, quint32(entries[k].image.size()));
        putU32(bytes, at + 12, entries[k].offset.value_or(quint32(bytes.size())));
        bytes.append(entries[k].image);
    }
    return bytes;
}

PictureHeader probe(const QByteArray &bytes, qint64 limit = GiB)
{
    return PictureHeader::probe(bytes, limit, bytes.size());
}

}

TEST(PictureHeader, BitmapsTellTheirSizeDepthAndRowOrder)
{
    const PictureHeader bottomUp = probe(Bitmap { 640, 480, 24 }.file());
    EXPECT_EQ(bottomUp.format(), Format::Bmp);
    EXPECT_EQ(bottomUp.verdict(), Verdict::Truncated) << "the rows are missing";
    const PictureHeader headerOnly = PictureHeader::probe(Bitmap { 640, -480, 24 }.file(), GiB);
    EXPECT_EQ(headerOnly.verdict(), Verdict::Fits) << "the file's length is not known";
    EXPECT_EQ(headerOnly.width(), 640);
    EXPECT_EQ(headerOnly.height(), 480);
    EXPECT_TRUE(headerOnly.topDown());
    EXPECT_EQ(headerOnly.bitDepth(), 24);
    EXPECT_EQ(headerOnly.imageCount(), 1);
    EXPECT_EQ(headerOnly.infoHeaderSize(), 40u);
    EXPECT_EQ(headerOnly.decodedBytes(), 640 * 480 * 4);

    // With its rows: 64 pixels of 24 bits are 192 bytes, already a multiple of 4;
    // 5 pixels of 4 bits are 3 bytes, padded to 4.
    for (const auto &[bitmap, rowBytes] :
        { std::pair { Bitmap { 64, 3, 24 }, 192 }, std::pair { Bitmap { 5, 7, 4 }, 4 } }) {
        QByteArray whole = bitmap.file() + QByteArray(rowBytes * bitmap.height, '\0');
        EXPECT_EQ(probe(whole).verdict(), Verdict::Fits) << bitmap.width;
        whole.chop(1);
        EXPECT_EQ(probe(whole).verdict(), Verdict::Truncated) << bitmap.width;
    }

    const PictureHeader os2 = PictureHeader::probe(Bitmap { 300, 200, 8, 0, 12 }.file(), GiB);
    EXPECT_EQ(os2.verdict(), Verdict::Fits);
    EXPECT_EQ(os2.infoHeaderSize(), 12u);
    EXPECT_EQ(os2.width(), 300);
    EXPECT_EQ(os2.height(), 200);
    EXPECT_FALSE(os2.topDown());

    const PictureHeader v5
        = PictureHeader::probe(Bitmap { 9, 9, 32, PictureHeader::BitFields, 124 }.file(), GiB);
    EXPECT_EQ(v5.verdict(), Verdict::Fits);
    EXPECT_EQ(v5.compression(), quint32(PictureHeader::BitFields));
}

TEST(PictureHeader, ABareBitmapHeaderIsADib)
{
    const PictureHeader dib = PictureHeader::probe(Bitmap { 20, 10, 8 }.info(), GiB);
    EXPECT_EQ(dib.format(), Format::Dib);
    EXPECT_EQ(dib.verdict(), Verdict::Fits);
    EXPECT_EQ(dib.width(), 20);
    // Without a signature, the header size and one plane must match.
    Bitmap twoPlanes { 20, 10, 8 };
    twoPlanes.planes = 2;
    EXPECT_EQ(PictureHeader::probe(twoPlanes.info(), GiB).format(), Format::Unknown);
    EXPECT_EQ(PictureHeader::probe(twoPlanes.info(), GiB).verdict(), Verdict::NotAPicture);
}

TEST(PictureHeader, BadFieldsAreNamed)
{
    struct Case
    {
        Bitmap bitmap;
        Verdict verdict;
    };
    const Case cases[] = {
        { { 0, 10, 24 }, Verdict::Malformed },
        { { -5, 10, 24 }, Verdict::Malformed },
        { { 5, 0, 24 }, Verdict::Malformed },
        { { 5, 5, 7 }, Verdict::Unsupported },
        { { 5, 5, 0 }, Verdict::Unsupported },
        { { 5, 5, 24, 9 }, Verdict::Unsupported },
        { { 5, 5, 24, PictureHeader::Rle8 }, Verdict::Malformed },
        { { 5, -5, 8, PictureHeader::Rle8 }, Verdict::Malformed },
        { { 5, 5, 4, PictureHeader::Rle4 }, Verdict::Fits },
        { { 5, 5, 24, PictureHeader::BitFields }, Verdict::Malformed },
        { { 5, 5, 0, PictureHeader::Png }, Verdict::Fits },
        { { 5, 5, 24, 0, 100 }, Verdict::Malformed },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message()
            << c.bitmap.width << "x" << c.bitmap.height << " " << c.bitmap.bits
            << " bits, compression " << c.bitmap.compression << ", header " << c.bitmap.infoSize);
        const PictureHeader header = PictureHeader::probe(c.bitmap.file(), GiB);
        EXPECT_EQ(header.format(), Format::Bmp);
        EXPECT_EQ(header.verdict(), c.verdict);
        EXPECT_GE(header.width(), 0) << "a negative width is not reported";
    }
}

TEST(PictureHeader, HugeClaimsAreRefusedWithoutOverflow)
{
    constexpr qint32 Max = std::numeric_limits<qint32>::max();
    constexpr qint32 Min = std::numeric_limits<qint32>::min();
    for (const Bitmap &huge : { Bitmap { Max, Min, 32 }, Bitmap { Max, Max, 1 },
             Bitmap { 30000, 30000, 24 }, Bitmap { 65535, 65535, 24, 0, 12 } }) {
        const PictureHeader header = probe(huge.file());
        EXPECT_EQ(header.verdict(), Verdict::TooLarge) << huge.width << "x" << huge.height;
        EXPECT_GT(header.decodedBytes(), GiB);
    }
    EXPECT_EQ(probe(Bitmap { Max, Min, 32 }.file()).height(), qint64(1) << 31);
    EXPECT_EQ(
        probe(Bitmap { Max, Min, 32 }.file()).decodedBytes(), std::numeric_limits<qint64>::max())
        << "2^31 x 2^31 pixels of 4 bytes saturate";

    // The limit is inclusive: 16384 x 16384 pixels of 4 bytes are exactly 1 GiB.
    const QByteArray square = Bitmap { 16384, -16384, 32 }.file();
    EXPECT_EQ(PictureHeader::probe(square, GiB).verdict(), Verdict::Fits);
    EXPECT_EQ(PictureHeader::probe(square, GiB - 1).verdict(), Verdict::TooLarge);

    // An icon's directory says at most 256, but its image header can claim more.
    const QByteArray icon = iconFile({ { 16, 16, 32, Bitmap { 100000, 200000, 32 }.info() } });
    EXPECT_EQ(probe(icon).verdict(), Verdict::TooLarge);
    EXPECT_EQ(probe(icon).height(), 100000) << "the mask rows are half the height";
}

TEST(PictureHeader, IconsListTheirImagesAndSkipTheUnusableOnes)
{
    const Entry small { 16, 16, 4, Bitmap { 16, 32, 4 }.info() + QByteArray(200, '\0') };
    const Entry large { 0, 0, 32, pngImage(256, 256, 8, 6) };
    const PictureHeader icon = probe(iconFile({ small, large }));
    EXPECT_EQ(icon.format(), Format::Icon);
    EXPECT_EQ(icon.verdict(), Verdict::Fits);
    EXPECT_EQ(icon.imageCount(), 2);
    EXPECT_EQ(icon.unusableImages(), 0);
    EXPECT_EQ(icon.width(), 256);
    EXPECT_EQ(icon.height(), 256);
    EXPECT_EQ(icon.bitDepth(), 32);
    EXPECT_EQ(icon.compression(), quint32(PictureHeader::Png));

    // A cursor's directory holds hot spots where an icon's holds the depth.
    const PictureHeader cursor = probe(iconFile({ { 32, 32, 7, Bitmap { 32, 64, 1 }.info() } }, 2));
    EXPECT_EQ(cursor.format(), Format::Cursor);
    EXPECT_EQ(cursor.verdict(), Verdict::Fits);
    EXPECT_EQ(cursor.bitDepth(), 1);
    EXPECT_EQ(cursor.height(), 32);

    Entry pastTheEnd = small;
    pastTheEnd.offset = 100000;
    Entry intoTheDirectory = small;
    intoTheDirectory.offset = 8;
    Entry badHeader { 16, 16, 4, Bitmap { 16, 32, 7 }.info() };
    Entry badPng { 16, 16, 4, pngImage(0, 16, 8, 6) };
    const PictureHeader partly
        = probe(iconFile({ pastTheEnd, large, intoTheDirectory, badHeader, badPng }));
    EXPECT_EQ(partly.verdict(), Verdict::Fits);
    EXPECT_EQ(partly.imageCount(), 5);
    EXPECT_EQ(partly.unusableImages(), 4);
    EXPECT_EQ(partly.width(), 256);
    EXPECT_EQ(probe(iconFile({ pastTheEnd, badPng })).verdict(), Verdict::Malformed);
    EXPECT_EQ(probe(iconFile({})).verdict(), Verdict::Malformed);

    // Given only the directory, an image beyond the bytes takes the
    // directory's word for its size.
    const QByteArray whole = iconFile({ small, large });
    const PictureHeader directoryOnly
        = PictureHeader::probe(whole.first(6 + 32), GiB, whole.size());
    EXPECT_EQ(directoryOnly.verdict(), Verdict::Fits);
    EXPECT_EQ(directoryOnly.width(), 256);
}

TEST(PictureHeader, EveryCutOfAHeaderIsTruncatedAndNothingElse)
{
    // A bitmap's fields end with the compression, 34 bytes in.
    const QByteArray bitmap = Bitmap { 64, 32, 8 }.file();
    for (qsizetype length = 0; length < 34; ++length) {
        const PictureHeader header = PictureHeader::probe(bitmap.first(length), GiB);
        EXPECT_EQ(header.verdict(), Verdict::Truncated) << length;
        EXPECT_EQ(header.width(), 0) << length;
    }
    EXPECT_EQ(PictureHeader::probe(bitmap.first(34), GiB).verdict(), Verdict::Fits);

    const QByteArray icon = iconFile(
        { { 16, 16, 4, Bitmap { 16, 32, 4 }.info() }, { 32, 32, 4, Bitmap { 32, 64, 4 }.info() } });
    for (qsizetype length = 4; length < 6 + 32; ++length) {
        const PictureHeader header = PictureHeader::probe(icon.first(length), GiB, length);
        EXPECT_EQ(header.format(), Format::Icon) << length;
        EXPECT_EQ(header.verdict(), Verdict::Truncated) << length;
    }
    // With the directory whole but an image cut, that image is unusable.
    const PictureHeader cut = probe(icon.first(icon.size() - 1));
    EXPECT_EQ(cut.verdict(), Verdict::Fits);
    EXPECT_EQ(cut.unusableImages(), 1);
}

TEST(PictureHeader, OtherBytesAreNotAPicture)
{
    EXPECT_EQ(probe(QByteArray("GIF89a\x01\x00\x01\x00", 10)).verdict(), Verdict::NotAPicture);
    EXPECT_EQ(probe(QByteArray("\x89PNG\r\n\x1a\n", 8)).verdict(), Verdict::NotAPicture);
    EXPECT_EQ(probe(QByteArray()).verdict(), Verdict::Truncated);
    EXPECT_EQ(probe(QByteArray()).format(), Format::Unknown);
}

// The shared corpus of real files, when it is there.

namespace {

QDir corpus(const char *folder)
{
    return QDir(QStringLiteral(TESSARA_CORPUS_DIR "/%1").arg(QLatin1String(folder)));
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}

TEST(PictureHeaderCorpus, RealBitmapsFitWithTheSizeQtReads)
{
    const QDir dir = corpus("bmp");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    const QStringList files = dir.entryList({ QStringLiteral("*.bmp") }, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir.filePath(name);
        const PictureHeader header = probe(contents(path));
        EXPECT_EQ(header.format(), Format::Bmp);
        EXPECT_EQ(header.verdict(), Verdict::Fits);
        EXPECT_EQ(QSize(int(header.width()), int(header.height())), QImage(path).size());
        EXPECT_NE(header.bitDepth(), 0);
    }
}

TEST(PictureHeaderCorpus, RealIconsListEveryImageQtReads)
{
    const QDir dir = corpus("ico");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    const QStringList files
        = dir.entryList({ QStringLiteral("*.ico"), QStringLiteral("*.cur") }, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir.filePath(name);
        const PictureHeader header = probe(contents(path));
        EXPECT_EQ(header.format(), name.endsWith(".cur") ? Format::Cursor : Format::Icon);
        EXPECT_EQ(header.verdict(), Verdict::Fits);
        EXPECT_EQ(header.unusableImages(), 0);
        QImageReader reader(path);
        if (reader.imageCount() > 0)
            EXPECT_EQ(header.imageCount(), reader.imageCount());
        QSize largest;
        for (int k = 0; k < header.imageCount(); ++k) {
            reader.jumpToImage(k);
            const QImage image = reader.read();
            if (qint64(image.width()) * image.height() > qint64(largest.width()) * largest.height())
                largest = image.size();
        }
        if (!largest.isEmpty())
            EXPECT_EQ(QSize(int(header.width()), int(header.height())), largest);
    }
}

TEST(PictureHeaderCorpus, DamagedFilesAreRefusedOrTheirBadPartsSkipped)
{
    const QDir dir = corpus("broken");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    const auto read = [&](const char *name) { return probe(contents(dir.filePath(name))); };
    EXPECT_EQ(read("bmp_bitcount_7.bmp").verdict(), Verdict::Unsupported);
    EXPECT_EQ(read("bmp_palette_index_out_of_range.bmp").verdict(), Verdict::Fits)
        << "the header is sound; the pixels are the decoder's business";
    const PictureHeader icon = read("ico_entry_offset_past_eof.ico");
    EXPECT_EQ(icon.verdict(), Verdict::Fits);
    EXPECT_EQ(icon.imageCount(), 3);
    EXPECT_EQ(icon.unusableImages(), 1);
    EXPECT_EQ(read("zero_bytes.bmp").verdict(), Verdict::Truncated);
    EXPECT_EQ(read("text_renamed.jpg").verdict(), Verdict::NotAPicture);
    EXPECT_EQ(read("png_named.jpg").verdict(), Verdict::NotAPicture);
}

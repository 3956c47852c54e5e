// Opening the real files of the shared corpus: every good raster file opens
// whole at its own size with the pixels Qt decodes, photos upright, icons at
// their largest image, transparency over the background; every damaged file
// is refused or opened as incomplete, as its row in the corpus README allows.
#include "files/PictureReadReason.h"
#include "files/PictureReader.h"

#include <QDir>
#include <QImageReader>
#include <QTransform>

#include <gtest/gtest.h>

namespace {

using Outcome = LoadedPicture::Outcome;

constexpr ColourValue Background = Colour::fromRgb(12, 200, 34);

QDir corpus(const char *folder)
{
    return QDir(QStringLiteral(TESSARA_CORPUS_DIR "/%1").arg(QLatin1String(folder)));
}

bool allOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0xFF)
                return false;
        }
    }
    return true;
}

// The image Qt decodes for the file without our reader: the largest image of
// an icon, the first frame of an animation, rotated by its EXIF orientation.
QImage qtReference(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage largest;
    const int count = std::max(1, reader.imageCount());
    for (int k = 0; k < count && (k == 0 || path.endsWith(".ico") || path.endsWith(".cur")); ++k) {
        reader.jumpToImage(k);
        const QImage image = reader.read();
        if (qint64(image.width()) * image.height() > qint64(largest.width()) * largest.height())
            largest = image;
    }
    return largest;
}

// The reference composed over the background, pixel by pixel: opaque
// pixels must be the reference's own, transparent ones the background.
void expectSamePixels(const QImage &ours, const QImage &reference)
{
    const QImage argb = reference.convertToFormat(QImage::Format_ARGB32);
    int checked = 0;
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb expected = argb.pixel(x, y);
            const QRgb got = ours.pixel(x, y);
            if (qAlpha(expected) == 0xFF)
                ASSERT_EQ(got, expected) << "at " << x << "," << y;
            else if (qAlpha(expected) == 0)
                ASSERT_EQ(got, Colour::toPixel(Background)) << "at " << x << "," << y;
            ++checked;
        }
    }
    EXPECT_GT(checked, 0);
}

class GoodCorpusFolder : public testing::TestWithParam<const char *>
{ };

}

TEST_P(GoodCorpusFolder, EveryFileOpensWholeWithQtsPixels)
{
    const QDir dir = corpus(GetParam());
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    const QStringList files = dir.entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir.filePath(name);
        const LoadedPicture picture = PictureReader::readFile(path, Background);
        ASSERT_EQ(picture.outcome, Outcome::Whole) << picture.reason.toStdString();
        EXPECT_TRUE(picture.reason.isEmpty());
        EXPECT_EQ(picture.image.format(), QImage::Format_RGB32);
        EXPECT_TRUE(allOpaque(picture.image));
        const QImage reference = qtReference(path);
        ASSERT_EQ(picture.image.size(), reference.size());
        expectSamePixels(picture.image, reference);
    }
}

INSTANTIATE_TEST_SUITE_P(PictureReaderCorpus, GoodCorpusFolder,
    testing::Values("bmp", "gif", "ico", "jpeg"),
    [](const testing::TestParamInfo<const char *> &info) { return std::string(info.param); });

TEST(PictureReaderCorpus, PhotosComeOutUprightByTheirExifOrientation)
{
    const QDir dir = corpus("jpeg");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    // Orientation 6: the camera was turned right, the picture turns 90°
    // clockwise; 8: the other way.
    const struct
    {
        const char *name;
        qreal degrees;
    } cases[] = { { "pil_exif_orientation_6.jpg", 90 }, { "im_exif_orientation_8.jpg", 270 } };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        const LoadedPicture picture = PictureReader::readFile(path, Background);
        ASSERT_EQ(picture.outcome, Outcome::Whole);
        EXPECT_EQ(picture.image.size(), QSize(237, 320));
        QImageReader stored(path);
        stored.setAutoTransform(false);
        const QImage upright = stored.read()
                                   .transformed(QTransform().rotate(c.degrees))
                                   .convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(picture.image, upright);
    }
}

TEST(PictureReaderCorpus, IconsOpenAtTheirLargestImage)
{
    const QDir dir = corpus("ico");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    // Qt alone reads the first image of each (16 x 16 here).
    EXPECT_EQ(
        PictureReader::readFile(dir.filePath("real_nsis_modern-install-full.ico"), 0).image.size(),
        QSize(48, 48));
    EXPECT_EQ(PictureReader::readFile(dir.filePath("pil_png_entries.ico"), 0).image.size(),
        QSize(128, 128));
}

// The damaged files, each with what its README row allows.

namespace {

struct Damaged
{
    const char *name;
    Outcome outcome;
    QString reason; // a part of the reason, or empty for any
    QSize size; // when opened
};

}

TEST(PictureReaderCorpus, DamagedFilesAreRefusedOrOpenedAsIncomplete)
{
    const QDir dir = corpus("broken");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    const QString damaged = QStringLiteral("文件已损坏");
    const Damaged cases[] = {
        { "trunc_half.gif", Outcome::Incomplete, PictureReadReason::incomplete(), { 237, 176 } },
        // Its first frame, the picture, is whole; the second is cut.
        { "trunc_half_animated.gif", Outcome::Whole, {}, { 120, 89 } },
        { "trunc_half_progressive.jpg", Outcome::Incomplete, PictureReadReason::incomplete(),
            { 320, 237 } },
        { "trunc_half.wmf", Outcome::Incomplete, PictureReadReason::incomplete(), { 360, 360 } },
        { "trunc_half.png", Outcome::Refused, damaged, {} },
        { "trunc_inside_gbk_char.txt", Outcome::Refused, PictureReadReason::notAPicture(), {} },
        { "bmp_bitcount_7.bmp", Outcome::Refused, PictureReadReason::unsupportedBitDepth(7), {} },
        { "bmp_palette_index_out_of_range.bmp", Outcome::Whole, {}, { 150, 57 } },
        { "emf_record_size_past_end.emf", Outcome::Incomplete, PictureReadReason::incomplete(),
            { 200, 200 } },
        { "wmf_record_size_past_end.wmf", Outcome::Incomplete, PictureReadReason::incomplete(),
            { 200, 198 } },
        { "ico_entry_offset_past_eof.ico", Outcome::Whole, {}, { 32, 32 } },
        { "gif_lzw_noise.gif", Outcome::Refused, damaged, {} },
        { "zero_bytes.bmp", Outcome::Refused, PictureReadReason::empty(), {} },
        { "text_renamed.jpg", Outcome::Refused, PictureReadReason::notAPicture(), {} },
        { "png_named.jpg", Outcome::Whole, {}, { 160, 156 } },
    };
    QStringList covered;
    for (const Damaged &c : cases) {
        SCOPED_TRACE(c.name);
        covered << QLatin1String(c.name);
        const LoadedPicture picture = PictureReader::readFile(dir.filePath(c.name), Background);
        EXPECT_EQ(picture.outcome, c.outcome) << picture.reason.toStdString();
        EXPECT_TRUE(picture.reason.contains(c.reason)) << picture.reason.toStdString();
        EXPECT_EQ(picture.outcome == Outcome::Whole, picture.reason.isEmpty());
        if (picture.opened()) {
            EXPECT_EQ(picture.image.size(), c.size);
            EXPECT_EQ(picture.image.format(), QImage::Format_RGB32);
            EXPECT_TRUE(allOpaque(picture.image));
        } else {
            EXPECT_TRUE(picture.image.isNull());
        }
    }
    // A damaged file added to the corpus needs its row here.
    QStringList present = dir.entryList(QDir::Files);
    present.sort();
    covered.sort();
    EXPECT_EQ(present, covered);
}

TEST(PictureReaderCorpus, OutOfRangePaletteIndicesAreBlackAndTheRestIntact)
{
    const QDir broken = corpus("broken"), good = corpus("bmp");
    if (!broken.exists() || !good.exists())
        GTEST_SKIP() << "no corpus at " << broken.path().toStdString();
    const QImage damaged
        = PictureReader::readFile(broken.filePath("bmp_palette_index_out_of_range.bmp"), 0).image;
    const QImage original
        = PictureReader::readFile(good.filePath("real_nsis_grey_8bpp_59colors.bmp"), 0).image;
    ASSERT_EQ(damaged.size(), original.size());
    // The first 600 bytes of pixels are the bottom rows (150 wide, padded to 152).
    const int rewrittenRows = 600 / 152;
    for (int y = 0; y < damaged.height() - rewrittenRows - 1; ++y) {
        for (int x = 0; x < damaged.width(); ++x)
            ASSERT_EQ(damaged.pixel(x, y), original.pixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(damaged.pixel(0, damaged.height() - 1), 0xFF000000u);
}

TEST(PictureReaderCorpus, TheCutAnimationsFirstFrameIsTheWholeFilesFirstFrame)
{
    const QDir broken = corpus("broken"), good = corpus("gif");
    if (!broken.exists() || !good.exists())
        GTEST_SKIP() << "no corpus at " << broken.path().toStdString();
    EXPECT_EQ(PictureReader::readFile(broken.filePath("trunc_half_animated.gif"), Background).image,
        PictureReader::readFile(good.filePath("im_anim_4frames_loop.gif"), Background).image);
}

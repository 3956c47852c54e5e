// Every metafile of the shared corpus played and compared with the reference
// PNG of its drawing. The reference is rough (other fonts, gradients in
// bands, LibreOffice exports a little smaller), so the measure is coarse:
// our picture is scaled to the reference's size and the share of pixels
// that differ by more than 48 in some channel from the reference composed
// over white is held under a ceiling per file, a little above what the
// player gives today. The figures per file are in the table.
#include "files/MetafilePlayer.h"
#include "files/PictureReadReason.h"
#include "files/PictureReader.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

using Outcome = LoadedPicture::Outcome;

constexpr ColourValue White = 0xFFFFFF;

QDir corpus(const char *folder)
{
    return QDir(QStringLiteral(TESSARA_CORPUS_DIR "/%1").arg(QLatin1String(folder)));
}

QImage overWhite(const QImage &reference)
{
    QImage flat(reference.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, reference);
    return flat;
}

// The share (percent) of pixels off by more than 48 in a channel.
double differingShare(const QImage &ours, const QImage &reference)
{
    const QImage scaled
        = ours.scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(QImage::Format_RGB32);
    const QImage flat = overWhite(reference);
    qint64 off = 0;
    for (int y = 0; y < flat.height(); ++y) {
        for (int x = 0; x < flat.width(); ++x) {
            const QRgb a = scaled.pixel(x, y), b = flat.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) > 48 || std::abs(qGreen(a) - qGreen(b)) > 48
                || std::abs(qBlue(a) - qBlue(b)) > 48)
                ++off;
        }
    }
    return 100.0 * double(off) / double(qint64(flat.width()) * flat.height());
}

struct Expected
{
    const char *name;
    QSize size;
    double ceiling; // percent of pixels off; the comment gives today's figure
};

// Every metafile of the corpus, its size in pixels and its ceiling.
const Expected Table[] = {
    { "brick_outline.inkscape.emf", { 401, 208 }, 8 }, // 5.1
    { "brick_outline.inkscape.wmf", { 400, 206 }, 6 }, // 3.1
    { "brick_outline.libreoffice.emf", { 375, 181 }, 11 }, // 8.1
    { "brick_outline.libreoffice.wmf", { 375, 181 }, 11 }, // 8.1
    { "flag_newmexico.inkscape.emf", { 801, 537 }, 5 }, // 2.1
    { "flag_newmexico.inkscape.wmf", { 800, 533 }, 3 }, // 0.4
    { "flag_newmexico.libreoffice.emf", { 747, 480 }, 5 }, // 2.1
    { "flag_newmexico.libreoffice.wmf", { 747, 480 }, 5 }, // 2.2
    { "give_way_text.inkscape-nonplaceable.wmf", { 167, 147 }, 6 }, // 3.2
    { "give_way_text.inkscape-text-gradpoly.emf", { 200, 178 }, 11 }, // 8.8
    { "give_way_text.inkscape-text-gradpoly.wmf", { 200, 176 }, 10 }, // 7.5
    { "give_way_text.inkscape.emf", { 200, 178 }, 7 }, // 4.8
    { "give_way_text.inkscape.wmf", { 200, 176 }, 6 }, // 3.4
    { "give_way_text.libreoffice.emf", { 185, 161 }, 24 }, // 21.3
    { "give_way_text.libreoffice.wmf", { 185, 161 }, 27 }, // 24.2
    { "globe_radial_gradient.inkscape-text-gradpoly.emf", { 257, 257 }, 6 }, // 3.4
    { "globe_radial_gradient.inkscape-text-gradpoly.wmf", { 256, 256 }, 5 }, // 2.2
    { "globe_radial_gradient.inkscape.emf", { 257, 257 }, 19 }, // 16.3
    { "globe_radial_gradient.inkscape.wmf", { 256, 256 }, 18 }, // 15.7
    { "globe_radial_gradient.libreoffice.emf", { 236, 236 }, 28 }, // 25.1
    { "globe_radial_gradient.libreoffice.wmf", { 236, 236 }, 27 }, // 25.0
    { "keyboard_keys_text_gradient.inkscape-text-gradpoly.emf", { 321, 102 }, 7 }, // 4.3
    { "keyboard_keys_text_gradient.inkscape-text-gradpoly.wmf", { 320, 101 }, 9 }, // 6.6
    { "keyboard_keys_text_gradient.inkscape.emf", { 321, 102 }, 6 }, // 3.4
    { "keyboard_keys_text_gradient.inkscape.wmf", { 320, 101 }, 8 }, // 5.2
    { "keyboard_keys_text_gradient.libreoffice.emf", { 303, 84 }, 14 }, // 11.6
    { "keyboard_keys_text_gradient.libreoffice.wmf", { 303, 84 }, 13 }, // 10.5
    { "ladybug_curves.inkscape.emf", { 257, 302 }, 10 }, // 7.3
    { "ladybug_curves.inkscape.wmf", { 255, 300 }, 10 }, // 7.8
    { "ladybug_curves.libreoffice.emf", { 233, 278 }, 28 }, // 25.9
    { "ladybug_curves.libreoffice.wmf", { 233, 278 }, 28 }, // 25.4
    { "pattern_fill.inkscape.emf", { 102, 102 }, 59 }, // 56.2
    { "pattern_fill.inkscape.wmf", { 100, 100 }, 65 }, // 62.9
    { "pattern_fill.libreoffice.emf", { 93, 93 }, 8 }, // 5.4
    { "pattern_fill.libreoffice.wmf", { 93, 93 }, 8 }, // 5.9
    { "star_thin_lines.inkscape.emf", { 163, 159 }, 10 }, // 7.5
    { "star_thin_lines.inkscape.wmf", { 160, 156 }, 7 }, // 4.1
    { "star_thin_lines.libreoffice.emf", { 147, 143 }, 12 }, // 9.7
    { "star_thin_lines.libreoffice.wmf", { 147, 143 }, 12 }, // 9.8
};

}

TEST(MetafileCorpus, EveryFileOpensAtItsSizeAndLooksLikeItsReference)
{
    const QDir dir = corpus("metafile");
    if (!dir.exists())
        GTEST_SKIP() << "no corpus at " << dir.path().toStdString();
    QStringList covered;
    for (const Expected &e : Table) {
        SCOPED_TRACE(e.name);
        covered << QLatin1String(e.name);
        const LoadedPicture picture = PictureReader::readFile(dir.filePath(e.name), White);
        ASSERT_EQ(picture.outcome, Outcome::Whole) << picture.reason.toStdString();
        EXPECT_EQ(picture.image.size(), e.size);
        const QString drawing = QString::fromLatin1(e.name).section(QLatin1Char('.'), 0, 0);
        const QImage reference(dir.filePath(drawing + QStringLiteral(".ref.png")));
        ASSERT_FALSE(reference.isNull());
        const double share = differingShare(picture.image, reference);
        EXPECT_LE(share, e.ceiling);
    }
    // A metafile added to the corpus needs its row here.
    QStringList present = dir.entryList({ QStringLiteral("*.wmf"), QStringLiteral("*.emf") });
    present.sort();
    covered.sort();
    EXPECT_EQ(covered, present);
}

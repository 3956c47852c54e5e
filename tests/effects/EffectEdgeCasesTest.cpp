// What each effect does at its edges: the small selections, the ties, the
// clamps and the flat areas the effects are defined by.
#include "effects/Convolution.h"
#include "effects/Emboss.h"
#include "effects/Flip.h"
#include "effects/Oil.h"
#include "effects/OilRandom.h"
#include "effects/Sharpen.h"
#include "effects/Soften.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

template <typename Kernel> QImage applied(Kernel kernel, const QImage &source)
{
    QImage result(source.size(), QImage::Format_RGB32);
    kernel(rowsOf(source), rowsOf(result));
    return result;
}

QImage filtered(const Convolution &filter, const QImage &source)
{
    return applied([&](ConstPixelRows s, PixelRows d) { convolve(s, d, filter); }, source);
}

QImage uniform(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

Convolution centreOnly(double weight)
{
    Convolution f;
    f.setWeight(0, 0, weight);
    return f;
}

// Pixels that differ between two images of one size.
int differing(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

TEST(EffectEdgeCases, uniformSelectionsStayOrTurnGrey)
{
    const QImage flat = uniform(9, 7, qRgb(200, 31, 7));
    EXPECT_EQ(applied(soften, flat), flat);
    EXPECT_EQ(applied(sharpen, flat), flat);
    OilRandom random;
    EXPECT_EQ(applied([&](ConstPixelRows s, PixelRows d) { oil(s, d, random); }, flat), flat);
    const QImage embossed = applied(emboss, flat);
    for (int y = 0; y < flat.height(); ++y)
        for (int x = 0; x < flat.width(); ++x)
            EXPECT_EQ(
                embossed.pixel(x, y), x == 0 || y == 0 ? flat.pixel(x, y) : qRgb(128, 128, 128));
}

TEST(EffectEdgeCases, softenOfThreeByThreeChangesOnlyTheCentre)
{
    QImage image = noiseImage(3, 3, 4);
    int sums[3] = {};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            sums[0] += qRed(image.pixel(x, y));
            sums[1] += qGreen(image.pixel(x, y));
            sums[2] += qBlue(image.pixel(x, y));
        }
    const QImage softened = applied(soften, image);
    auto mean = [](int s) { return int(std::nearbyint(s / 9.0)); };
    EXPECT_EQ(softened.pixel(1, 1), qRgb(mean(sums[0]), mean(sums[1]), mean(sums[2])));
    EXPECT_EQ(differing(softened, image), image.pixel(1, 1) == softened.pixel(1, 1) ? 0 : 1);
}

TEST(EffectEdgeCases, sharpenTiesToEvenAndClamps)
{
    QImage image = uniform(3, 3, qRgb(99, 10, 0));
    image.setPixel(1, 1, qRgb(100, 0, 255));
    // Red 100.5 goes to 100, green -5 to 0, blue 382.5 to 255.
    EXPECT_EQ(applied(sharpen, image).pixel(1, 1), qRgb(100, 0, 255));
    image.setPixel(0, 0, qRgb(98, 10, 0));
    // Red 101 exactly.
    EXPECT_EQ(qRed(applied(sharpen, image).pixel(1, 1)), 101);
    image.setPixel(0, 0, qRgb(97, 10, 0));
    // Red 101.5 goes to 102.
    EXPECT_EQ(qRed(applied(sharpen, image).pixel(1, 1)), 102);
}

TEST(EffectEdgeCases, embossOfBlackUnderWhiteIsBlack)
{
    QImage image = uniform(2, 2, qRgb(255, 255, 255));
    image.setPixel(1, 1, qRgb(0, 0, 0));
    const QImage embossed = applied(emboss, image);
    EXPECT_EQ(embossed.pixel(1, 1), qRgb(0, 0, 0));
    // And the other way round clamps at white.
    image.fill(qRgb(0, 0, 0));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    EXPECT_EQ(applied(emboss, image).pixel(1, 1), qRgb(255, 255, 255));
}

TEST(EffectEdgeCases, selectionsTooSmallAreUnchanged)
{
    OilRandom random;
    const quint32 before = random.state();
    for (const QSize size : { QSize(2, 9), QSize(9, 2) }) {
        const QImage image = noiseImage(size.width(), size.height(), 5);
        EXPECT_EQ(applied(soften, image), image);
        EXPECT_EQ(applied(sharpen, image), image);
    }
    for (const QSize size : { QSize(4, 9), QSize(9, 4) }) {
        const QImage image = noiseImage(size.width(), size.height(), 6);
        EXPECT_EQ(applied([&](ConstPixelRows s, PixelRows d) { oil(s, d, random); }, image), image);
        Convolution wide = centreOnly(3);
        EXPECT_EQ(filtered(wide, image), image); // 5 x 5 needs five each way
        wide.radius = 1;
        EXPECT_NE(filtered(wide, image), image);
    }
    // Nothing was drawn for the pictures oil left alone.
    EXPECT_EQ(random.state(), before);
    const QImage single = noiseImage(1, 5, 7);
    EXPECT_EQ(applied(emboss, single), single);
}

TEST(EffectEdgeCases, oilTakesEachPixelFromWithinTwo)
{
    // Every pixel a different colour, so each output names its source.
    QImage image(40, 30, QImage::Format_RGB32);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x)
            image.setPixel(x, y, qRgb(x, y, 0));
    OilRandom random;
    const QImage oiled = applied([&](ConstPixelRows s, PixelRows d) { oil(s, d, random); }, image);
    int moved = 0;
    for (int y = 2; y < 28; ++y)
        for (int x = 2; x < 38; ++x) {
            const int dx = qRed(oiled.pixel(x, y)) - x;
            const int dy = qGreen(oiled.pixel(x, y)) - y;
            EXPECT_TRUE(dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2) << x << "," << y;
            moved += dx != 0 || dy != 0;
        }
    EXPECT_GT(moved, 36 * 26 / 2);
    // The sequence goes on: a second oil of the same picture differs.
    OilRandom fresh;
    const QImage first = applied([&](ConstPixelRows s, PixelRows d) { oil(s, d, fresh); }, image);
    EXPECT_EQ(first, oiled);
    EXPECT_NE(applied([&](ConstPixelRows s, PixelRows d) { oil(s, d, fresh); }, image), oiled);
}

TEST(EffectEdgeCases, customFilterMatchesTheDefinitionsEdgeCases)
{
    const QImage image = noiseImage(23, 17, 8);
    // The first use: every cell empty gives black inside the frame.
    const QImage black = filtered(Convolution {}, image);
    EXPECT_EQ(black.pixel(2, 2), qRgb(0, 0, 0));
    EXPECT_EQ(black.pixel(20, 14), qRgb(0, 0, 0));
    EXPECT_EQ(black.pixel(1, 1), image.pixel(1, 1));
    // A centre of 1 keeps the picture, and so does -1, by the absolute value.
    EXPECT_EQ(filtered(centreOnly(1), image), image);
    EXPECT_EQ(filtered(centreOnly(-1), image), image);
    // Nine ones over nine in 3 x 3 is the soften.
    Convolution ones;
    ones.radius = 1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            ones.setWeight(dy, dx, 1);
    ones.divisor = 9;
    EXPECT_EQ(filtered(ones, image), applied(soften, image));
    // A negative result comes out positive: 0 - 40 gives 40.
    Convolution minus = centreOnly(0);
    minus.addend = -40;
    EXPECT_EQ(filtered(minus, image).pixel(5, 5), qRgb(40, 40, 40));
    // A divisor of 0 counts as 1.
    Convolution zero = centreOnly(1);
    zero.divisor = 0;
    EXPECT_EQ(filtered(zero, image), image);
}

TEST(EffectEdgeCases, flipsMirrorAndUndoThemselves)
{
    const QImage image = noiseImage(7, 4, 9);
    auto flipped = [](const QImage &source, FlipKind kind) {
        return applied([kind](ConstPixelRows s, PixelRows d) { flip(s, d, kind); }, source);
    };
    for (FlipKind kind : { FlipKind::Horizontal, FlipKind::Vertical, FlipKind::Diagonal })
        EXPECT_EQ(flipped(flipped(image, kind), kind), image);
    const QImage diagonal = flipped(image, FlipKind::Diagonal);
    EXPECT_EQ(diagonal.size(), image.size());
    EXPECT_EQ(diagonal, flipped(flipped(image, FlipKind::Horizontal), FlipKind::Vertical));
    EXPECT_EQ(diagonal.pixel(0, 0), image.pixel(6, 3));
    EXPECT_EQ(flipped(image, FlipKind::Horizontal).pixel(0, 1), image.pixel(6, 1));
    EXPECT_EQ(flipped(image, FlipKind::Vertical).pixel(2, 0), image.pixel(2, 3));
    const QImage column = noiseImage(1, 9, 10);
    EXPECT_EQ(flipped(column, FlipKind::Horizontal), column);
}

// The arithmetic the fast paths rest on, over every value it can meet.
TEST(EffectArithmetic, integerFormsRoundLikeTheDefinitions)
{
    for (int sum = 0; sum <= 9 * 255; ++sum) {
        const int expected = int(std::nearbyint(sum / 9.0));
        ASSERT_EQ(SoftenArithmetic::meanOfNine(sum), expected) << sum;
        ASSERT_EQ(SoftenArithmetic::meanOfNineByMultiply(sum), expected) << sum;
        ASSERT_EQ(SoftenArithmetic::meanOfNineByRoundingMultiply(sum), expected) << sum;
    }
    for (int p = 0; p < 256; ++p)
        for (int q = 0; q < 256; ++q) {
            const double v = std::clamp(p + (p - q) * 0.5, 0.0, 255.0);
            ASSERT_EQ(SharpenArithmetic::sharpened(p, q), int(std::nearbyint(v))) << p << " " << q;
        }
    // Oil's offsets: the row nearest y + (r * 4 - 2), ties to even, for draws
    // around every boundary between two offsets (and so, the offsets rising
    // with the draw, for all draws).
    for (int y = 2; y < 4; ++y)
        for (quint32 edge = 0; edge <= (1u << 24); edge += 1u << 21)
            for (qint64 bits = qint64(edge) - 2; bits <= qint64(edge) + 2; ++bits) {
                if (bits < 0 || bits >= (1 << 24))
                    continue;
                const float dy = float(double(bits) / 16777216.0 * 4 - 2);
                const int row = int(std::nearbyint(y + double(dy)));
                ASSERT_EQ(OilArithmetic::rowIndex(quint32(bits), y), row - y + 2) << bits;
                const int dx = int(std::nearbyint(double(bits) / 16777216.0 * 4 - 2));
                ASSERT_EQ(OilArithmetic::columnIndex(quint32(bits)), dx + 2) << bits;
            }
}

TEST(EffectArithmetic, oilDrawsInBatchesAsOneByOne)
{
    for (int count = 0; count < 11; ++count) {
        OilRandom batch, single;
        batch.nextBits(); // the batch starts anywhere in the sequence
        single.nextBits();
        std::vector<quint32> drawn(size_t(count) + 1);
        batch.fillBits(drawn.data(), count);
        for (int k = 0; k < count; ++k)
            ASSERT_EQ(drawn[size_t(k)], single.nextBits()) << count;
        EXPECT_EQ(batch.state(), single.state());
    }
}

}

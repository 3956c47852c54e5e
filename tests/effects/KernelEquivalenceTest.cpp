// Every fast effect kernel gives the same pixels as its plain reference, bit
// for bit, on pictures of awkward sizes and contents.
#include "base/VectorUnits.h"
#include "effects/Convolution.h"
#include "effects/Emboss.h"
#include "effects/Flip.h"
#include "effects/Oil.h"
#include "effects/OilRandom.h"
#include "effects/Sharpen.h"
#include "effects/Soften.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using Kernel = std::function<void(ConstPixelRows, PixelRows)>;

struct KernelSet
{
    const char *name;
    Kernel fast;
    Kernel portable;
    Kernel reference;
};

QImage applied(const Kernel &kernel, const QImage &source)
{
    QImage result(source.size(), QImage::Format_RGB32);
    result.fill(0x5A5A5A); // anything a kernel forgets to write shows
    kernel(rowsOf(source), rowsOf(result));
    return result;
}

// Oil draws from a generator; each path starts from a fresh one, as the
// first oil of a run does.
Kernel oilWith(void (*kernel)(ConstPixelRows, PixelRows, OilRandom &))
{
    return [kernel](ConstPixelRows src, PixelRows dst) {
        OilRandom random;
        kernel(src, dst, random);
    };
}

Kernel flipWith(void (*kernel)(ConstPixelRows, PixelRows, FlipKind), FlipKind kind)
{
    return [kernel, kind](ConstPixelRows src, PixelRows dst) { kernel(src, dst, kind); };
}

Kernel convolveWith(
    void (*kernel)(ConstPixelRows, PixelRows, const Convolution &), Convolution filter)
{
    return [kernel, filter](ConstPixelRows src, PixelRows dst) { kernel(src, dst, filter); };
}

Convolution filterOf(
    int radius, std::initializer_list<double> weights, double divisor, double addend)
{
    Convolution f;
    f.radius = radius;
    auto w = weights.begin();
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            f.setWeight(dy, dx, *w++);
    f.divisor = divisor;
    f.addend = addend;
    return f;
}

KernelSet convolutionSet(const char *name, const Convolution &f)
{
    return { name, convolveWith(convolve, f), convolveWith(convolvePortable, f),
        convolveWith(convolveReference, f) };
}

std::vector<KernelSet> kernelSets()
{
    std::vector<KernelSet> sets = {
        { "soften", soften, softenPortable, softenReference },
        { "sharpen", sharpen, sharpenPortable, sharpenReference },
        { "emboss", emboss, embossPortable, embossReference },
        { "oil", oilWith(oil), oilWith(oilPortable), oilWith(oilReference) },
    };
    for (FlipKind kind : { FlipKind::Horizontal, FlipKind::Vertical, FlipKind::Diagonal })
        sets.push_back({ "flip", flipWith(flip, kind), flipWith(flipPortable, kind),
            flipWith(flipReference, kind) });
    // Small sums with halves to tie (divisor 2), sums that need 32 bits, a
    // divisor that leaves thirds, negative results, and a fractional addend
    // (which takes the double-precision loops).
    sets.push_back(convolutionSet("ones/9", filterOf(1, { 1, 1, 1, 1, 1, 1, 1, 1, 1 }, 9, 0)));
    sets.push_back(
        convolutionSet("edges/2", filterOf(1, { -1, -1, -1, -1, 9, -1, -1, -1, -1 }, 2, -3)));
    sets.push_back(convolutionSet("5x5 wide/3",
        filterOf(2,
            { 1, -4, 6, -4, 1, 4, 16, -24, 16, 4, 6, 24, 36, 24, 6, 4, 16, 24, 16, 4, 1, 4, 6, 4,
                -1 },
            3, 7)));
    sets.push_back(convolutionSet("5x5 large weights/1000",
        filterOf(2,
            { 30000, -2, 0, 0, 5, 0, -32767, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 9, 0, 0, 0,
                -7 },
            1000, 255)));
    sets.push_back(convolutionSet("5x5 sharp/32767",
        filterOf(2,
            { 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, -1, 5, -1, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0 },
            32767, -255)));
    sets.push_back(
        convolutionSet("fractional addend", filterOf(1, { 0, 1, 0, 1, -4, 1, 0, 1, 0 }, 1, 0.5)));
    // Kernels of rank one (a column of weights times a row), with a divisor
    // whose quotients never tie, one whose halves must round to even, and
    // sums that can be negative.
    sets.push_back(convolutionSet("5x5 binomial/255",
        filterOf(2,
            { 1, 4, 6, 4, 1, 4, 16, 24, 16, 4, 6, 24, 36, 24, 6, 4, 16, 24, 16, 4, 1, 4, 6, 4, 1 },
            255, 1)));
    sets.push_back(convolutionSet("3x3 ones/7", filterOf(1, { 1, 1, 1, 1, 1, 1, 1, 1, 1 }, 7, 3)));
    sets.push_back(convolutionSet("5x5 ones/25",
        filterOf(2, { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 },
            25, 0)));
    sets.push_back(
        convolutionSet("3x3 binomial/16", filterOf(1, { 1, 2, 1, 2, 4, 2, 1, 2, 1 }, 16, 0)));
    sets.push_back(convolutionSet("5x5 rank one with zeros/3",
        filterOf(2,
            { 0, 0, 0, 0, 0, 3, 0, -6, 3, 0, -6, 0, 12, -6, 0, 3, 0, -6, 3, 0, 0, 0, 0, 0, 0 }, 3,
            0)));
    // Whole, non-negative sums of a kernel of higher rank, by an odd divisor
    // and by none.
    sets.push_back(
        convolutionSet("3x3 mixed/17", filterOf(1, { 1, 2, 1, 2, 5, 2, 1, 2, 3 }, 17, 2)));
    // A divisor whose 16-bit quotient runs one high for a few sums (51054 of
    // them, met on a uniform 254), which the vector path must correct.
    sets.push_back(convolutionSet(
        "3x3 centre-heavy/203", filterOf(1, { 1, 1, 1, 1, 193, 1, 1, 1, 1 }, 203, 0)));
    sets.push_back(convolutionSet("3x3 cross/1", filterOf(1, { 0, 1, 0, 1, 1, 1, 0, 1, 0 }, 1, 0)));
    return sets;
}

// Components of only 0 and 255: every clamp and saturation is reached.
QImage extremeImage(int width, int height, quint32 seed)
{
    QImage image = noiseImage(width, height, seed);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            quint32 p = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8)
                p |= ((row[x] >> shift) & 0x80 ? 0xFFu : 0u) << shift;
            row[x] = p;
        }
    }
    return image;
}

// Row 1 against the row above, one column to the left: the pairs an emboss
// or sharpen combines run through every pair of components.
QImage everyPairImage()
{
    const int pairs = 256 * 256;
    QImage image = noiseImage(pairs + 2, 3, 5);
    auto *above = reinterpret_cast<quint32 *>(image.scanLine(0));
    auto *row = reinterpret_cast<quint32 *>(image.scanLine(1));
    for (int i = 0; i < pairs; ++i) {
        const int low = i & 0xFF, high = i >> 8;
        row[i + 1] = qRgb(low, high, low);
        above[i] = qRgb(high ^ 0x55, low, high);
    }
    return image;
}

QImage uniformImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class KernelEquivalence : public ::testing::TestWithParam<size_t>
{
protected:
    KernelSet set() const { return kernelSets()[GetParam()]; }

    void expectSame(const QImage &source, const QString &what)
    {
        const QImage expected = applied(set().reference, source);
        EXPECT_EQ(applied(set().fast, source), expected) << qPrintable(what);
        EXPECT_EQ(applied(set().portable, source), expected) << qPrintable(what);
        VectorUnits::WithoutAvx2 narrower;
        EXPECT_EQ(applied(set().fast, source), expected) << qPrintable(what) << " without AVX2";
    }
};

TEST_P(KernelEquivalence, matchesReferenceOnEverySmallSize)
{
    const QSize sizes[] = { { 1, 1 }, { 2, 2 }, { 3, 3 }, { 4, 4 }, { 5, 5 }, { 6, 6 }, { 7, 13 },
        { 64, 1 }, { 1, 64 }, { 257, 131 } };
    quint32 seed = 1;
    for (const QSize &s : sizes) {
        const QString size = QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
        expectSame(noiseImage(s.width(), s.height(), seed++), size + " noise");
        expectSame(extremeImage(s.width(), s.height(), seed++), size + " black and white");
        expectSame(uniformImage(s.width(), s.height(), 0xFF6B2C9E), size + " uniform");
        expectSame(uniformImage(s.width(), s.height(), 0xFFFFFFFF), size + " white");
        expectSame(uniformImage(s.width(), s.height(), 0xFFFEFEFE), size + " near white");
        expectSame(uniformImage(s.width(), s.height(), 0xFF000000), size + " black");
    }
}

TEST_P(KernelEquivalence, matchesReferenceOnEveryComponentPair)
{
    expectSame(everyPairImage(), QStringLiteral("every pair"));
}

TEST_P(KernelEquivalence, matchesReferenceOnTheLargestCanvas)
{
    const QImage source = noiseImage(2402, 2002, 77);
    const QImage expected = applied(set().reference, source);
    EXPECT_EQ(applied(set().fast, source), expected);
    VectorUnits::WithoutAvx2 narrower;
    EXPECT_EQ(applied(set().fast, source), expected) << "without AVX2";
}

INSTANTIATE_TEST_SUITE_P(Effects, KernelEquivalence,
    ::testing::Range<size_t>(0, kernelSets().size()),
    [](const ::testing::TestParamInfo<size_t> &info) {
        std::string name = kernelSets()[info.param].name;
        for (char &c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name + "_" + std::to_string(info.param);
    });

}

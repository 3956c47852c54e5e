// Twips, rounding and colour values: the numeric rules everything else relies on.
#include "base/ColourValue.h"
#include "base/RoundHalfEven.h"
#include "base/Twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

TEST(Rounding, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(100.5), 100);
    EXPECT_EQ(roundHalfEven(101.5), 102);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
    EXPECT_EQ(roundHalfEven(-1.5), -2);
    EXPECT_EQ(roundHalfEven(2.4999), 2);
    EXPECT_EQ(roundHalfEven(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_GT(roundHalfEven(1e300), 0);
    EXPECT_LT(roundHalfEven(-std::numeric_limits<double>::infinity()), 0);
}

TEST(Rounding, AgreesWithTheMathsLibraryEverywhere)
{
    std::mt19937_64 rng(5);
    std::uniform_real_distribution<double> fraction(-1, 1);
    for (int n = 0; n < 200000; ++n) {
        // Halves, near halves and plain reals at every magnitude up to 2^60.
        const double scale = std::ldexp(1.0, int(rng() % 61));
        const double halves = std::floor(fraction(rng) * scale) + 0.5;
        for (const double v : { halves, std::nextafter(halves, 0.0), std::nextafter(halves, 1e300),
                 fraction(rng) * scale })
            ASSERT_EQ(roundHalfEven(v), std::int64_t(std::nearbyint(v))) << v;
    }
}

TEST(Twips, APointLiesInTheNearestPixel)
{
    EXPECT_EQ(Twips::toPixels(0), 0);
    EXPECT_EQ(Twips::toPixels(7), 0);
    EXPECT_EQ(Twips::toPixels(8), 1);
    EXPECT_EQ(Twips::toPixels(1800), 120);
    EXPECT_EQ(Twips::toPixels(675), 45);
    EXPECT_EQ(Twips::toPixels(22.5), 2); // 1.5 pixels: ties to even
    EXPECT_EQ(Twips::toPixels(37.5), 2); // 2.5 pixels
    EXPECT_EQ(Twips::toPixels(-15), -1);
    EXPECT_EQ(Twips::toPixels(36035), 2402);
    EXPECT_EQ(Twips::toPixels(30035), 2002);
    EXPECT_EQ(Twips::toPixels(1e300), Twips::PixelLimit);
    EXPECT_EQ(Twips::toPixels(-1e300), -Twips::PixelLimit);
}

TEST(Twips, ARectangleCoversThePixelsOfItsEdges)
{
    // 7 twips lie in pixel 0 and 7 + 22 = 29 in pixel 2: the width alone
    // (22 twips, about one pixel and a half) would have lost column 1.
    EXPECT_EQ(Twips::toPixelRect(QRectF(7, 8, 22, 22)), QRect(0, 1, 2, 1));
    EXPECT_EQ(Twips::toPixelRect(QRectF(30, 45, 150, 15)), QRect(2, 3, 10, 1));
    EXPECT_EQ(Twips::toPixelRect(QRectF(-22, -1e300, 44, 2e300)),
        QRect(QPoint(-1, -Twips::PixelLimit), QPoint(0, Twips::PixelLimit - 1)));
    EXPECT_TRUE(Twips::toPixelRect(QRectF(8, 8, 10, 30)).isEmpty()) << "no column passed";
    EXPECT_TRUE(Twips::toPixelRect(QRectF(30, 30, -15, 15)).isEmpty());

    // Rectangles that meet in twips meet in pixels: none shares or skips a column.
    for (double x = -30; x <= 30; x += 0.75) {
        for (double w : { 1.0, 7.0, 14.5, 22.0, 37.5, 100.25 }) {
            const QRect left = Twips::toPixelRect(QRectF(x, 0, w, 15));
            const QRect right = Twips::toPixelRect(QRectF(x + w, 0, 17, 15));
            const QRect both = Twips::toPixelRect(QRectF(x, 0, w + 17, 15));
            EXPECT_EQ(left.left(), both.left()) << x << " " << w;
            EXPECT_EQ(left.left() + left.width(), right.left()) << x << " " << w;
            EXPECT_EQ(right.right(), both.right()) << x << " " << w;
        }
    }
}

TEST(ColourValue, ComponentsFollowTheStoredValue)
{
    const ColourValue c = Colour::fromRgb(0x12, 0x34, 0x56);
    EXPECT_EQ(c, 0x12u + 256u * 0x34u + 65536u * 0x56u);
    EXPECT_EQ(Colour::red(c), 0x12);
    EXPECT_EQ(Colour::green(c), 0x34);
    EXPECT_EQ(Colour::blue(c), 0x56);
    EXPECT_EQ(Colour::toPixel(c), 0xFF123456u);
    EXPECT_EQ(Colour::fromPixel(0xFF123456u), c);
}

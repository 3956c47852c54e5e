// The forms the custom filter's fast paths take a kernel and its divisor to:
// which kernels factor into a column times a row, and which divisions the
// 16-bit form may make.
#include "effects/FilterFactors.h"
#include "effects/ShortDivision.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Weights = std::array<std::array<int, 5>, 5>;

Weights outer(std::array<int, 5> column, std::array<int, 5> row)
{
    Weights w {};
    for (size_t j = 0; j < 5; ++j)
        for (size_t i = 0; i < 5; ++i)
            w[j][i] = column[j] * row[i];
    return w;
}

TEST(FilterFactors, findsAColumnTimesARowOrNone)
{
    const std::array<int, 5> binomial { 1, 4, 6, 4, 1 };
    const std::optional<FilterFactors> blur = factorsOf(outer(binomial, binomial), 2);
    ASSERT_TRUE(blur);
    EXPECT_EQ(outer(blur->column, blur->row), outer(binomial, binomial));
    // A leading row of zeros, negative weights and a common factor.
    const Weights edge = outer({ 0, -3, 6, 0, 9 }, { 2, 0, -4, 2, 0 });
    const std::optional<FilterFactors> factored = factorsOf(edge, 2);
    ASSERT_TRUE(factored);
    EXPECT_EQ(outer(factored->column, factored->row), edge);
    // Only the inner nine count for a 3 x 3 kernel.
    Weights inner = outer({ 0, 1, 1, 1, 0 }, { 0, 1, 1, 1, 0 });
    inner[0][0] = 7;
    inner[1][0] = 7;
    EXPECT_TRUE(factorsOf(inner, 1));
    Weights lower = outer({ 0, 0, 1, 1, 0 }, { 0, 1, 1, 1, 0 });
    lower[1][4] = 3;
    EXPECT_TRUE(factorsOf(lower, 1));
    EXPECT_FALSE(factorsOf(inner, 2));
    // Rank two, a row that is no whole multiple, and all zeros.
    Weights cross = outer({ 0, 0, 1, 0, 0 }, { 0, 1, 1, 1, 0 });
    cross[1][2] = cross[3][2] = 1;
    EXPECT_FALSE(factorsOf(cross, 1));
    Weights halves = outer({ 0, 2, 1, 0, 0 }, { 0, 2, 4, 0, 0 });
    halves[2][1] = 1;
    halves[2][2] = 2;
    EXPECT_TRUE(factorsOf(halves, 1)); // 1 2 is half of 2 4, a whole multiple of 1 2
    halves[2][2] = 3;
    EXPECT_FALSE(factorsOf(halves, 1));
    EXPECT_FALSE(factorsOf(Weights {}, 2));
}

// The table of round(min(n / d, 255)), ties to even, for n = base + u.
std::vector<quint8> components(int base, int span, int divisor)
{
    std::vector<quint8> table(size_t(span) + 1);
    for (int u = 0; u <= span; ++u)
        table[size_t(u)] = quint8(std::min(std::nearbyint(double(base + u) / divisor), 255.0));
    return table;
}

TEST(ShortDivision, takesOnlyDivisionsItMakesExactly)
{
    EXPECT_TRUE(shortDivisionFor(components(0, 2295, 9), 0, 9));
    EXPECT_TRUE(shortDivisionFor(components(255, 65280, 255), 255, 255));
    EXPECT_TRUE(shortDivisionFor(components(0, 1275, 1), 0, 1));
    // A few quotients one too high, corrected.
    const std::optional<ShortDivision> corrected
        = shortDivisionFor(components(0, 51255, 203), 0, 203);
    ASSERT_TRUE(corrected);
    EXPECT_TRUE(corrected->corrected);
    // Halves that round to even, sums below zero, a dividend past 16 bits.
    EXPECT_FALSE(shortDivisionFor(components(0, 4080, 16), 0, 16));
    EXPECT_FALSE(shortDivisionFor(components(-10, 100, 3), -10, 3));
    EXPECT_FALSE(shortDivisionFor(components(70000, 10, 3), 70000, 3));
}

}

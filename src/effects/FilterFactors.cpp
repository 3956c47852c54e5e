#include "effects/FilterFactors.h"

#include <cstdlib>
#include <numeric>

std::optional<FilterFactors> factorsOf(const std::array<std::array<int, 5>, 5> &weights, int radius)
{
    const int from = 2 - radius, to = 2 + radius;
    FilterFactors factors;
    // The row: the first row with a weight, divided by its weights' common divisor.
    // (Weights beyond the radius may be anything and are never read.)
    int first = from, common = 0;
    for (; first <= to && common == 0; ++first) {
        for (int i = from; i <= to; ++i)
            common = std::gcd(common, std::abs(weights[size_t(first)][size_t(i)]));
    }
    if (common == 0)
        return std::nullopt;
    --first;
    int lead = from; // the first column the row does not leave out
    for (int i = from; i <= to; ++i)
        factors.row[size_t(i)] = weights[size_t(first)][size_t(i)] / common;
    while (factors.row[size_t(lead)] == 0)
        ++lead;
    // Each row of weights must then be a whole multiple of it.
    for (int j = from; j <= to; ++j) {
        const int w = weights[size_t(j)][size_t(lead)];
        if (w % factors.row[size_t(lead)] != 0)
            return std::nullopt;
        factors.column[size_t(j)] = w / factors.row[size_t(lead)];
        for (int i = from; i <= to; ++i) {
            if (weights[size_t(j)][size_t(i)] != factors.column[size_t(j)] * factors.row[size_t(i)])
                return std::nullopt;
        }
    }
    return factors;
}

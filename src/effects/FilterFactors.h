#pragma once

#include <array>
#include <optional>

// Whether a custom filter's whole-number weights are one column of whole
// numbers times one row (a kernel of rank one, as a box or binomial blur is):
// weight(dy, dx) = column[dy + 2] * row[dx + 2]. Its sums can then be made by a
// pass down the columns and a pass along the rows, the same sums in fewer steps.
struct FilterFactors
{
    std::array<int, 5> column {};
    std::array<int, 5> row {};
};

// `weights[dy + 2][dx + 2]`; only those within `radius` are read. A filter of
// zeros has no factors worth using.
std::optional<FilterFactors> factorsOf(
    const std::array<std::array<int, 5>, 5> &weights, int radius);

#include "effects/Oil.h"

#include "base/RoundHalfEven.h"
#include "effects/OilRandom.h"

#include <vector>

void oil(ConstPixelRows src, PixelRows dst, OilRandom &random)
{
    PixelRowsCopy::frame(src, dst, 2);
    if (src.width < 5 || src.height < 5)
        return;
    const int inside = src.width - 4;
    std::vector<quint32> draws(2 * size_t(inside));
    for (int y = 2; y < src.height - 2; ++y) {
        random.fillBits(draws.data(), qsizetype(draws.size()));
        const quint32 *rows[5];
        for (int k = 0; k < 5; ++k)
            rows[k] = src.row(y - 2 + k);
        const quint32 yBit = quint32(y) & 1u;
        quint32 *out = dst.row(y);
        for (int i = 0; i < inside; ++i) {
            const int row = OilArithmetic::nearestOf22Bits(draws[2 * size_t(i)], yBit);
            const int column = OilArithmetic::columnIndex(draws[2 * size_t(i) + 1]);
            // Column index 0..4 is x - 2 .. x + 2 with x = i + 2.
            out[i + 2] = rows[row][i + column];
        }
    }
}

void oilReference(ConstPixelRows src, PixelRows dst, OilRandom &random)
{
    PixelRowsCopy::rows(src, dst, 0, src.height);
    for (int y = 2; y <= src.height - 3; ++y) {
        for (int x = 2; x <= src.width - 3; ++x) {
            const double r1 = random.next();
            const double r2 = random.next();
            const float dy = float(r1 * 4 - 2);
            const int dx = int(roundHalfEven(r2 * 4 - 2));
            const int row = int(roundHalfEven(y + double(dy)));
            dst.row(y)[x] = src.row(row)[x + dx];
        }
    }
}

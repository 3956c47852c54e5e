// The raster operations against their truth tables, bit by bit.
#include "raster/RasterOp.h"

#include "base/VectorUnits.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <optional>

namespace {

// The textbook evaluation: every colour bit looked up in the table on its own.
quint32 byTable(int table, quint32 p, quint32 s, quint32 d, bool ternary)
{
    quint32 result = 0;
    for (int b = 0; b < 24; ++b) {
        const int pb = (p >> b) & 1, sb = (s >> b) & 1, db = (d >> b) & 1;
        const int index = ternary ? (pb << 2 | sb << 1 | db) : (pb << 1 | db);
        result |= quint32((table >> index) & 1) << b;
    }
    return result | 0xFF000000u;
}

quint32 randomPixel(QRandomGenerator &rng)
{
    return 0xFF000000u | (rng.generate() & 0xFFFFFF);
}

}

TEST(RasterOp, EverySixteenPenModeFollowsItsTable)
{
    QRandomGenerator rng(7);
    for (int mode = 1; mode <= 16; ++mode) {
        for (int trial = 0; trial < 200; ++trial) {
            const ColourValue pen = rng.generate() & 0xFFFFFF;
            const quint32 d = randomPixel(rng);
            const auto op = RasterOp::PenOperation::make(mode, pen);
            ASSERT_EQ(op.apply(d), byTable(mode - 1, Colour::toPixel(pen) & 0xFFFFFF, 0, d, false))
                << "DrawMode " << mode;
        }
    }
}

TEST(RasterOp, NamedPenModes)
{
    const quint32 d = 0xFF123456;
    const ColourValue pen = Colour::fromRgb(0xF0, 0x0F, 0xAA); // pixel 0xF00FAA
    auto apply = [&](int mode) { return RasterOp::PenOperation::make(mode, pen).apply(d); };
    EXPECT_EQ(apply(RasterOp::R2_BLACK), 0xFF000000u);
    EXPECT_EQ(apply(RasterOp::R2_WHITE), 0xFFFFFFFFu);
    EXPECT_EQ(apply(RasterOp::R2_COPYPEN), 0xFFF00FAAu);
    EXPECT_EQ(apply(RasterOp::R2_NOP), d);
    EXPECT_EQ(apply(RasterOp::R2_NOT), 0xFFEDCBA9u);
    EXPECT_EQ(apply(RasterOp::R2_XORPEN), 0xFF000000u | (0xF00FAA ^ 0x123456));
    EXPECT_EQ(apply(RasterOp::R2_MASKPEN), 0xFF000000u | (0xF00FAA & 0x123456));
    EXPECT_EQ(apply(RasterOp::R2_MERGEPEN), 0xFF000000u | (0xF00FAA | 0x123456));
    EXPECT_EQ(apply(0), apply(RasterOp::R2_COPYPEN)) << "an unknown mode draws as the pen";
}

TEST(RasterOp, EveryTernaryCodeFollowsItsTable)
{
    QRandomGenerator rng(11);
    for (int table = 0; table < 256; ++table) {
        const quint32 code = quint32(table) << 16;
        for (int trial = 0; trial < 20; ++trial) {
            const ColourValue pattern = rng.generate() & 0xFFFFFF;
            const quint32 s = randomPixel(rng), d = randomPixel(rng);
            const auto op = RasterOp::BlitOperation::make(code, pattern);
            ASSERT_EQ(
                op.apply(s, d), byTable(table, Colour::toPixel(pattern) & 0xFFFFFF, s, d, true))
                << "table " << table;
        }
    }
}

TEST(RasterOp, PasteModesGiveTheTextbookResults)
{
    const quint32 s = 0xFF0F0F33, d = 0xFF00FF55;
    const ColourValue pattern = 0; // the paste modes do not use the pattern
    auto apply
        = [&](quint32 code) { return RasterOp::BlitOperation::make(code, pattern).apply(s, d); };
    const quint32 rgb = 0xFF000000u;
    EXPECT_EQ(apply(RasterOp::SRCCOPY), s);
    EXPECT_EQ(apply(RasterOp::SRCPAINT), rgb | ((s | d) & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::SRCAND), rgb | ((s & d) & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::SRCINVERT), rgb | ((s ^ d) & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::SRCERASE), rgb | ((s & ~d) & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::NOTSRCCOPY), rgb | (~s & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::NOTSRCERASE), rgb | (~(s | d) & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::MERGEPAINT), rgb | ((~s | d) & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::DSTINVERT), rgb | (~d & 0xFFFFFF));
    EXPECT_EQ(apply(RasterOp::BLACKNESS), rgb);
    EXPECT_EQ(apply(RasterOp::WHITENESS), 0xFFFFFFFFu);
}

TEST(RasterOp, RowKernelsMatchThePixelFormula)
{
    QRandomGenerator rng(3);
    std::vector<quint32> src(257), dst(257), expected(257);
    std::vector<int> columns(257);
    for (size_t i = 0; i < src.size(); ++i) {
        src[i] = randomPixel(rng);
        dst[i] = randomPixel(rng);
        columns[i] = int(src.size() - 1 - i);
    }
    const auto op = RasterOp::BlitOperation::make(RasterOp::MERGECOPY, 0x336699);
    for (size_t i = 0; i < src.size(); ++i)
        expected[i] = op.apply(src[size_t(columns[i])], dst[i]);
    auto gathered = dst;
    RasterOp::blitRowGathered(gathered.data(), src.data(), columns.data(), int(src.size()), op);
    EXPECT_EQ(gathered, expected);

    std::reverse(src.begin(), src.end());
    auto straight = dst;
    RasterOp::blitRow(straight.data(), src.data(), int(src.size()), op);
    EXPECT_EQ(straight, expected) << "the straight row copy and the gathered copy agree";
}

// The row loops run eight pixels a step with AVX2 and four without: every
// code, rows of every length around those steps at odd starts, painting in
// place, into another row, and over the row's own pixels.
TEST(RasterOp, RowLoopsMatchThePixelFormulaWithAndWithoutAvx2)
{
    QRandomGenerator rng(11);
    std::vector<quint32> src(64), dst(64);
    for (size_t i = 0; i < src.size(); ++i) {
        src[i] = randomPixel(rng);
        dst[i] = randomPixel(rng);
    }
    const auto check = [&](const RasterOp::BlitOperation &op, int start, int count) {
        const quint32 *s = src.data() + start;
        const quint32 *d = dst.data() + start;
        std::vector<quint32> inPlace(d, d + count), into(size_t(count) + 1, 7);
        std::vector<quint32> own(static_cast<size_t>(count));
        RasterOp::blitRow(inPlace.data(), s, count, op);
        RasterOp::blitRowInto(into.data(), s, d, count, op);
        RasterOp::blitRowInto(own.data(), d, d, count, op);
        for (int i = 0; i < count; ++i) {
            ASSERT_EQ(inPlace[size_t(i)], op.apply(s[i], d[i])) << start << "+" << i;
            ASSERT_EQ(into[size_t(i)], inPlace[size_t(i)]) << start << "+" << i;
            ASSERT_EQ(own[size_t(i)], op.apply(d[i], d[i])) << start << "+" << i;
        }
        ASSERT_EQ(into[size_t(count)], 7u) << "nothing written past the row";
    };
    for (const bool avx2 : { true, false }) {
        std::optional<VectorUnits::WithoutAvx2> narrower;
        if (!avx2)
            narrower.emplace();
        for (int code = 0; code < 256; ++code) {
            const auto op = RasterOp::BlitOperation::make(quint32(code) << 16 | 0x0001, 0x5A3CC3);
            for (int count = 0; count <= 40; ++count)
                check(op, (code + count) % 3, count);
        }
    }
}

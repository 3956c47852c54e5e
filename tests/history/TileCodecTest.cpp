#include "history/TileCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using Pattern = std::function<quint32(int x, int y)>;

struct CodecCase
{
    std::string name;
    int width;
    int height;
    Pattern pixel;
    // Whether the block must come out run-length coded (flat enough) or raw.
    std::optional<TileCodec::Packing> packing;
};

quint32 noise(int x, int y)
{
    quint32 h = quint32(x) * 0x9E3779B1u ^ quint32(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return h | 0xFF000000u;
}

// A block in a larger buffer with its own stride, so that code which assumes
// stride == width fails.
struct Block
{
    Block(int width, int height, int margin, quint32 fill)
        : width(width)
        , height(height)
        , stride(width + margin)
        , pixels(size_t(stride) * size_t(height + 1), fill)
    { }
    quint32 *at(int x, int y) { return pixels.data() + y * stride + x; }
    int width;
    int height;
    qsizetype stride;
    std::vector<quint32> pixels;
};

void checkRoundTrip(const CodecCase &c)
{
    SCOPED_TRACE(c.name + " " + std::to_string(c.width) + "x" + std::to_string(c.height));
    Block source(c.width, c.height, 7, 0xDEADBEEF);
    for (int y = 0; y < c.height; ++y)
        for (int x = 0; x < c.width; ++x)
            *source.at(x, y) = c.pixel(x, y);

    std::vector<quint32> packed(size_t(c.width) * size_t(c.height));
    const auto result
        = TileCodec::pack(source.at(0, 0), source.stride, c.width, c.height, packed.data());
    ASSERT_LE(result.words, qsizetype(packed.size()));
    if (result.packing == TileCodec::Packing::RunLength)
        EXPECT_LT(result.words, qsizetype(packed.size()));
    if (c.packing)
        EXPECT_EQ(result.packing, *c.packing);

    // Unpacks exactly, and writes nothing outside the block.
    Block copy(c.width, c.height, 3, 0x12345678);
    TileCodec::unpack(packed.data(), result.packing, c.width, c.height, copy.at(0, 0), copy.stride);
    for (int y = 0; y <= c.height; ++y)
        for (int x = 0; x < copy.stride; ++x) {
            const quint32 expected = (y < c.height && x < c.width) ? *source.at(x, y) : 0x12345678u;
            ASSERT_EQ(*copy.at(x, y), expected) << "at " << x << ", " << y;
        }

    EXPECT_TRUE(TileCodec::matches(
        packed.data(), result.packing, c.width, c.height, source.at(0, 0), source.stride));
    // Any single changed pixel is seen: corners, row ends, the middle.
    const std::pair<int, int> probes[]
        = { { 0, 0 }, { c.width - 1, 0 }, { 0, c.height - 1 }, { c.width - 1, c.height - 1 },
              { c.width / 2, c.height / 2 }, { c.width - 1, c.height / 2 } };
    for (auto [x, y] : probes) {
        const quint32 kept = *source.at(x, y);
        *source.at(x, y) = kept ^ 0x00000100u;
        EXPECT_FALSE(TileCodec::matches(
            packed.data(), result.packing, c.width, c.height, source.at(0, 0), source.stride))
            << "change at " << x << ", " << y << " not seen";
        *source.at(x, y) = kept;
    }
}

using TileCodec::Packing;

const CodecCase Cases[] = {
    { "flat", 64, 64, [](int, int) { return 0xFFFFFFFFu; }, Packing::RunLength },
    { "single pixel", 1, 1, [](int, int) { return 0xFF000000u; }, Packing::Raw },
    // Runs shorter than a row in every row: only runs carried across rows pay.
    { "flat column", 1, 64, [](int, int) { return 0xFF00FF00u; }, Packing::RunLength },
    { "noise", 64, 64, noise, Packing::Raw },
    { "noise edge tile", 37, 5, noise, Packing::Raw },
    { "alternating pixels", 64, 64,
        [](int x, int y) { return (x + y) % 2 ? 0xFFFFFFFFu : 0xFF000000u; }, Packing::Raw },
    { "vertical hatch", 64, 64, [](int x, int) { return x % 8 == 0 ? 0xFF0000FFu : 0xFFFFFFFFu; },
        Packing::RunLength },
    { "one odd pixel last", 64, 64,
        [](int x, int y) { return x == 63 && y == 63 ? 0xFF000001u : 0xFF000000u; },
        Packing::RunLength },
    { "noise with a flat band", 64, 64,
        [](int x, int y) { return y >= 20 && y < 40 ? 0xFF808080u : noise(x, y); },
        Packing::RunLength },
};
}

TEST(TileCodec, RoundTripsExactlyAndSeesEveryChange)
{
    for (const CodecCase &c : Cases)
        checkRoundTrip(c);
}

// Blocks of few colours switch between runs and literals at every possible
// place, including across row ends.
TEST(TileCodec, RoundTripsRandomFewColourBlocks)
{
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        const int width = 1 + int(random() % 64);
        const int height = 1 + int(random() % 64);
        const unsigned colours = 2 + random() % 3;
        const unsigned runLength = 1 + random() % 6;
        std::vector<quint32> values(size_t(width) * size_t(height));
        quint32 current = 0xFF000000u;
        for (size_t i = 0; i < values.size(); ++i) {
            if (random() % runLength == 0)
                current = 0xFF000000u | (random() % colours) * 0x111111u;
            values[i] = current;
        }
        checkRoundTrip({ "few colours #" + std::to_string(trial), width, height,
            [&](int x, int y) { return values[size_t(y) * size_t(width) + size_t(x)]; }, {} });
        if (HasFatalFailure())
            return;
    }
}

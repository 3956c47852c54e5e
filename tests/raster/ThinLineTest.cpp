// The thin line against the rasteriser's own one-pixel pen, pixel for pixel,
// on lines of every direction and length, inside the surface and running off it.
#include "raster/ThinLine.h"
#include "raster/FigureRasterizer.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <set>
#include <utility>

namespace {

using Pixels = std::set<std::pair<int, int>>;

Pixels rasterised(const QRect &surface, const QPoint &from, const QPoint &to)
{
    const CoverageMask mask = FigureRasterizer(surface, PenStyle {}).segment(from, to);
    Pixels pixels;
    const QRect b = mask.bounds();
    for (int y = b.top(); y <= b.bottom(); ++y)
        for (int x = b.left(); x <= b.right(); ++x)
            if (mask.row(y)[x - b.left()] != CoverageMask::None)
                pixels.insert({ x, y });
    return pixels;
}

Pixels traced(const QRect &surface, const QPoint &from, const QPoint &to)
{
    Pixels pixels;
    ThinLine::trace(from, to, ThinLine::deviceFor(from, to, surface), [&](int x, int y) {
        EXPECT_TRUE(pixels.insert({ x, y }).second) << "twice";
    });
    return pixels;
}

void expectSame(const QRect &surface, const QPoint &from, const QPoint &to)
{
    ASSERT_EQ(traced(surface, from, to), rasterised(surface, from, to))
        << "from " << from.x() << "," << from.y() << " to " << to.x() << "," << to.y() << " on "
        << surface.width() << "x" << surface.height();
}

}

TEST(ThinLineTest, EqualsTheRasterisersThinPenInEveryDirection)
{
    const QRect surface(0, 0, 120, 90);
    const QPoint centre(60, 45);
    for (int dx = -40; dx <= 40; ++dx)
        for (int dy = -40; dy <= 40; dy += (dx % 7 == 0 ? 1 : 13))
            if (dx != 0 || dy != 0)
                expectSame(surface, centre, centre + QPoint(dx, dy));
}

TEST(ThinLineTest, EqualsTheRasterisersThinPenOffTheSurface)
{
    // Lines reaching past the edges are cut before they are rounded, which
    // moves their pixels; the cut is reproduced.
    QRandomGenerator rng(5);
    for (int n = 0; n < 4000; ++n) {
        const QRect surface(0, 0, 1 + rng.bounded(300), 1 + rng.bounded(300));
        auto point = [&] { return QPoint(rng.bounded(-400, 700), rng.bounded(-400, 700)); };
        const QPoint from = point();
        QPoint to
            = rng.bounded(4) == 0 ? from + QPoint(rng.bounded(-3, 4), rng.bounded(-3, 4)) : point();
        if (to == from)
            to += QPoint(1, 0);
        expectSame(surface, from, to);
    }
}

TEST(ThinLineTest, LongLinesAcrossALargeSurface)
{
    QRandomGenerator rng(6);
    const QRect surface(0, 0, 2402, 2002);
    for (int n = 0; n < 300; ++n) {
        const QPoint from(rng.bounded(-100, 2500), rng.bounded(-100, 2100));
        const QPoint to(rng.bounded(-100, 2500), rng.bounded(-100, 2100));
        if (from != to)
            expectSame(surface, from, to);
    }
}

TEST(ThinLineTest, BandsOfRowsTogetherTraceTheWholeLineOnce)
{
    QRandomGenerator rng(7);
    const QRect surface(0, 0, 200, 150);
    for (int n = 0; n < 3000; ++n) {
        const QPoint from(rng.bounded(-60, 260), rng.bounded(-60, 210));
        const QPoint to = rng.bounded(3) == 0
            ? from + QPoint(rng.bounded(-300, 300), rng.bounded(-4, 5))
            : QPoint(rng.bounded(-60, 260), rng.bounded(-60, 210));
        if (from == to)
            continue;
        const ThinLine::Line line(from, to, ThinLine::deviceFor(from, to, surface));
        Pixels whole, banded;
        line.trace([&](int x, int y) { whole.insert({ x, y }); });
        const int rows = 1 + rng.bounded(40);
        ThinLine::Line::Cursor cursor(line);
        for (int top = -5; top < 160; top += rows)
            cursor.traceTo(top + rows - 1, [&](int x, int y) {
                EXPECT_TRUE(y >= top && y < top + rows);
                EXPECT_TRUE(banded.insert({ x, y }).second) << "twice";
            });
        EXPECT_TRUE(cursor.done());
        ASSERT_EQ(banded, whole) << "bands of " << rows << " from " << from.x() << "," << from.y()
                                 << " to " << to.x() << "," << to.y();
        ASSERT_EQ(whole, rasterised(surface, from, to));
    }
}

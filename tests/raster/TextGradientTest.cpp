// Gradient text: where the colours fall for each kind and direction, and the
// one-pass painter against the step-by-step reference on random boxes.
#include "raster/GradientColour.h"
#include "raster/TextBuffer.h"
#include "raster/TextGradientPainter.h"
#include "raster/TextGradientPlan.h"
#include "raster/TextGradientReference.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <cmath>

namespace {

constexpr ColourValue Black = 0;
constexpr ColourValue Blue = Colour::fromRgb(0, 0, 255);
constexpr quint32 Paper = 0xFFFFFFFFu;

QFont bigFont()
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(40);
    return font;
}

// A box of `text` at (left, top) on a white canvas, and where its glyphs are.
struct Painted
{
    QImage picture;
    QRect place;
    // The buffer's size in twips: the box's, text + 50.
    QSizeF size;

    // How far along the run a glyph pixel's colour is (black to blue: 0 to 1),
    // or -1 for the paper.
    double along(int x, int y) const
    {
        const QRgb pixel = picture.pixel(place.left() + x, place.top() + y);
        return pixel == Paper ? -1 : qBlue(pixel) / 255.0;
    }
};

Painted paintText(
    const QString &text, GradientForm form, double direction, QSize canvasSize = { 400, 300 })
{
    PictureSurface canvas(canvasSize.width(), canvasSize.height());
    TextBuffer buffer;
    buffer.text = text;
    buffer.font = bigFont();
    const QSizeF size = QSizeF(PictureSurface::TextSize(text, buffer.font)) * 15 + QSizeF(50, 50);
    buffer = TextBuffer::forBox(
        px(10), px(10), size.width(), size.height(), canvas.ScaleWidth(), canvas.ScaleHeight());
    buffer.text = text;
    buffer.font = bigFont();
    TextGradientPainter::paint(canvas, buffer,
        TextGradientPlan::gradient(buffer.width, buffer.height, form, direction, Black, Blue));
    return { canvas.Image(), buffer.pixelRect(), QSizeF(buffer.width, buffer.height) };
}

// Glyph pixels of a painted box as (position, colour along the run), for one
// axis: the position is the column (`across`) or the row.
std::vector<std::pair<int, double>> glyphsAlong(const Painted &p, bool across)
{
    std::vector<std::pair<int, double>> glyphs;
    for (int y = 0; y < p.place.height(); ++y)
        for (int x = 0; x < p.place.width(); ++x)
            if (const double t = p.along(x, y); t >= 0)
                glyphs.push_back({ across ? x : y, t });
    return glyphs;
}

// The furthest along the run of the pixels within one of the middle.
double nearMiddle(const Painted &p)
{
    double most = -1;
    for (int y = -1; y <= 1; ++y)
        for (int x = -1; x <= 1; ++x)
            most = std::max(most, p.along(p.place.width() / 2 + x, p.place.height() / 2 + y));
    return most;
}

// A pixel column (or row) n shows the strip of its last twip, 15n + 7.
double stripAt(int n, double length)
{
    return std::min(15.0 * n + 7, std::floor(length - 14)) / (length - 14);
}

}

TEST(TextGradient, OneWayStripsRunFromTheStartColourAtOneEdgeToTheEndAtTheOther)
{
    const QString text = QStringLiteral("渐变WWWW\nWWWW渐变");
    for (const double direction : { 0.0, 90.0 }) {
        const bool across = direction == 0;
        const Painted p = paintText(text, GradientForm::OneWay, direction);
        const double length = across ? p.size.width() : p.size.height();
        const auto glyphs = glyphsAlong(p, across);
        ASSERT_GT(glyphs.size(), 200u);
        double first = 1, last = 0;
        for (const auto &[n, t] : glyphs) {
            EXPECT_NEAR(t, stripAt(n, length), 0.6 / 255)
                << "direction " << direction << " at " << n;
            first = std::min(first, t);
            last = std::max(last, t);
        }
        // The text starts a few pixels in and ends a few short of the box.
        EXPECT_LT(first, 0.1) << direction;
        EXPECT_GT(last, 0.85) << direction;
    }
}

TEST(TextGradient, OneWayRectanglesRunFromTheOutlineToTheMiddle)
{
    const QString text = QStringLiteral("████████\n████████");
    const Painted p = paintText(text, GradientForm::OneWay, 45);
    const int w = p.place.width(), h = p.place.height();
    ASSERT_GT(w, h);
    // Stepping along the longer side: a pixel's ring is its distance from the
    // nearest edge, the vertical one scaled to the horizontal run.
    const double run = p.size.width() / 2 - 7;
    const double scale = run / (p.size.height() / 2 - 7);
    int glyphs = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double t = p.along(x, y);
            if (t < 0)
                continue;
            ++glyphs;
            const double fromEdge = std::min(
                { 15.0 * x, 15.0 * (w - 1 - x), 15.0 * y * scale, 15.0 * (h - 1 - y) * scale });
            EXPECT_NEAR(t, std::min(fromEdge, run) / run, 0.08) << x << "," << y;
        }
    }
    ASSERT_GT(glyphs, 1000);
    EXPECT_EQ(nearMiddle(p), 1.0) << "the end colour in the middle";
}

TEST(TextGradient, BothWaysTurnBackAtTheMiddle)
{
    const QString text = QStringLiteral("████████");
    const Painted strips = paintText(text, GradientForm::TwoWay, 0);
    const int w = strips.place.width();
    // The turn: the end colour in the middle, the start again at both ends.
    const int mid = strips.place.height() / 2;
    // The turning strip's pixel column is overwritten by the next few steps
    // of the way back, so the end colour itself does not survive.
    EXPECT_GT(nearMiddle(strips), 0.97);
    double left = 1, right = 1;
    for (int x = 0; x < w; ++x) {
        const double t = strips.along(x, mid);
        if (t < 0)
            continue;
        (x < w / 2 ? left : right) = std::min(x < w / 2 ? left : right, t);
    }
    EXPECT_LT(left, 0.15);
    EXPECT_LT(right, 0.15);

    const Painted rings = paintText(QStringLiteral("████████\n████████"), GradientForm::TwoWay, 30);
    const int h = rings.place.height();
    // Half way in from the outline: the end colour; the middle: the start again.
    EXPECT_LT(rings.along(rings.place.width() / 2, h / 2), 0.1);
    EXPECT_GT(rings.along(rings.place.width() / 4, h / 2), 0.9);
}

TEST(TextGradient, PlanRunsOneStepATwipWithItsColoursAtBothEnds)
{
    // 150 pixels: 2250 twips, strips 0 .. 2236.
    const auto strips = TextGradientPlan::gradient(2250, 600, GradientForm::OneWay, 0, Black, Blue);
    ASSERT_EQ(strips.steps.size(), 2237u);
    EXPECT_EQ(strips.steps.front().colour, Black);
    EXPECT_EQ(strips.steps.back().colour, Blue);
    EXPECT_EQ(strips.steps.back().x, 2236);

    const auto twoWay
        = TextGradientPlan::gradient(600, 2250, GradientForm::TwoWay, 90, Black, Blue);
    ASSERT_EQ(twoWay.steps.size(), 2237u);
    EXPECT_EQ(twoWay.steps.front().colour, Black);
    EXPECT_EQ(twoWay.steps[1125].colour, Blue) << "the first step of the way back";
    EXPECT_EQ(twoWay.steps[1125].y, 1125);
    EXPECT_EQ(twoWay.steps.back().colour, Black);

    // Rectangles: the run along the longer side, W / 2 - 7.
    const auto rings = TextGradientPlan::gradient(900, 2250, GradientForm::OneWay, 45, Black, Blue);
    ASSERT_EQ(rings.steps.size(), 1119u);
    EXPECT_EQ(rings.steps.back().colour, Blue);
    EXPECT_NEAR(rings.steps.back().x, 900 / 2 - 7, 1e-9) << "both sides reach the middle";
    EXPECT_NEAR(rings.steps.back().width, 14, 1e-9);
}

TEST(TextGradient, NarrowBuffersHaveAFirstColourOrNoSteps)
{
    const ColourValue red = Colour::fromRgb(255, 0, 0);
    // Exactly one step, whose ratio divides by zero: the run's first colour.
    for (const double direction : { 0.0, 90.0, 45.0 }) {
        const auto one
            = TextGradientPlan::gradient(14, 14, GradientForm::OneWay, direction, red, Blue);
        ASSERT_EQ(one.steps.size(), 1u) << direction;
        EXPECT_EQ(one.steps[0].colour, red) << direction;
        const auto both
            = TextGradientPlan::gradient(14, 14, GradientForm::TwoWay, direction, red, Blue);
        ASSERT_EQ(both.steps.size(), 1u) << direction;
        EXPECT_EQ(both.steps[0].colour, red) << direction;
        EXPECT_TRUE(TextGradientPlan::gradient(13, 13, GradientForm::OneWay, direction, red, Blue)
                        .steps.empty());
    }
    // 28 twips both ways: the way back divides by zero at its one step.
    const auto back = TextGradientPlan::gradient(28, 10, GradientForm::TwoWay, 0, red, Blue);
    ASSERT_EQ(back.steps.size(), 15u);
    EXPECT_EQ(back.steps.back().colour, Blue);
    EXPECT_TRUE(TextGradientPlan::gradient(std::nan(""), 30, GradientForm::OneWay, 0, red, Blue)
                    .steps.empty());
}

namespace {

QString randomText(QRandomGenerator &rng)
{
    static const QStringList pieces { QStringLiteral("Hi"), QStringLiteral("渐变文字"),
        QStringLiteral("W"), QStringLiteral("gradient text"), QStringLiteral("██"),
        QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral(" ") };
    QString text;
    const int n = 1 + rng.bounded(6);
    for (int i = 0; i < n; ++i)
        text += pieces[rng.bounded(int(pieces.size()))];
    return text;
}

QFont randomFont(QRandomGenerator &rng)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(6 + rng.bounded(40));
    font.setBold(rng.bounded(2));
    font.setItalic(rng.bounded(3) == 0);
    font.setUnderline(rng.bounded(3) == 0);
    font.setStrikeOut(rng.bounded(4) == 0);
    return font;
}

double randomDirection(QRandomGenerator &rng)
{
    static const double directions[] = { 0, 90, 45, 30, 135, 1, -90, 180 };
    return directions[rng.bounded(8)];
}

}

TEST(TextGradient, OnePassEqualsTheStepsOnRandomBoxes)
{
    QRandomGenerator rng(20261208);
    const QImage noise = noiseImage(160, 120, 7);
    for (int n = 0; n < 120; ++n) {
        const QString words = randomText(rng);
        const QFont font = randomFont(rng);
        const QSize text = PictureSurface::TextSize(words, font);
        // Anywhere in twips, now and then reaching off any side of the canvas,
        // and now and then cut to a sliver at the right or bottom edge.
        double left = double(rng.bounded(px(180))) - px(30);
        double top = double(rng.bounded(px(140))) - px(30);
        if (rng.bounded(8) == 0)
            left = px(160) - (10 + rng.bounded(25));
        if (rng.bounded(8) == 0)
            top = px(120) - (10 + rng.bounded(25));
        TextBuffer buffer = TextBuffer::forBox(
            left, top, text.width() * 15.0 + 50, text.height() * 15.0 + 50, px(160), px(120));
        buffer.text = words;
        buffer.font = font;
        const ColourValue start = rng.generate() & 0xFFFFFF;
        const ColourValue end = rng.bounded(3) ? ColourValue(rng.generate() & 0xFFFFFF) : start ^ 1;
        const double direction = randomDirection(rng);
        const TextGradientPlan plan = rng.bounded(6) == 0
            ? TextGradientPlan::plain(buffer.width, buffer.height, start)
            : TextGradientPlan::gradient(buffer.width, buffer.height,
                rng.bounded(2) ? GradientForm::OneWay : GradientForm::TwoWay, direction, start,
                end);

        PictureSurface reference(160, 120), fast(160, 120);
        reference.setImage(noise);
        fast.setImage(noise);
        TextGradientReference::paint(reference, buffer, plan);
        TextGradientPainter::paint(fast, buffer, plan);
        ASSERT_EQ(fast.Image(), reference.Image())
            << "case " << n << ": " << buffer.text.toStdString() << " at " << left << "," << top
            << " " << buffer.width << "x" << buffer.height << " direction " << direction
            << " steps " << plan.steps.size();
    }
}

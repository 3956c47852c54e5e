// The player on metafiles written here, one feature each, with the pixels
// checked exactly where the geometry allows: hatches, dashed wide pens,
// round rectangles, arcs both ways, clipping, the world transform, stretched
// bitmaps, aligned text, pen modes, saved states, placeable WMF boxes; and
// the limits that keep a damaged file from hurting.
#include "support/MetafileWriter.h"

#include "files/MetafilePlayer.h"
#include "files/PictureReadReason.h"
#include "raster/FillPattern.h"
#include "raster/RasterOp.h"

#include <gtest/gtest.h>

namespace {

using Outcome = MetafilePlayer::Playback::Outcome;
using MetafileWriter::Emf;
using MetafileWriter::floatBits;
using MetafileWriter::Wmf;

constexpr ColourValue Paper = Colour::fromRgb(250, 240, 230);
constexpr quint32 PaperPixel = Colour::toPixel(Paper);
constexpr quint32 Black = 0xFF000000;
constexpr qint64 Limit = qint64(1) << 22;

enum EmfRecord : quint32 {
    MoveToEx = 27,
    LineTo = 54,
    SetBkMode = 18,
    SetRop2 = 20,
    SetTextAlign = 22,
    SaveDc = 33,
    RestoreDc = 34,
    IntersectClipRect = 30,
    SetWorldTransform = 35,
    SelectObject = 37,
    CreateBrushIndirect = 39,
    Rectangle = 43,
    RoundRect = 44,
    Arc = 45,
    SetArcDirection = 57,
    StretchDiBits = 81,
    ExtCreateFontIndirectW = 82,
    ExtTextOutW = 84,
    ExtCreatePen = 95,
};
constexpr quint32 NullPen = 0x80000008, BlackBrush = 0x80000004;

MetafilePlayer::Playback play(const QByteArray &bytes)
{
    return MetafilePlayer::play(bytes, Paper, Limit);
}

QImage picture(const Emf &emf)
{
    const auto playback = play(emf.finish());
    EXPECT_EQ(playback.outcome, Outcome::Whole) << playback.reason.toStdString();
    return playback.image;
}

quint32 at(const QImage &image, int x, int y)
{
    return image.pixel(x, y);
}

// The pixels that are not the paper.
QRect inkBounds(const QImage &image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != PaperPixel)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

bool inkNear(const QImage &image, QPointF p)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            if (image.pixel(qRound(p.x()) + dx, qRound(p.y()) + dy) != PaperPixel)
                return true;
        }
    }
    return false;
}

// A black solid brush, no pen.
Emf &blackFill(Emf &emf)
{
    return emf.add(SelectObject, { BlackBrush }).add(SelectObject, { NullPen });
}

}

TEST(MetafilePlayer, AnEmfOpensAtItsFrameOnThePaper)
{
    const auto playback = play(Emf(48).finish());
    ASSERT_EQ(playback.outcome, Outcome::Whole);
    EXPECT_EQ(playback.image.size(), QSize(48, 48));
    EXPECT_EQ(playback.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(inkBounds(playback.image), QRect());
    EXPECT_TRUE(playback.reason.isEmpty());
}

TEST(MetafilePlayer, BoxesCoverTheirLeftAndTopEdgesButNotTheirRightAndBottom)
{
    Emf emf;
    emf.add(SelectObject, { BlackBrush }).add(Rectangle, { 10, 20, 30, 40 });
    const QImage image = picture(emf);
    // With the black pen the outline is the box's last pixel; the brush fills inside.
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 20), QPoint(29, 39)));
    EXPECT_EQ(at(image, 20, 30), Black);
}

TEST(MetafilePlayer, AHatchedBrushPaintsTheSixHatchesOfTheCanvas)
{
    for (quint32 hatch = 0; hatch <= 5; ++hatch) {
        SCOPED_TRACE(hatch);
        Emf emf;
        emf.add(SetBkMode, { 1 })
            .add(CreateBrushIndirect, { 1, 2, 0x0000FF, hatch })
            .add(SelectObject, { 1 })
            .add(SelectObject, { NullPen })
            .add(Rectangle, { 0, 0, 97, 97 });
        const QImage image = picture(emf);
        const FillPattern pattern = FillPattern::forFillStyle(int(hatch) + 2);
        for (int y = 0; y < 95; ++y) {
            for (int x = 0; x < 95; ++x) {
                const quint32 expected = pattern.paints(x, y) ? 0xFFFF0000 : PaperPixel;
                ASSERT_EQ(at(image, x, y), expected) << x << "," << y;
            }
        }
    }
}

TEST(MetafilePlayer, AnOpaqueBackgroundFillsTheHatchGaps)
{
    Emf emf;
    emf.add(CreateBrushIndirect, { 1, 2, 0x0000FF, 0 })
        .add(SelectObject, { 1 })
        .add(SelectObject, { NullPen })
        .add(Rectangle, { 0, 0, 40, 40 });
    const QImage image = picture(emf);
    // A fresh device context draws opaque, on white.
    const FillPattern pattern = FillPattern::forFillStyle(2);
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(at(image, 5, y), pattern.paints(5, y) ? 0xFFFF0000u : 0xFFFFFFFFu);
}

TEST(MetafilePlayer, ADashedWidePenHasFlatDashesInProportionToItsWidth)
{
    // PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_DASH, 4 pixels wide.
    Emf emf;
    emf.add(ExtCreatePen, { 1, 0, 0, 0, 0, 0x10201, 4, 0, 0, 0, 0 })
        .add(SelectObject, { 1 })
        .add(MoveToEx, { 0, 20 })
        .add(LineTo, { 96, 20 });
    const QImage image = picture(emf);
    // Dash 18 x 4 = 72 pixels, then a gap of 24 in the (opaque, white) background.
    EXPECT_EQ(at(image, 0, 20), Black);
    EXPECT_EQ(at(image, 71, 20), Black);
    EXPECT_EQ(at(image, 72, 20), 0xFFFFFFFFu);
    EXPECT_EQ(at(image, 95, 20), 0xFFFFFFFFu);
    EXPECT_EQ(inkBounds(image).height(), 4);
}

TEST(MetafilePlayer, ARoundRectangleCutsItsCorners)
{
    Emf emf;
    blackFill(emf).add(RoundRect, { 10, 10, 61, 51, 20, 20 });
    const QImage image = picture(emf);
    EXPECT_EQ(inkBounds(image), QRect(QPoint(10, 10), QPoint(59, 49)));
    EXPECT_EQ(at(image, 35, 10), Black); // the middle of each side
    EXPECT_EQ(at(image, 10, 30), Black);
    EXPECT_EQ(at(image, 59, 30), Black);
    EXPECT_EQ(at(image, 35, 49), Black);
    EXPECT_EQ(at(image, 10, 10), PaperPixel); // the corners
    EXPECT_EQ(at(image, 12, 12), PaperPixel);
    EXPECT_EQ(at(image, 58, 48), PaperPixel);
    EXPECT_EQ(at(image, 16, 16), Black);
}

TEST(MetafilePlayer, AnArcRunsCounterClockwiseUnlessTheDirectionSaysOtherwise)
{
    // From three o'clock to twelve o'clock on a circle of radius 40 about (50, 50).
    const QPointF upperRight(50 + 28.28, 50 - 28.28), lowerLeft(50 - 28.28, 50 + 28.28);
    const QPointF upperLeft(50 - 28.28, 50 - 28.28);
    Emf counter;
    counter.add(Arc, { 10, 10, 90, 90, 90, 50, 50, 10 });
    const QImage ccw = picture(counter);
    EXPECT_TRUE(inkNear(ccw, upperRight));
    EXPECT_FALSE(inkNear(ccw, lowerLeft));
    EXPECT_FALSE(inkNear(ccw, upperLeft));

    Emf clockwise;
    clockwise.add(SetArcDirection, { 2 }).add(Arc, { 10, 10, 90, 90, 90, 50, 50, 10 });
    const QImage cw = picture(clockwise);
    EXPECT_FALSE(inkNear(cw, upperRight));
    EXPECT_TRUE(inkNear(cw, lowerLeft));
    EXPECT_TRUE(inkNear(cw, upperLeft));
}

TEST(MetafilePlayer, AClipRectangleKeepsDrawingInsideIt)
{
    Emf emf;
    blackFill(emf).add(IntersectClipRect, { 20, 25, 40, 45 }).add(Rectangle, { 0, 0, 97, 97 });
    EXPECT_EQ(inkBounds(picture(emf)), QRect(QPoint(20, 25), QPoint(39, 44)));
}

TEST(MetafilePlayer, TheWorldTransformMovesAndScalesFigures)
{
    Emf emf;
    blackFill(emf)
        .add(SetWorldTransform, { floatBits(2), 0, 0, floatBits(3), floatBits(10), floatBits(5) })
        .add(Rectangle, { 0, 0, 10, 10 });
    // (0, 0)-(10, 10) lands on (10, 5)-(30, 35); without a pen the last
    // row and column of the box stay empty, as on a device context.
    EXPECT_EQ(inkBounds(picture(emf)), QRect(QPoint(10, 5), QPoint(28, 33)));
}

TEST(MetafilePlayer, AStretchedEightBitBitmapKeepsItsQuadrants)
{
    // 2 x 2 pixels, 8 bits with a 4-colour palette; rows bottom-up.
    QByteArray data;
    const auto u32 = [&](quint32 v) { MetafileWriter::putU32(data, v); };
    for (quint32 v : { 0u, 0u, 0u, 0u }) // bounds
        u32(v);
    for (quint32 v : { 10u, 20u, 0u, 0u, 2u, 2u }) // destination, source at (0, 0), 2 x 2
        u32(v);
    u32(80); // offBmi
    u32(56); // cbBmi
    u32(136); // offBits
    u32(8); // cbBits
    u32(0); // DIB_RGB_COLORS
    u32(RasterOp::SRCCOPY);
    u32(40); // destination 40 x 60
    u32(60);
    for (quint32 v : { 40u, 2u, 2u, 0x00080001u, 0u, 8u, 0u, 0u, 4u, 0u }) // BITMAPINFOHEADER
        u32(v);
    for (quint32 v :
        { 0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0x00000000u }) // red, green, blue, black
        u32(v);
    data.append("\x00\x01\x00\x00\x02\x03\x00\x00", 8); // bottom row: 0 1; top row: 2 3
    Emf emf;
    emf.addRaw(StretchDiBits, data);
    const QImage image = picture(emf);
    EXPECT_EQ(inkBounds(image), QRect(10, 20, 40, 60));
    const struct
    {
        QRect quadrant;
        quint32 colour;
    } expected[] = {
        { QRect(10, 20, 20, 30), 0xFF0000FF },
        { QRect(30, 20, 20, 30), 0xFF000000 },
        { QRect(10, 50, 20, 30), 0xFFFF0000 },
        { QRect(30, 50, 20, 30), 0xFF00FF00 },
    };
    for (const auto &e : expected) {
        for (int y = e.quadrant.top(); y <= e.quadrant.bottom(); ++y) {
            for (int x = e.quadrant.left(); x <= e.quadrant.right(); ++x)
                ASSERT_EQ(at(image, x, y), e.colour) << x << "," << y;
        }
    }
}

TEST(MetafilePlayer, CentredBaselineTextSitsOnItsReferencePoint)
{
    QByteArray font;
    const auto u32 = [&](quint32 v) { MetafileWriter::putU32(font, v); };
    u32(1); // slot
    for (quint32 v : { quint32(-40), 0u, 0u, 0u, 400u, 0u, 0u })
        u32(v); // height -40, width, escapement, orientation, weight, flags, precision
    const QString face = QStringLiteral("DejaVu Sans");
    for (int k = 0; k < 32; ++k)
        MetafileWriter::putU16(font, k < face.size() ? face[k].unicode() : 0);
    QByteArray text;
    const auto t32 = [&](quint32 v) { MetafileWriter::putU32(text, v); };
    for (quint32 v : { 0u, 0u, 0u, 0u, 1u, floatBits(1), floatBits(1) })
        t32(v);
    for (quint32 v : { 48u, 70u, 1u, 76u, 0u, 0u, 0u, 0u, 0u, 0u })
        t32(v); // reference, one character at 76, no options, no rectangle, no widths
    MetafileWriter::putU16(text, 'H');
    Emf emf;
    emf.addRaw(ExtCreateFontIndirectW, font)
        .add(SelectObject, { 1 })
        .add(SetBkMode, { 1 })
        .add(SetTextAlign, { 6 | 24 })
        .addRaw(ExtTextOutW, text);
    const QRect ink = inkBounds(picture(emf));
    ASSERT_FALSE(ink.isEmpty());
    // An H stands on the baseline and is centred on the reference point.
    EXPECT_EQ(ink.bottom(), 69);
    EXPECT_NEAR(ink.center().x() + 0.5, 48, 1.5);
    EXPECT_NEAR(ink.height(), 29, 4); // the cap height of a 40-pixel em
}

TEST(MetafilePlayer, PenModesUseTheCanvasRasterOperations)
{
    // XOR twice restores the paper; R2_NOT inverts it, pen or no pen.
    Emf twice;
    blackFill(twice).add(SetRop2, { RasterOp::R2_XORPEN });
    twice.add(CreateBrushIndirect, { 1, 0, 0x123456, 0 }).add(SelectObject, { 1 });
    twice.add(Rectangle, { 10, 10, 50, 50 }).add(Rectangle, { 10, 10, 50, 50 });
    EXPECT_EQ(inkBounds(picture(twice)), QRect());

    Emf inverted;
    blackFill(inverted).add(SetRop2, { RasterOp::R2_NOT }).add(Rectangle, { 10, 10, 20, 20 });
    const QImage image = picture(inverted);
    EXPECT_EQ(at(image, 12, 12), 0xFF000000u | (~PaperPixel & 0xFFFFFF));
    EXPECT_EQ(at(image, 30, 30), PaperPixel);
}

TEST(MetafilePlayer, RestoreDcBringsBackTheSavedBrushAndClip)
{
    Emf emf;
    emf.add(SelectObject, { NullPen })
        .add(SaveDc, {})
        .add(SelectObject, { BlackBrush })
        .add(IntersectClipRect, { 0, 0, 10, 10 })
        .add(RestoreDc, { quint32(-1) })
        .add(CreateBrushIndirect, { 1, 0, 0x0000FF, 0 }) // red, so the white default shows
        .add(Rectangle, { 20, 20, 31, 31 });
    const QImage image = picture(emf);
    // The white stock brush is back and the clip is gone.
    EXPECT_EQ(at(image, 25, 25), 0xFFFFFFFFu);
    // RestoreDC with nothing saved, or a state never saved, changes nothing.
    Emf bogus;
    blackFill(bogus)
        .add(RestoreDc, { quint32(-5) })
        .add(RestoreDc, { 7 })
        .add(Rectangle, { 0, 0, 11, 11 });
    EXPECT_EQ(at(picture(bogus), 5, 5), Black);
}

TEST(MetafilePlayer, APlaceableWmfMapsItsBoxOntoThePicture)
{
    // A box of 1440 units at 1440 to the inch is 96 pixels; the window the
    // file sets is mapped onto the whole picture.
    Wmf wmf(1440, 1440);
    wmf.add(0x020B, { 0, 0 })
        .add(0x020C, { 1440, 1440 })
        .add(0x02FC, { 0, 0, 0, 0 }) // black brush in slot 0
        .add(0x012D, { 0 })
        .add(0x041B, { 720, 720, 0, 0 }); // Rectangle (bottom, right, top, left)
    const auto playback = play(wmf.finish());
    ASSERT_EQ(playback.outcome, Outcome::Whole);
    EXPECT_EQ(playback.image.size(), QSize(96, 96));
    EXPECT_EQ(inkBounds(playback.image), QRect(0, 0, 48, 48));
    EXPECT_EQ(at(playback.image, 47, 47), Black);
}

TEST(MetafilePlayer, FilesWithoutAWholeHeaderAreRefusedWithAReason)
{
    QByteArray emf = Emf().finish();
    const QByteArray placeableOnly = Wmf(100, 1440).finish().left(22);
    for (const QByteArray &bytes :
        { emf.left(60), placeableOnly, QByteArray("\x01\x00\x09\x00", 4) }) {
        const auto playback = play(bytes);
        EXPECT_EQ(playback.outcome, Outcome::Refused);
        EXPECT_TRUE(playback.image.isNull());
        EXPECT_FALSE(playback.reason.isEmpty());
    }
    // A frame far beyond the canvas is refused before anything is allocated.
    MetafileWriter::putU32(emf, 0);
    QByteArray huge = emf;
    huge.replace(32, 4, QByteArray("\xFF\xFF\xFF\x7F", 4));
    EXPECT_EQ(play(huge).outcome, Outcome::Refused);
}

TEST(MetafilePlayer, AFileThatStopsEarlyShowsWhatWasComplete)
{
    Emf emf;
    blackFill(emf).add(Rectangle, { 0, 0, 11, 11 });
    const QByteArray whole = emf.finish();
    // No end record.
    const auto cut = play(emf.finish(false));
    EXPECT_EQ(cut.outcome, Outcome::Incomplete);
    EXPECT_EQ(cut.reason, PictureReadReason::incomplete());
    EXPECT_EQ(at(cut.image, 5, 5), Black);
    // A record that claims less than a record has stops the walk there.
    QByteArray tiny = whole;
    const qint64 rectangleSize = 24, eofSize = 20;
    tiny.replace(whole.size() - eofSize - rectangleSize + 4, 4, QByteArray("\x04\x00\x00\x00", 4));
    const auto damaged = play(tiny);
    EXPECT_EQ(damaged.outcome, Outcome::Incomplete);
    EXPECT_NE(damaged.reason, PictureReadReason::incomplete());
}

TEST(MetafilePlayer, UnknownRecordsAndBadObjectNumbersAreSkipped)
{
    Emf emf;
    blackFill(emf)
        .add(5000, { 1, 2, 3 })
        .add(SelectObject, { 60000 }) // beyond the table
        .add(CreateBrushIndirect, { 70000, 0, 0x0000FF, 0 }) // beyond the table
        .add(Rectangle, { 0, 0, 11, 11 });
    const auto playback = play(emf.finish());
    EXPECT_EQ(playback.outcome, Outcome::Whole);
    EXPECT_EQ(playback.skippedRecords, 1);
    EXPECT_EQ(at(playback.image, 5, 5), Black);
}

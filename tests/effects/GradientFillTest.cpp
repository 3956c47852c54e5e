// The gradient fill dialog's rules and its runs over a floating selection:
// a run stopped after any chunk leaves exactly the picture of drawing the
// same steps one by one, and a run never outlives its document or selection.
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/Workspace.h"
#include "effects/GradientFillRun.h"
#include "effects/GradientFillSettings.h"
#include "raster/GradientReference.h"
#include "raster/LineStyle.h"
#include "support/SurfaceTestUtil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <gtest/gtest.h>

namespace {

const ColourValue Start = Colour::fromRgb(239, 239, 239);
const ColourValue End = Colour::fromRgb(127, 127, 127);

ColourValue ringColour(const GradientPlan &plan, double radius)
{
    for (const GradientPlan::Step &s : plan.steps)
        if (s.x1 == radius)
            return s.colour;
    ADD_FAILURE() << "no ring of radius " << radius;
    return 0;
}

struct Desk
{
    Workspace workspace;
    Document *document = workspace.NewPicture();
    GradientFillRun run { workspace };
    GradientFillSettings settings;

    Desk(int width = 70, int height = 44)
    {
        document->pasteSelection(noiseImage(width, height, 7));
        run.setFrameBudget(std::chrono::microseconds(1));
    }
    PictureSurface &picture() { return document->selection().picture(); }
};

// The picture drawing the first `steps` steps one by one gives, from `before`.
QImage referenceAfter(const Desk &desk, const QImage &before, int paletteWidth, int steps)
{
    PictureSurface reference(before.width(), before.height());
    reference.setImage(before);
    reference.setFillStyle(1);
    reference.setDrawStyle(desk.document->Picture1().DrawStyle());
    reference.setDrawWidth(desk.settings.lineWidthFor(paletteWidth));
    const GradientPlan plan
        = desk.settings.planFor(reference.ScaleWidth(), reference.ScaleHeight());
    GradientReference::paint(reference, plan, 0, steps);
    return reference.Image();
}

}

TEST(GradientFillSettingsTest, BoxesFollowTheKindAndRepairTheirText)
{
    GradientFillSettings s;
    EXPECT_EQ(s.GradientKind(), 1);
    EXPECT_TRUE(s.widthBoxEnabled());
    EXPECT_FALSE(s.angleBoxEnabled());
    s.SetGradientKind(5);
    EXPECT_TRUE(s.angleBoxEnabled());
    EXPECT_FALSE(s.widthBoxEnabled());
    s.SetGradientKind(7);
    EXPECT_EQ(s.GradientKind(), 5);

    EXPECT_EQ(s.setAngleText(QStringLiteral("200")), QStringLiteral("0"));
    EXPECT_EQ(s.setAngleText(QStringLiteral("180")), QStringLiteral("0"));
    EXPECT_EQ(s.setAngleText(QStringLiteral("17.9")), QStringLiteral("179"));
    EXPECT_EQ(s.angle(), 179);
    EXPECT_EQ(s.setAngleText(QString()), QStringLiteral("0"));

    // Half the selection's width, in whole twips; no cap without a selection.
    EXPECT_EQ(s.setWidthText(QStringLiteral("800"), 1500), QStringLiteral("750"));
    EXPECT_EQ(s.setWidthText(QStringLiteral("750"), 1500), QStringLiteral("750"));
    EXPECT_EQ(s.setWidthText(QStringLiteral("40"), 75), QStringLiteral("37"));
    EXPECT_EQ(s.setWidthText(QStringLiteral("37"), 75), QStringLiteral("37"))
        << "the capped text is left as it is";
    EXPECT_EQ(s.setWidthText(QStringLiteral("90000"), std::nullopt), QStringLiteral("90000"));
    EXPECT_EQ(s.setWidthText(QStringLiteral("a"), 1500), QStringLiteral("0"));
}

TEST(GradientFillSettingsTest, WellsShowTheirDesignColoursUntilOneIsChosen)
{
    GradientFillSettings s;
    EXPECT_EQ(s.startColour(), Start);
    EXPECT_EQ(s.hstartPicture(), Colour::fromRgb(224, 224, 224));
    EXPECT_EQ(s.hendPicture(), Colour::fromRgb(128, 128, 128));
    s.chooseEndColour(Colour::fromRgb(1, 2, 3));
    EXPECT_EQ(s.endColour(), Colour::fromRgb(1, 2, 3));
    EXPECT_EQ(s.hendPicture(), Colour::fromRgb(1, 2, 3));
    EXPECT_EQ(s.startColour(), Start);
}

TEST(GradientFillSettingsTest, EllipseKindsStartAtRadiusTwo)
{
    GradientFillSettings s;
    const GradientPlan one = s.planFor(1500, 900);
    ASSERT_EQ(one.count(), 748);
    EXPECT_EQ(one.steps.front().x1, 2);
    EXPECT_EQ(one.steps.back().x1, 749);
    EXPECT_EQ(one.cx, 751);
    EXPECT_EQ(one.cy, 451);
    EXPECT_DOUBLE_EQ(one.aspect, 898.0 / 1498.0);
    EXPECT_EQ(one.steps.front().colour, Start);
    EXPECT_EQ(one.steps.back().colour, End);

    s.SetGradientKind(2);
    const GradientPlan two = s.planFor(1500, 900);
    EXPECT_EQ(ringColour(two, 2), Start);
    EXPECT_EQ(ringColour(two, (2 + 749) / 2.0), End);
    EXPECT_EQ(two.steps.back().colour, Start);
    EXPECT_EQ(s.lineWidthFor(7), 2);
    s.SetGradientKind(1);
    EXPECT_EQ(s.lineWidthFor(7), 7);
}

TEST(GradientFillRunTest, StopAfterAnyChunkEqualsTheReferenceAfterTheSameSteps)
{
    for (int kind = 1; kind <= GradientFillSettings::KindCount; ++kind) {
        for (int chunks : { 1, 3 }) {
            Desk desk;
            desk.settings.SetGradientKind(kind);
            desk.settings.setAngleText(QStringLiteral("135"));
            desk.settings.setWidthText(QStringLiteral("200"), desk.run.selectionWidth());
            desk.document->Picture1().setDrawStyle(kind == 1 ? LineStyle::InsideSolid : 0);
            const QImage before = desk.picture().Image();
            ASSERT_TRUE(desk.run.CommandRun(desk.settings, 3));
            for (int k = 0; k < chunks; ++k)
                ASSERT_TRUE(desk.run.runChunk());
            desk.run.CommandStop();
            EXPECT_FALSE(desk.run.runChunk());
            EXPECT_FALSE(desk.run.isRunning());
            const int done = desk.run.stepsDone();
            ASSERT_GT(done, 0);
            ASSERT_LT(done, desk.run.stepCount()) << "kind " << kind;
            EXPECT_EQ(desk.picture().Image(), referenceAfter(desk, before, 3, done))
                << "kind " << kind << " after " << done << " steps";
            // A stopped run leaves the run's pen on the selection.
            EXPECT_EQ(desk.picture().FillStyle(), 1);
            EXPECT_EQ(desk.picture().DrawWidth(), desk.settings.lineWidthFor(3));
        }
    }
}

TEST(GradientFillRunTest, CompletedRunEqualsTheReferenceAndRestoresThePen)
{
    Desk desk;
    desk.settings.SetGradientKind(6);
    desk.settings.setAngleText(QStringLiteral("30"));
    const QImage before = desk.picture().Image();
    std::optional<GradientFillRun::Outcome> outcome;
    QObject::connect(
        &desk.run, &GradientFillRun::runFinished, [&](GradientFillRun::Outcome o) { outcome = o; });
    ASSERT_TRUE(desk.run.CommandRun(desk.settings, 1));
    int chunks = 0;
    while (desk.run.runChunk())
        ++chunks;
    EXPECT_GT(chunks, 1);
    EXPECT_EQ(outcome, GradientFillRun::Outcome::Completed);
    EXPECT_EQ(desk.run.stepsDone(), desk.run.stepCount());
    EXPECT_EQ(desk.picture().Image(), referenceAfter(desk, before, 1, desk.run.stepCount()));
    EXPECT_EQ(desk.picture().FillStyle(), 0);
    EXPECT_EQ(desk.picture().DrawWidth(), 1);
    EXPECT_FALSE(desk.document->DataChanged()) << "the canvas is not touched";
}

TEST(GradientFillRunTest, RunIsIgnoredWhileRunningAndWithoutSelection)
{
    Desk desk;
    ASSERT_TRUE(desk.run.CommandRun(desk.settings, 1));
    desk.run.runChunk();
    const int done = desk.run.stepsDone();
    desk.settings.SetGradientKind(3);
    EXPECT_FALSE(desk.run.CommandRun(desk.settings, 1));
    EXPECT_EQ(desk.run.stepsDone(), done) << "the run goes on where it was";
    desk.run.CommandStop();
    desk.run.runChunk();
    ASSERT_FALSE(desk.run.isRunning());
    EXPECT_TRUE(desk.run.CommandRun(desk.settings, 1)) << "a new run starts afresh";
    EXPECT_EQ(desk.run.stepsDone(), 0);

    Desk bare;
    bare.document->cancelSelection();
    EXPECT_FALSE(bare.run.CommandRun(bare.settings, 1));
    EXPECT_FALSE(bare.run.selectionWidth());
}

TEST(GradientFillRunTest, ClosingTheDocumentOrDroppingTheSelectionEndsTheRun)
{
    for (bool close : { true, false }) {
        Desk desk;
        std::optional<GradientFillRun::Outcome> outcome;
        QObject::connect(&desk.run, &GradientFillRun::runFinished,
            [&](GradientFillRun::Outcome o) { outcome = o; });
        ASSERT_TRUE(desk.run.CommandRun(desk.settings, 1));
        desk.run.runChunk();
        if (close)
            desk.workspace.unload(desk.document);
        else
            desk.document->cancelSelection();
        EXPECT_FALSE(desk.run.isRunning());
        EXPECT_EQ(outcome, GradientFillRun::Outcome::Abandoned);
        EXPECT_FALSE(desk.run.runChunk());
        // The timer has nothing left to fire into.
        QCoreApplication::processEvents();
        EXPECT_FALSE(desk.run.isRunning());
    }
}

TEST(GradientFillRunTest, ResizedSelectionEndsTheRunBeforeItsNextChunk)
{
    Desk desk;
    ASSERT_TRUE(desk.run.CommandRun(desk.settings, 1));
    desk.run.runChunk();
    desk.document->pasteSelection(noiseImage(20, 20, 3));
    const QImage pasted = desk.picture().Image();
    EXPECT_FALSE(desk.run.runChunk());
    EXPECT_EQ(desk.picture().Image(), pasted);
}

TEST(GradientFillRunTest, EventLoopRunsTheChunksToTheEnd)
{
    Desk desk(300, 200);
    desk.run.setFrameBudget(std::chrono::milliseconds(16));
    int repaints = 0;
    QObject::connect(&desk.document->selection(), &FloatingSelection::changed,
        [&](const QRegion &) { ++repaints; });
    ASSERT_TRUE(desk.run.CommandRun(desk.settings, 1));
    QElapsedTimer clock;
    clock.start();
    while (desk.run.isRunning() && clock.elapsed() < 10000)
        QCoreApplication::processEvents();
    EXPECT_FALSE(desk.run.isRunning());
    EXPECT_EQ(desk.run.stepsDone(), desk.run.stepCount());
    EXPECT_GT(repaints, 0) << "the views are told what changed";
}

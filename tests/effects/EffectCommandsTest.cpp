// The effect commands on a document's floating selection: they change only
// the floating picture, and the commit that puts it down is the undo step.
#include "effects/EffectCommands.h"

#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/Workspace.h"
#include "effects/Flip.h"
#include "effects/Soften.h"
#include "history/UndoHistory.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

namespace {

struct Desk
{
    Workspace workspace;
    EffectCommands effects { workspace };
    Document *document = workspace.NewPicture();

    Desk()
    {
        document->Picture1().resizePixels(40, 30);
        document->Picture1().setImage(noiseImage(40, 30, 21));
    }
};

TEST(EffectCommands, doNothingWithoutAFloatingSelection)
{
    Desk desk;
    const QImage canvas = desk.document->Picture1().Image();
    EXPECT_FALSE(desk.effects.soften());
    EXPECT_FALSE(desk.effects.oil());
    EXPECT_FALSE(desk.effects.flipSelection(FlipKind::Diagonal));
    EXPECT_FALSE(desk.effects.runFilter());
    EXPECT_EQ(desk.document->Picture1().Image(), canvas);
    Workspace empty;
    EffectCommands none(empty);
    EXPECT_FALSE(none.sharpen());
}

TEST(EffectCommands, changeTheFloatingPictureAndRepaintIt)
{
    Desk desk;
    desk.workspace.EditSelectAll();
    const QImage canvas = desk.document->Picture1().Image();
    const QImage lifted = desk.document->selection().picture().Image();
    QList<QRegion> repaint;
    QObject::connect(&desk.document->selection(), &FloatingSelection::changed,
        [&repaint](const QRegion &pixels) { repaint << pixels; });
    ASSERT_TRUE(desk.effects.soften());
    QImage expected(lifted.size(), QImage::Format_RGB32);
    soften(rowsOf(lifted), rowsOf(expected));
    EXPECT_EQ(desk.document->selection().picture().Image(), expected);
    EXPECT_EQ(desk.document->Picture1().Image(), canvas);
    EXPECT_FALSE(desk.document->history().canUndo());
    ASSERT_EQ(repaint.count(), 1);
    EXPECT_EQ(repaint.at(0), QRegion(0, 0, 40, 30));
}

TEST(EffectCommands, undoAfterTheCommitRestoresTheCanvas)
{
    Desk desk;
    const QImage before = desk.document->Picture1().Image();
    desk.workspace.EditSelectAll();
    desk.effects.emboss();
    desk.effects.flipSelection(FlipKind::Horizontal);
    desk.effects.runFilter(); // the first use: black inside the frame
    ASSERT_TRUE(desk.workspace.commitSelection(*desk.document));
    EXPECT_NE(desk.document->Picture1().Image(), before);
    EXPECT_EQ(desk.document->Picture1().Image().pixel(10, 10), qRgb(0, 0, 0));
    desk.workspace.undo();
    EXPECT_EQ(desk.document->Picture1().Image(), before);
}

}

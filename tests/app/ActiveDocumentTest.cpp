#include "app/ModuleMain.h"
#include "document/CanvasInput.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"

#include <gtest/gtest.h>

namespace {

CanvasMouse leftAt(double x, double y, Qt::MouseButtons held)
{
    CanvasMouse event;
    event.x = x;
    event.y = y;
    event.button = Qt::LeftButton;
    event.buttons = held;
    return event;
}

}

// A box dragged on picture 1 is finished after New made picture 2 active (New
// pressed with the button still held). The commands must go on acting on the
// window shown as active, and the box's undo step belongs to picture 1.
TEST(ActiveDocument, AStrokeEndingAfterNewLeavesTheNewPictureActive)
{
    ModuleMain module;
    module.startUp();
    Document *first = module.NewPicture();
    first->resizeCanvas(40 * 15 + 30, 30 * 15 + 30);
    module.hTool = 4; // rectangle
    module.activate(first);

    first->input()->mouseDown(leftAt(30, 30, Qt::LeftButton));
    first->input()->mouseMove(leftAt(300, 200, Qt::LeftButton));
    Document *second = module.NewPicture();
    module.activate(second);
    first->input()->mouseUp(leftAt(300, 200, Qt::NoButton));

    EXPECT_EQ(module.ActiveEdit(), second);
    EXPECT_TRUE(first->history().canUndo());
    EXPECT_FALSE(second->history().canUndo());
    EXPECT_TRUE(first->DataChanged());
    EXPECT_FALSE(module.commandContext().canUndo);
    EXPECT_EQ(module.colourTool().TextX(), QString::number(second->ScaleWidth() / 15));

    // Undo acts on picture 2 (nothing to undo) and leaves the box on picture 1.
    const QImage drawn = first->Picture1().Image();
    module.undo();
    EXPECT_EQ(first->Picture1().Image(), drawn);
}

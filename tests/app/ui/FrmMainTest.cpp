#include "app/ui/FrmMain.h"

#include <QMdiArea>
#include <gtest/gtest.h>

TEST(FrmMain, StartsWithItsCaptionAndWorkArea)
{
    FrmMain frmMain;
    frmMain.show();
    EXPECT_EQ(frmMain.objectName(), "FrmMain");
    EXPECT_EQ(frmMain.windowTitle(), "Tessara 3.0");
    EXPECT_NE(frmMain.findChild<QMdiArea *>(), nullptr);
}

#include "files/MountedDrives.h"
#include "files/PictureFolder.h"
#include "files/PreviewLayout.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(PreviewLayout, APictureThatFitsIsCentredInTheWholeViewportWithNoScrolling)
{
    // Viewport 6000 × 4500 twips, bars 255 wide/high, picture 3000 × 1500.
    const PreviewGeometry g = PreviewLayout::layout({ 6000, 4500 }, { 255, 255 }, { 3000, 1500 });
    EXPECT_DOUBLE_EQ(g.left, 1500);
    EXPECT_DOUBLE_EQ(g.top, 1500);
    EXPECT_EQ(g.horizontalMaximum, 0);
    EXPECT_EQ(g.verticalMaximum, 0);
}

TEST(PreviewLayout, ATallerPictureIsPinnedAndScrollsInTwentyTwipSteps)
{
    // The room beside the bars is 5745 × 4245; 400 twips more is 20 steps.
    const PreviewGeometry tall
        = PreviewLayout::layout({ 6000, 4500 }, { 255, 255 }, { 3000, 4645 });
    EXPECT_DOUBLE_EQ(tall.top, 0);
    EXPECT_DOUBLE_EQ(tall.left, 1500);
    EXPECT_EQ(tall.verticalMaximum, 20);
    EXPECT_EQ(tall.horizontalMaximum, 0);
    // Exactly the room beside the bar still counts as fitting, though the
    // centre is taken over the whole viewport.
    const PreviewGeometry exact
        = PreviewLayout::layout({ 6000, 4500 }, { 255, 255 }, { 5745, 4245 });
    EXPECT_DOUBLE_EQ(exact.left, 127.5);
    EXPECT_EQ(exact.horizontalMaximum, 0);
    EXPECT_EQ(exact.verticalMaximum, 0);
    // A picture wider than the 16-bit bar can reach stops at its maximum.
    const PreviewGeometry huge
        = PreviewLayout::layout({ 6000, 4500 }, { 255, 255 }, { 32767.0 * 15 * 3, 100 });
    EXPECT_EQ(huge.horizontalMaximum, 32767);
    EXPECT_DOUBLE_EQ(PreviewLayout::panned(20), -400);
}

TEST(PreviewLayout, TheSizeTextHasACyrillicHaBetweenThePixelCounts)
{
    EXPECT_EQ(PreviewLayout::sizeText({ 640 * 15, 480 * 15 }), QStringLiteral("640 \u0445 480"));
    EXPECT_EQ(PreviewLayout::sizeText({ 15, 15 }), QStringLiteral("1 \u0445 1"));
}

TEST(PictureFolder, ListsPicturesOfEveryCaseAndFoldersWithTheParentFirst)
{
    QTemporaryDir dir;
    for (const char *name : { "b.bmp", "PHOTO.JPG", "a.Jpeg", "notes.txt", "icon.ICO", "x.wmf" }) {
        QFile file(dir.filePath(QString::fromUtf8(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("Zoo"));
    ASSERT_TRUE(QDir(dir.path()).mkdir("album"));
    EXPECT_EQ(PictureFolder::pictures(dir.path()),
        QStringList({ "a.Jpeg", "b.bmp", "icon.ICO", "PHOTO.JPG", "x.wmf" }));
    EXPECT_EQ(PictureFolder::subfolders(dir.path()), QStringList({ "..", "album", "Zoo" }));
    EXPECT_FALSE(PictureFolder::subfolders("/").contains(".."));
    EXPECT_EQ(PictureFolder::enter(dir.path() + "/album", ".."), QDir::cleanPath(dir.path()));
}

TEST(PictureFolder, AFullPathNeverDoublesTheSeparator)
{
    EXPECT_EQ(PictureFolder::fullPath("/", "a.bmp"), "/a.bmp");
    EXPECT_EQ(PictureFolder::fullPath("/home/me", "a.bmp"), "/home/me/a.bmp");
    EXPECT_EQ(PictureFolder::fullPath("/home/me", ""), "");
}

TEST(MountedDrives, TheRootAndHomeComeFirstAndAMissingMountIsNotReady)
{
    const QList<Drive> drives = MountedDrives::list(QDir::homePath());
    ASSERT_GE(drives.size(), 1);
    EXPECT_EQ(drives[0].rootPath, "/");
    EXPECT_TRUE(MountedDrives::isReady("/"));
    EXPECT_FALSE(MountedDrives::isReady("/media/no-such-card"));
    EXPECT_EQ((Drive { "/media/card", "CARD" }).caption(), "/media/card (CARD)");
}

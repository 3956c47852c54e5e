#include "files/FileDialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(FileDialogs, FiltersKeepTheirDescriptionsAndMatchBothCases)
{
    EXPECT_EQ(FileDialogs::qtFilter("BMP (*.BMP)|*.bmp"), "BMP (*.BMP) (*.bmp *.BMP)");
    const QString open = FileDialogs::open("/x").filter;
    EXPECT_EQ(open.split(";;").size(), 8);
    EXPECT_TRUE(open.contains("ICO (*.ico) (*.ico *.ICO)"));
    EXPECT_TRUE(open.endsWith("所有文件(*.*) (*)"));
}

TEST(FileDialogs, UnsavedMeansTheExactCaptionPrefix)
{
    EXPECT_TRUE(FileDialogs::isUnsaved("New Picture 3"));
    EXPECT_FALSE(FileDialogs::isUnsaved("new picture 3"));
    EXPECT_FALSE(FileDialogs::isUnsaved("New Picture"));
    EXPECT_FALSE(FileDialogs::isUnsaved("/home/me/New Picture 3.bmp"));
}

TEST(FileDialogs, AFolderThatCannotBeWrittenGivesWayToThePicturesOrHomeFolder)
{
    QTemporaryDir dir;
    EXPECT_EQ(FileDialogs::initialFolder(dir.path()), dir.path());
    EXPECT_NE(FileDialogs::initialFolder(dir.filePath("missing")), dir.filePath("missing"));
    if (geteuid() != 0) {
        chmod(QFile::encodeName(dir.path()).constData(), 0555);
        EXPECT_NE(FileDialogs::initialFolder(dir.path()), dir.path());
        chmod(QFile::encodeName(dir.path()).constData(), 0755);
    }
}

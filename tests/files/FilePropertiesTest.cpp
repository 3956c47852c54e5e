#include "files/FileProperties.h"
#include "files/DosAttributes.h"
#include "files/PropertiesLayout.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/xattr.h>

namespace {

bool hasUserXattrs(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    return setxattr(name.constData(), "user.tessara-probe", "1", 1, 0) == 0
        && removexattr(name.constData(), "user.tessara-probe") == 0;
}

QString makeFile(const QTemporaryDir &dir, const char *name, int bytes)
{
    const QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QByteArray(bytes, 'x'));
    return path;
}

}

TEST(PropertiesLayout, LongPathsAddLinesAndPushTheLowerControlsDown)
{
    const PropertiesLayout base(30, 30);
    EXPECT_EQ(base.nameLines(), 2);
    EXPECT_EQ(base.dialogHeight(), 4510);
    // A 70-character path in a 40-character folder: four lines for the name,
    // three for the folder.
    const PropertiesLayout long70(70, 40);
    EXPECT_EQ(long70.nameLines(), 4);
    EXPECT_EQ(long70.nameBoxHeight(), 760);
    EXPECT_EQ(long70.folderBoxHeight(), 570);
    EXPECT_EQ(long70.belowName(), 380);
    EXPECT_EQ(long70.belowFolder(), 570);
    EXPECT_EQ(PropertiesLayout(70, 0).dialogHeight() - base.dialogHeight(), 380);
}

TEST(FileProperties, TheCaptionGivesFolderTypeAndTheFileItsSizeAndTime)
{
    EXPECT_EQ(FileProperties::folderOf("/home/me/cat.bmp"), "/home/me/");
    EXPECT_EQ(FileProperties::folderOf("cat.bmp"), "");
    EXPECT_EQ(FileProperties::typeText("/p/cat.bmp"), ".bmp 文件");
    EXPECT_EQ(FileProperties::typeText("/p/cat.jpeg"), "jpeg 文件");
    QTemporaryDir dir;
    const QString path = makeFile(dir, "size.bmp", 12345);
    const FilePropertiesResult result = FileProperties::load(path);
    ASSERT_TRUE(result.facts);
    EXPECT_EQ(result.facts->size, "12345 字节");
    EXPECT_EQ(result.facts->folder, dir.path() + "/");
    EXPECT_FALSE(result.facts->modified.isEmpty());
}

TEST(FileProperties, ANeverSavedPictureGivesOnlyTheWarning)
{
    const FilePropertiesResult result = FileProperties::load("New Picture 3");
    EXPECT_FALSE(result.facts);
    EXPECT_EQ(result.message.title, "New Picture 3");
    EXPECT_EQ(result.message.text, "\r  文件尚未存盘！    \r");
    EXPECT_TRUE(result.message.warning);
}

TEST(DosAttributes, TheWordAndSambasTextForm)
{
    EXPECT_EQ(DosAttributes::word(false, true, false, true), 34);
    EXPECT_EQ(DosAttributes::word(true, true, true, true), 39);
    EXPECT_EQ(DosAttributes::encode(34), QByteArray("0x22\0", 5));
    EXPECT_EQ(DosAttributes::decode(QByteArray("0x22\0", 5)), 34);
    // Newer Samba records start with the same text, then binary fields.
    EXPECT_EQ(DosAttributes::decode(QByteArray("0x26\0\x04\x00\x01\x00", 9)), 0x26);
    EXPECT_EQ(DosAttributes::decode("22"), std::nullopt);
    EXPECT_EQ(DosAttributes::decode("0x"), std::nullopt);
}

TEST(DosAttributes, ReadOnlyIsTheOwnersWritePermission)
{
    QTemporaryDir dir;
    const QString path = makeFile(dir, "ro.bmp", 1);
    ASSERT_TRUE(DosAttributes::write(path, DosAttributes::ReadOnly));
    EXPECT_FALSE(QFile(path).permissions() & QFileDevice::WriteOwner);
    EXPECT_EQ(DosAttributes::read(path)->word & DosAttributes::ReadOnly, DosAttributes::ReadOnly);
    ASSERT_TRUE(DosAttributes::write(path, 0));
    EXPECT_TRUE(QFile(path).permissions() & QFileDevice::WriteOwner);
    EXPECT_FALSE(DosAttributes::read(dir.filePath("missing.bmp")));
}

TEST(DosAttributes, HiddenSystemAndArchiveRoundTripThroughTheExtendedAttribute)
{
    QTemporaryDir dir;
    const QString path = makeFile(dir, "attr.bmp", 1);
    if (!hasUserXattrs(path))
        GTEST_SKIP() << "this file system keeps no user extended attributes";
    const QByteArray name = QFile::encodeName(path);
    // A bit of Samba's own that the dialog does not show (0x80) is kept.
    const QByteArray samba("0x80\0", 5);
    setxattr(name.constData(), "user.DOSATTRIB", samba.constData(), size_t(samba.size()), 0);
    ASSERT_TRUE(DosAttributes::write(path, 34));
    char stored[64] = {};
    const ssize_t length = getxattr(name.constData(), "user.DOSATTRIB", stored, sizeof stored);
    EXPECT_EQ(QByteArray(stored, int(length)), QByteArray("0xa2\0", 5));
    const auto state = DosAttributes::read(path);
    ASSERT_TRUE(state);
    EXPECT_TRUE(state->extended);
    EXPECT_EQ(state->word, 34);
    ASSERT_TRUE(DosAttributes::write(path, DosAttributes::System));
    EXPECT_EQ(DosAttributes::read(path)->word, DosAttributes::System);
}

// Writing a picture file over an old one: what is written, what is kept of
// the old file, and that every refusal and failure leaves the old file byte
// for byte and no temporary file behind. The tests run as the superuser in
// CI, so read-only cases rely on the write bits, not on access checks alone.
#include "files/PictureWriter.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Status = WriteOutcome::Status;

QImage canvas(int width, int height, int seed = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x * 5 + seed, y * 3, (x ^ y) + seed));
    return image;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &bytes, mode_t mode)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), mode), 0);
}

mode_t modeOf(const QString &path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// Everything in the folder, hidden files included: a temporary file left
// behind shows up here.
QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

class PictureFileWrite : public ::testing::Test
{
protected:
    QString at(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    const QByteArray oldBytes = QByteArray("an old picture the user wants to keep");
};

TEST_F(PictureFileWrite, WritesAFileThatReadsBackAsTheCanvas)
{
    const QImage picture = canvas(37, 21);
    const auto outcome = PictureWriter::writeBmpFile(at("new.bmp"), picture);
    ASSERT_TRUE(outcome.written()) << qPrintable(outcome.reason);
    EXPECT_EQ(contents(at("new.bmp")), PictureWriter::encodeBmp(picture));
    EXPECT_EQ(QImage(at("new.bmp")).convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_EQ(entries(dir.path()), QStringList { "new.bmp" });

    // A new file gets the permissions every new file of the user gets.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    EXPECT_EQ(modeOf(at("new.bmp")), 0666 & ~mask);
}

TEST_F(PictureFileWrite, ReplacesAnOldFileKeepingItsPermissionsAndFollowingLinks)
{
    // Whatever the extension: a .jpg gets BMP bytes.
    put(at("photo.jpg"), oldBytes, 0640);
    const QImage picture = canvas(5, 5);
    ASSERT_TRUE(PictureWriter::writeBmpFile(at("photo.jpg"), picture).written());
    EXPECT_EQ(contents(at("photo.jpg")), PictureWriter::encodeBmp(picture));
    EXPECT_EQ(modeOf(at("photo.jpg")), 0640u);

    // Through a relative link: the target is written, the link stays a link.
    ASSERT_TRUE(QDir(dir.path()).mkdir("real"));
    put(at("real/target.bmp"), oldBytes, 0600);
    ASSERT_EQ(::symlink("real/target.bmp", QFile::encodeName(at("link.bmp")).constData()), 0);
    ASSERT_TRUE(PictureWriter::writeBmpFile(at("link.bmp"), picture).written());
    EXPECT_TRUE(QFileInfo(at("link.bmp")).isSymLink());
    EXPECT_EQ(contents(at("real/target.bmp")), PictureWriter::encodeBmp(picture));
    EXPECT_EQ(modeOf(at("real/target.bmp")), 0600u);
    EXPECT_EQ(entries(at("real")), QStringList { "target.bmp" });
    EXPECT_EQ(entries(dir.path()), (QStringList { "link.bmp", "photo.jpg", "real" }));
}

TEST_F(PictureFileWrite, ReadOnlyFilesAndFoldersAreRefusedAndUntouched)
{
    // No write bit for anybody: read-only even for the superuser, whom the
    // rename would otherwise let replace it.
    put(at("locked.bmp"), oldBytes, 0444);
    EXPECT_EQ(PictureWriter::writeBmpFile(at("locked.bmp"), canvas(3, 3)).status, Status::ReadOnly);
    EXPECT_EQ(contents(at("locked.bmp")), oldBytes);
    EXPECT_EQ(modeOf(at("locked.bmp")), 0444u);

    ASSERT_TRUE(QDir(dir.path()).mkdir("shelf"));
    put(at("shelf/kept.bmp"), oldBytes, 0644);
    ASSERT_EQ(::chmod(QFile::encodeName(at("shelf")).constData(), 0555), 0);
    EXPECT_EQ(
        PictureWriter::writeBmpFile(at("shelf/kept.bmp"), canvas(3, 3)).status, Status::ReadOnly);
    EXPECT_EQ(
        PictureWriter::writeBmpFile(at("shelf/new.bmp"), canvas(3, 3)).status, Status::ReadOnly);
    EXPECT_EQ(contents(at("shelf/kept.bmp")), oldBytes);
    EXPECT_EQ(entries(at("shelf")), QStringList { "kept.bmp" });
    ::chmod(QFile::encodeName(at("shelf")).constData(), 0755);
    EXPECT_EQ(entries(dir.path()), (QStringList { "locked.bmp", "shelf" }));
}

TEST_F(PictureFileWrite, PathsThatCannotBeAFileFailWithTheSystemsReason)
{
    const auto missing = PictureWriter::writeBmpFile(at("no/such/folder/a.bmp"), canvas(3, 3));
    EXPECT_EQ(missing.status, Status::Failed);
    EXPECT_TRUE(missing.reason.startsWith("写入失败：")) << qPrintable(missing.reason);
    EXPECT_TRUE(missing.reason.contains(qt_error_string(ENOENT))) << qPrintable(missing.reason);

    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.bmp"));
    EXPECT_EQ(PictureWriter::writeBmpFile(at("folder.bmp"), canvas(3, 3)).status, Status::Failed);
    EXPECT_EQ(PictureWriter::writeBmpFile(at("x.bmp"), QImage()).status, Status::Failed);
    EXPECT_EQ(entries(dir.path()), QStringList { "folder.bmp" });
}

// Restores the process's file-size limit and SIGXFSZ however the test ends.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit = saved;
        limit.rlim_cur = bytes;
        applied = ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

    bool applied = false;

private:
    struct rlimit saved;
    void (*previousHandler)(int);
};

TEST_F(PictureFileWrite, AFileSizeLimitFailsTheWriteAndKeepsTheOldFile)
{
    put(at("big.bmp"), oldBytes, 0644);
    const QImage picture = canvas(100, 100); // 30054 bytes
    WriteOutcome outcome;
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.applied);
        outcome = PictureWriter::writeBmpFile(at("big.bmp"), picture);
    }
    EXPECT_EQ(outcome.status, Status::Failed);
    EXPECT_TRUE(outcome.reason.contains(qt_error_string(EFBIG))) << qPrintable(outcome.reason);
    EXPECT_EQ(contents(at("big.bmp")), oldBytes);
    EXPECT_EQ(entries(dir.path()), QStringList { "big.bmp" });
}

// The child's findings, as its exit status.
enum DiskFullFinding {
    AsExpected = 0,
    NotFailed = 1,
    WrongReason = 2,
    OldFileChanged = 3,
    TemporaryLeft = 4,
    SetupFailed = 5,
    NoMountRights = 77,
};

// A tiny file system of its own, mounted in a private mount namespace of a
// child process, fills up half-way through the write.
int writeOntoAFullDisk(const QString &mountPoint, const QByteArray &oldBytes, const QImage &picture)
{
    if (::unshare(CLONE_NEWNS) != 0
        || ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
        || ::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=64k") != 0)
        return NoMountRights;
    const QString path = mountPoint + "/full.bmp";
    QFile old(path);
    if (!old.open(QIODevice::WriteOnly) || old.write(oldBytes) != oldBytes.size())
        return SetupFailed;
    old.close();
    const auto outcome = PictureWriter::writeBmpFile(path, picture);
    if (outcome.status != Status::Failed)
        return NotFailed;
    if (!outcome.reason.contains(qt_error_string(ENOSPC)))
        return WrongReason;
    if (contents(path) != oldBytes)
        return OldFileChanged;
    if (entries(mountPoint) != QStringList { "full.bmp" })
        return TemporaryLeft;
    return AsExpected;
}

TEST_F(PictureFileWrite, AFullDiskFailsTheWriteAndKeepsTheOldFile)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("disk"));
    const QByteArray old = oldBytes.repeated(500); // about 18 KiB of the 64
    const QImage picture = canvas(200, 200); // 120 KiB
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        ::_exit(writeOntoAFullDisk(at("disk"), old, picture));
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == NoMountRights)
        GTEST_SKIP() << "no right to mount a small file system here";
    EXPECT_EQ(WEXITSTATUS(status), AsExpected) << "see DiskFullFinding";
}

}

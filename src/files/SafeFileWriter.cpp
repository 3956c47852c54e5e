#include "files/SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>

namespace SafeFileWriter {

namespace {

// Longest chain of symbolic links followed, as the kernel's own limit.
constexpr int MaxLinkHops = 40;
// Room for the temporary name's dot and suffix within a file name's 255 bytes.
constexpr qsizetype MaxTempBaseBytes = 200;

WriteOutcome failedWith(int error)
{
    return WriteOutcome::failure(QStringLiteral("写入失败：") + qt_error_string(error));
}

bool deniedByPermission(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

// Marked read-only for everybody: the superuser passes every access check,
// so this is what makes a read-only file read-only for it too.
bool markedReadOnly(const struct stat &status)
{
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

// The file a path finally names, following symbolic links (a dangling link
// names the file it would point to); `error` is set when it cannot be told.
std::optional<QByteArray> followLinks(QByteArray path, int &error)
{
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        struct stat status;
        if (::lstat(path.constData(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path; // a new file, or one the checks below look at
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), target.size());
        if (length < 0) {
            error = errno;
            return std::nullopt;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    error = ELOOP;
    return std::nullopt;
}

std::optional<WriteOutcome> checkFolder(const QByteArray &folder)
{
    struct stat status;
    if (::stat(folder.constData(), &status) != 0)
        return failedWith(errno);
    if (!S_ISDIR(status.st_mode))
        return failedWith(ENOTDIR);
    if (::access(folder.constData(), W_OK | X_OK) != 0)
        return deniedByPermission(errno) ? WriteOutcome::readOnly() : failedWith(errno);
    if (markedReadOnly(status))
        return WriteOutcome::readOnly();
    return std::nullopt;
}

std::optional<WriteOutcome> checkOldFile(const QByteArray &file, const struct stat &status)
{
    if (S_ISDIR(status.st_mode))
        return failedWith(EISDIR);
    if (!S_ISREG(status.st_mode)) // a device or pipe would be replaced, not written
        return WriteOutcome::failure(QStringLiteral("写入失败：这不是一个普通文件。"));
    if (::access(file.constData(), W_OK) != 0)
        return deniedByPermission(errno) ? WriteOutcome::readOnly() : failedWith(errno);
    if (markedReadOnly(status))
        return WriteOutcome::readOnly();
    return std::nullopt;
}

// A file over the process's size limit would raise SIGXFSZ half-way, which
// ends the program unless ignored: refuse it before writing anything.
bool beyondSizeLimit(qint64 bytes)
{
    struct rlimit limit;
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY)
        return false;
    return quint64(bytes) > quint64(limit.rlim_cur);
}

// The temporary file: closed and removed on every path but a committed one.
class TempFile
{
public:
    ~TempFile()
    {
        if (fd >= 0)
            ::close(fd);
        if (!path.isEmpty() && !committed)
            ::unlink(path.constData());
    }

    // Created exclusively beside the target, so it is never someone else's
    // file and the rename stays on one file system.
    int create(const QByteArray &target, mode_t mode)
    {
        const QByteArray stem
            = folderOf(target) + "/." + nameOf(target).left(MaxTempBaseBytes) + '.';
        for (int attempt = 0; attempt < 100; ++attempt) {
            const QByteArray candidate
                = stem + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
            fd = ::open(candidate.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd >= 0) {
                path = candidate;
                return 0;
            }
            if (errno != EEXIST)
                return errno;
        }
        return EEXIST;
    }

    int writeAll(const QByteArray &bytes)
    {
        const char *data = bytes.constData();
        qint64 left = bytes.size();
        while (left > 0) {
            const ssize_t done = ::write(fd, data, size_t(qMin<qint64>(left, qint64(1) << 30)));
            if (done < 0 && errno == EINTR)
                continue;
            if (done <= 0)
                return done < 0 ? errno : EIO;
            data += done;
            left -= done;
        }
        return 0;
    }

    // The old file's permissions, and its owner where we may give it.
    int copyAccess(const struct stat &old)
    {
        if (::fchown(fd, old.st_uid, old.st_gid) != 0)
            (void)::fchown(fd, uid_t(-1), old.st_gid);
        // After the owner: changing it clears set-user and set-group bits.
        return ::fchmod(fd, old.st_mode & 07777) == 0 ? 0 : errno;
    }

    int syncAndClose()
    {
        if (::fsync(fd) != 0)
            return errno;
        const int result = ::close(fd);
        fd = -1;
        return result == 0 ? 0 : errno;
    }

    int fd = -1;
    QByteArray path;
    bool committed = false;
};

// Makes the rename itself survive a crash. Some file systems cannot sync a
// folder; the new file is in place by now, so that is not a failure.
void syncFolder(const QByteArray &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    (void)::fsync(fd);
    ::close(fd);
}

}

WriteOutcome write(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return failedWith(ENOENT);
    int error = 0;
    const auto target = followLinks(QFile::encodeName(QFileInfo(path).absoluteFilePath()), error);
    if (!target)
        return failedWith(error);
    const QByteArray folder = folderOf(*target);
    if (auto refusal = checkFolder(folder))
        return *refusal;

    struct stat old;
    const bool replacing = ::stat(target->constData(), &old) == 0;
    if (!replacing && errno != ENOENT)
        return failedWith(errno);
    if (replacing) {
        if (auto refusal = checkOldFile(*target, old))
            return *refusal;
    }
    if (beyondSizeLimit(bytes.size()))
        return failedWith(EFBIG);

    TempFile temp;
    // A new file gets the usual 0666 less the umask; a replacement starts
    // private and takes the old file's permissions before any byte is written.
    if ((error = temp.create(*target, replacing ? 0600 : 0666)))
        return failedWith(error);
    if (replacing && (error = temp.copyAccess(old)))
        return failedWith(error);
    if ((error = temp.writeAll(bytes)) || (error = temp.syncAndClose()))
        return failedWith(error);
    if (::rename(temp.path.constData(), target->constData()) != 0)
        return failedWith(errno);
    temp.committed = true;
    syncFolder(folder);
    return WriteOutcome::success();
}

}

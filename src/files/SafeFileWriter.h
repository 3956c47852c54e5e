#pragma once

#include "files/WriteOutcome.h"

#include <QByteArray>
#include <QString>

// Replaces a file's contents so that no failure can harm what was there: the
// bytes go to a new file beside it (same folder, so the same file system),
// which is flushed to the disk, given the old file's permissions and owner,
// and only then renamed over the old name; the folder is flushed after the
// rename. A symbolic link is followed: its target is written, the link stays.
//
// Before anything is written, a file or folder that is read-only gives
// Status::ReadOnly. Read-only means that we may not write it, or that it has
// no write permission bit for anybody. The second test matters for the
// superuser, whom the system lets write anything: a file or folder marked
// read-only for everyone is still treated as read-only, since that is what a
// user who marked it meant, and a rename would otherwise replace it silently.
//
// Every other failure (a missing folder, a full disk, a file-size limit, an
// I/O error) gives Status::Failed with the system's description; the
// temporary file is removed and the old file is untouched.
namespace SafeFileWriter {

WriteOutcome write(const QString &path, const QByteArray &bytes);

}

#pragma once

#include <QList>
#include <QString>

// A place the browser's drive list offers: a mounted file system.
struct Drive
{
    QString rootPath;
    // The file system's name (label or device) shown after the path.
    QString name;

    // "/media/usb (CARD)": what the list shows.
    QString caption() const;
};

namespace MountedDrives {

// The root file system, the home folder and removable media mounted under
// /media and /run/media, in that order; other mounts (/proc, /sys, snaps)
// hold no pictures of the user's.
QList<Drive> list(const QString &home);

// Whether the drive can be listed now: mounted, ready and readable. A card
// pulled out or an unreadable mount is not.
bool isReady(const QString &rootPath);

}

#include "files/MountedDrives.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

QString Drive::caption() const
{
    return name.isEmpty() ? rootPath : rootPath + QStringLiteral(" (") + name + QLatin1Char(')');
}

namespace MountedDrives {

namespace {

bool isRemovableMedia(const QString &root)
{
    return root.startsWith(QStringLiteral("/media/"))
        || root.startsWith(QStringLiteral("/run/media/"));
}

QString nameOf(const QStorageInfo &storage)
{
    const QString label = storage.name();
    return label.isEmpty() ? QString::fromLocal8Bit(storage.device()) : label;
}

}

QList<Drive> list(const QString &home)
{
    QList<Drive> drives;
    drives.append({ QStringLiteral("/"), nameOf(QStorageInfo::root()) });
    if (!home.isEmpty() && home != QStringLiteral("/"))
        drives.append({ QDir::cleanPath(home), QStringLiteral("主文件夹") });
    for (const QStorageInfo &storage : QStorageInfo::mountedVolumes()) {
        if (storage.isValid() && isRemovableMedia(storage.rootPath()))
            drives.append({ storage.rootPath(), nameOf(storage) });
    }
    return drives;
}

bool isReady(const QString &rootPath)
{
    const QFileInfo info(rootPath);
    if (!info.isDir() || !info.isReadable())
        return false;
    const QStorageInfo storage(rootPath);
    return storage.isValid() && storage.isReady();
}

}

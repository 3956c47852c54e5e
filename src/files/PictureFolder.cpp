#include "files/PictureFolder.h"

#include <QDir>

namespace PictureFolder {

QStringList patterns()
{
    return { QStringLiteral("*.bmp"), QStringLiteral("*.jpg"), QStringLiteral("*.jpe"),
        QStringLiteral("*.jpeg"), QStringLiteral("*.gif"), QStringLiteral("*.ico"),
        QStringLiteral("*.dib"), QStringLiteral("*.wmf"), QStringLiteral("*.emf") };
}

QStringList pictures(const QString &folder)
{
    // Without QDir::CaseSensitive the name filters ignore case.
    QDir dir(folder);
    dir.setNameFilters(patterns());
    dir.setFilter(QDir::Files | QDir::Readable | QDir::Hidden);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    return dir.entryList();
}

QStringList subfolders(const QString &folder)
{
    QDir dir(folder);
    dir.setFilter(QDir::Dirs | QDir::NoDotAndDotDot);
    dir.setSorting(QDir::Name | QDir::IgnoreCase);
    QStringList entries = dir.entryList();
    if (!dir.isRoot())
        entries.prepend(QStringLiteral(".."));
    return entries;
}

QString enter(const QString &folder, const QString &entry)
{
    return QDir::cleanPath(QDir(folder).absoluteFilePath(entry));
}

QString fullPath(const QString &folder, const QString &fileName)
{
    if (fileName.isEmpty())
        return {};
    if (folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

}

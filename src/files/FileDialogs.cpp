#include "files/FileDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace FileDialogs {

namespace {

const QString UnsavedPrefix = QStringLiteral("New Picture ");

QString withUpperCaseTwins(const QString &patterns)
{
    QStringList all = patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QStringList lower = all;
    for (const QString &pattern : lower) {
        // "*.*" means every file here; on Linux that is "*" (names without a dot too).
        if (pattern == QLatin1String("*.*")) {
            all.replace(all.indexOf(pattern), QStringLiteral("*"));
            continue;
        }
        const QString upper = pattern.toUpper();
        if (upper != pattern && !all.contains(upper))
            all.append(upper);
    }
    return all.join(QLatin1Char(' '));
}

}

bool isUnsaved(const QString &caption)
{
    return caption.startsWith(UnsavedPrefix, Qt::CaseSensitive);
}

QString qtFilter(const QString &pairs)
{
    const QStringList parts = pairs.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype k = 0; k + 1 < parts.size(); k += 2)
        entries.append(
            parts[k] + QStringLiteral(" (") + withUpperCaseTwins(parts[k + 1]) + QLatin1Char(')'));
    return entries.join(QStringLiteral(";;"));
}

FileDialogSpec open(const QString &folder)
{
    FileDialogSpec spec;
    spec.purpose = FileDialogSpec::Purpose::Open;
    spec.title = QStringLiteral("打开...");
    spec.filter = qtFilter(QStringLiteral(
        "JPG (*.jpg;*.jpe;*.jpeg)|*.jpg;*.jpe;*.jpeg|GIF (*.gif)|*.gif|BMP (*.bmp)|*.bmp|"
        "ICO (*.ico)|*.ico|DIB (*.dib)|*.dib|WMF (*.wmf)|*.wmf|EMF (*.emf)|*.emf|"
        "所有文件(*.*)|*.*"));
    spec.folder = folder;
    return spec;
}

FileDialogSpec save(const QString &caption, const QString &folder)
{
    FileDialogSpec spec;
    spec.purpose = FileDialogSpec::Purpose::Save;
    spec.title = QStringLiteral("保存 ") + caption;
    spec.filter = qtFilter(QStringLiteral("BMP (*.BMP)|*.bmp"));
    spec.folder = folder;
    spec.fileName = caption;
    return spec;
}

FileDialogSpec saveAs(const QString &caption, const QString &folder)
{
    FileDialogSpec spec = save(caption, folder);
    spec.title = QStringLiteral("另存为 ") + caption;
    return spec;
}

FileDialogSpec pasteText(const QString &folder)
{
    FileDialogSpec spec;
    spec.title = QStringLiteral("打开");
    spec.filter = qtFilter(QStringLiteral("TXT(*.TXT)|*.txt|RTF(*.RTF)|*.rtf|所有文件(*.*)|*.*"));
    spec.folder = folder;
    return spec;
}

QString initialFolder(const QString &programFolder)
{
    const QFileInfo program(programFolder);
    if (program.isDir() && program.isWritable())
        return program.absoluteFilePath();
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (!pictures.isEmpty() && QFileInfo(pictures).isDir())
        return pictures;
    return QDir::homePath();
}

}

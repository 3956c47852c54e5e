#pragma once

#include <QString>
#include <QStringList>

// The folders and picture files the browser lists. Paths are QDir paths with
// "/" separators, never a doubled one.
namespace PictureFolder {

// The browser's pattern: the seven formats' extensions, matched without
// regard to case, since Linux file systems tell "PHOTO.JPG" from "photo.jpg".
QStringList patterns();

// The picture files of `folder` matching the pattern, sorted by name.
QStringList pictures(const QString &folder);
// The folders inside `folder`, sorted by name, hidden ones left out, with
// ".." first unless `folder` is a root.
QStringList subfolders(const QString &folder);
// The folder an entry of `subfolders` leads to.
QString enter(const QString &folder, const QString &entry);
// The selected file's full path: empty when no file is selected. A folder
// that already ends in "/" (a root) gets no second one.
QString fullPath(const QString &folder, const QString &fileName);

}

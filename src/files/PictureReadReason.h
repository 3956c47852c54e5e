#pragma once

#include <QString>
#include <QtGlobal>

// The sentences a refused or incomplete picture gives the user. The Open
// command puts the file name before them, so none names the file.
namespace PictureReadReason {

QString notFound();
QString unreadable(const QString &systemReason);
QString folder();
QString notAFile();
QString empty();
QString notAPicture();
QString tooLarge(qint64 width, qint64 height);
QString fileTooLarge(qint64 bytes);
QString unsupportedBitDepth(int bits);
QString unsupportedCompression();
QString damaged(const QString &what);
QString incomplete();

}

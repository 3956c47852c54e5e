#include "files/PictureReader.h"

#include "files/MetafilePictureReader.h"
#include "files/PictureReadReason.h"
#include "files/RasterPictureReader.h"
#include "raster/PictureSurface.h"

#include <QFile>
#include <QFileInfo>

#include <memory>
#include <vector>

namespace {

// A picture file is read whole into memory; one larger than the largest
// picture it could hold (plus room for headers, palettes and metadata) is
// refused unread.
constexpr qint64 FileSlackBytes = qint64(16) << 20;

const std::vector<std::unique_ptr<PictureFormatReader>> &formatReaders()
{
    static const auto readers = [] {
        std::vector<std::unique_ptr<PictureFormatReader>> list;
        list.push_back(std::make_unique<MetafilePictureReader>());
        list.push_back(std::make_unique<RasterPictureReader>());
        return list;
    }();
    return readers;
}

LoadedPicture refused(const QString &reason)
{
    LoadedPicture picture;
    picture.outcome = LoadedPicture::Outcome::Refused;
    picture.reason = reason;
    return picture;
}

}

namespace PictureReader {

// The canvas's own limit: 2^28 pixels of 4 bytes, 1 GiB, which a surface of
// 32767 pixels a side reaches at about 8192 x 32767. Qt's readers are given
// the same figure (1024 MiB) in place of their default of 256 MiB.
qint64 allocationLimit()
{
    return PictureSurface::MaxPixels * 4;
}

LoadedPicture readBytes(const QByteArray &bytes, ColourValue background)
{
    if (bytes.isEmpty())
        return refused(PictureReadReason::empty());
    for (const auto &reader : formatReaders()) {
        if (reader->recognises(bytes))
            return reader->read(bytes, background);
    }
    return refused(PictureReadReason::notAPicture());
}

LoadedPicture readFile(const QString &path, ColourValue background)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        LoadedPicture picture;
        picture.outcome = LoadedPicture::Outcome::NotFound;
        picture.reason = PictureReadReason::notFound();
        return picture;
    }
    if (info.isDir())
        return refused(PictureReadReason::folder());
    // A device or a pipe could give bytes for ever.
    if (!info.isFile())
        return refused(PictureReadReason::notAFile());
    const qint64 largest = allocationLimit() + FileSlackBytes;
    if (info.size() > largest)
        return refused(PictureReadReason::fileTooLarge(info.size()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return refused(PictureReadReason::unreadable(file.errorString()));
    // Read once, as long as the file was when asked, even if it grows meanwhile.
    const QByteArray bytes = file.read(info.size());
    if (file.error() != QFileDevice::NoError)
        return refused(PictureReadReason::unreadable(file.errorString()));
    return readBytes(bytes, background);
}

}

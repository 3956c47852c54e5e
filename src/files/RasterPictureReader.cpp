#include "files/RasterPictureReader.h"

#include "files/ByteReader.h"
#include "files/OpaquePicture.h"
#include "files/PictureCompleteness.h"
#include "files/PictureHeader.h"
#include "files/PictureReadReason.h"
#include "raster/PictureSurface.h"

#include <QBuffer>
#include <QImageReader>

namespace {

using Outcome = LoadedPicture::Outcome;
using Verdict = PictureCompleteness::Verdict;

constexpr qint64 BmpFileHeaderSize = 14;

LoadedPicture refused(const QString &reason)
{
    LoadedPicture picture;
    picture.outcome = Outcome::Refused;
    picture.reason = reason;
    return picture;
}

bool fitsCanvas(qint64 width, qint64 height)
{
    return width > 0 && height > 0 && width <= PictureSurface::MaxSide
        && height <= PictureSurface::MaxSide && width * height <= PictureSurface::MaxPixels;
}

// Qt's limit is process-wide and in mebibytes; it is set before every decode
// so that nothing else in the program can have lowered it.
void applyAllocationLimit()
{
    QImageReader::setAllocationLimit(int(PictureReader::allocationLimit() >> 20));
}

struct Decoded
{
    QImage image;
    bool tooLarge = false;
    QSize claimed;
};

// One image of `bytes` in `format`, the EXIF orientation applied. The
// header's size is checked before read() allocates anything.
Decoded decode(const QByteArray &bytes, const char *format, int imageIndex = 0)
{
    applyAllocationLimit();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(true);
    if (imageIndex > 0 && !reader.jumpToImage(imageIndex))
        return {};
    Decoded decoded;
    decoded.claimed = reader.size();
    if (decoded.claimed.isValid()
        && !fitsCanvas(decoded.claimed.width(), qAbs(decoded.claimed.height()))) {
        decoded.tooLarge = true;
        return decoded;
    }
    decoded.image = reader.read();
    return decoded;
}

enum class Alpha { Trusted, Settle };

LoadedPicture opened(
    const QImage &image, ColourValue background, Outcome outcome, Alpha alpha = Alpha::Trusted)
{
    LoadedPicture picture;
    picture.image = opaquePicture(image, background);
    if (picture.image.isNull())
        return refused(PictureReadReason::damaged(QStringLiteral("无法解码图像数据")));
    if (alpha == Alpha::Settle || outcome == Outcome::Incomplete)
        settleAlpha(picture.image);
    picture.outcome = outcome;
    if (outcome == Outcome::Incomplete)
        picture.reason = PictureReadReason::incomplete();
    return picture;
}

// Why the header probe turned a bitmap or icon down.
QString headerReason(const PictureHeader &header)
{
    switch (header.verdict()) {
    case PictureHeader::Verdict::TooLarge:
        return PictureReadReason::tooLarge(header.width(), header.height());
    case PictureHeader::Verdict::Unsupported:
        if (header.compression() == PictureHeader::Rgb)
            return PictureReadReason::unsupportedBitDepth(header.bitDepth());
        return PictureReadReason::unsupportedCompression();
    case PictureHeader::Verdict::Truncated:
        return PictureReadReason::damaged(QStringLiteral("文件在文件头或图标目录中就断了"));
    case PictureHeader::Verdict::Malformed:
        return PictureReadReason::damaged(QStringLiteral("文件头中的数值不合理"));
    case PictureHeader::Verdict::NotAPicture:
    case PictureHeader::Verdict::Fits:
        break;
    }
    return PictureReadReason::notAPicture();
}

void putU32le(QByteArray &bytes, qint64 at, quint32 value)
{
    for (int k = 0; k < 4; ++k)
        bytes[at + k] = char((value >> (8 * k)) & 0xFF);
}

// A bare bitmap (the clipboard's DIB) with the file header Qt's BMP reader
// expects in front: the pixels start after the bitmap header, the three or
// four colour masks of a 40-byte header and the palette.
QByteArray withFileHeader(const QByteArray &dib, const PictureHeader &header)
{
    const ByteReader reader(dib);
    const quint32 infoSize = header.infoHeaderSize();
    qint64 masks = 0;
    if (infoSize == 40 && header.compression() == PictureHeader::BitFields)
        masks = 12;
    else if (infoSize == 40 && header.compression() == PictureHeader::AlphaBitFields)
        masks = 16;
    qint64 colours = infoSize >= 36 ? reader.u32le(32).value_or(0) : 0;
    if (colours == 0 && header.bitDepth() > 0 && header.bitDepth() <= 8)
        colours = qint64(1) << header.bitDepth();
    const qint64 entryBytes = infoSize == 12 ? 3 : 4;
    const qint64 pixelOffset
        = std::min<qint64>(BmpFileHeaderSize + infoSize + masks + colours * entryBytes,
            BmpFileHeaderSize + dib.size());
    QByteArray bmp(BmpFileHeaderSize, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putU32le(bmp, 2, quint32(std::min<qint64>(BmpFileHeaderSize + dib.size(), 0xFFFFFFFF)));
    putU32le(bmp, 10, quint32(pixelOffset));
    return bmp + dib;
}

}

RasterPictureReader::Kind RasterPictureReader::kindOf(QByteArrayView bytes)
{
    const ByteReader reader(bytes);
    if (reader.matches(0, "\xFF\xD8\xFF"))
        return Kind::Jpeg;
    if (reader.matches(0, "GIF87a") || reader.matches(0, "GIF89a"))
        return Kind::Gif;
    if (reader.matches(0, "\x89PNG\r\n\x1a\n"))
        return Kind::Png;
    switch (PictureHeader::probe(bytes, PictureReader::allocationLimit(), bytes.size()).format()) {
    case PictureHeader::Format::Bmp:
        return Kind::Bmp;
    case PictureHeader::Format::Dib:
        return Kind::Dib;
    case PictureHeader::Format::Icon:
    case PictureHeader::Format::Cursor:
        return Kind::Icon;
    case PictureHeader::Format::Unknown:
        break;
    }
    return Kind::None;
}

bool RasterPictureReader::recognises(QByteArrayView bytes) const
{
    return kindOf(bytes) != Kind::None;
}

LoadedPicture RasterPictureReader::read(const QByteArray &bytes, ColourValue background) const
{
    const Kind kind = kindOf(bytes);
    switch (kind) {
    case Kind::Jpeg:
    case Kind::Gif:
    case Kind::Png:
        return readCompressed(bytes, kind, background);
    case Kind::Bmp:
    case Kind::Dib:
    case Kind::Icon:
        return readBitmapOrIcon(bytes, background);
    case Kind::None:
        break;
    }
    return refused(PictureReadReason::notAPicture());
}

LoadedPicture RasterPictureReader::readBitmapOrIcon(
    const QByteArray &bytes, ColourValue background) const
{
    const qint64 limit = PictureReader::allocationLimit();
    PictureHeader header = PictureHeader::probe(bytes, limit, bytes.size());
    QByteArray file = bytes;
    if (header.format() == PictureHeader::Format::Dib && header.fits()) {
        file = withFileHeader(bytes, header);
        header = PictureHeader::probe(file, limit, file.size());
    }
    const bool cutBitmap = header.format() == PictureHeader::Format::Bmp
        && header.verdict() == PictureHeader::Verdict::Truncated && header.width() > 0;
    if (!header.fits() && !cutBitmap)
        return refused(headerReason(header));
    if (!fitsCanvas(header.width(), header.height()))
        return refused(PictureReadReason::tooLarge(header.width(), header.height()));
    if (cutBitmap)
        return readCutBitmap(file, header, background);
    const bool icon = header.format() == PictureHeader::Format::Icon
        || header.format() == PictureHeader::Format::Cursor;
    const Decoded decoded = decode(file, icon ? "ico" : "bmp", icon ? header.imageIndex() : 0);
    if (decoded.image.isNull())
        return refused(PictureReadReason::damaged(QStringLiteral("无法解码图像数据")));
    return opened(decoded.image, background, Outcome::Whole);
}

// A bitmap whose pixel rows stop before the header's height: the missing
// rows are read as zeros (black, or the palette's first colour) rather than
// whatever memory the decoder left there, and the picture is incomplete.
LoadedPicture RasterPictureReader::readCutBitmap(
    const QByteArray &bytes, const PictureHeader &header, ColourValue background) const
{
    const qint64 pixelOffset = ByteReader(bytes).u32le(10).value_or(0);
    if (pixelOffset >= bytes.size())
        return refused(PictureReadReason::damaged(QStringLiteral("文件中没有像素数据")));
    const qint64 stride = (header.width() * header.bitDepth() + 31) / 32 * 4;
    QByteArray padded = bytes;
    padded.resize(pixelOffset + stride * header.height(), '\0');
    const Decoded decoded = decode(padded, "bmp");
    if (decoded.image.isNull())
        return refused(PictureReadReason::damaged(QStringLiteral("无法解码图像数据")));
    return opened(decoded.image, background, Outcome::Incomplete);
}

LoadedPicture RasterPictureReader::readCompressed(
    const QByteArray &bytes, Kind kind, ColourValue background) const
{
    Verdict verdict = Verdict::Whole;
    const char *format = nullptr;
    switch (kind) {
    case Kind::Jpeg:
        verdict = PictureCompleteness::ofJpeg(bytes);
        format = "jpeg";
        break;
    case Kind::Gif:
        verdict = PictureCompleteness::ofGif(bytes);
        format = "gif";
        break;
    default:
        verdict = PictureCompleteness::ofPng(bytes);
        format = "png";
        break;
    }
    if (verdict == Verdict::Damaged)
        return refused(PictureReadReason::damaged(QStringLiteral("图像数据有误，无法解码")));
    const Decoded decoded = decode(bytes, format);
    if (decoded.tooLarge)
        return refused(
            PictureReadReason::tooLarge(decoded.claimed.width(), qAbs(decoded.claimed.height())));
    if (decoded.image.isNull())
        return refused(PictureReadReason::damaged(verdict == Verdict::Cut
                ? QStringLiteral("文件不完整，读不出图像")
                : QStringLiteral("无法解码图像数据")));
    return opened(decoded.image, background,
        verdict == Verdict::Cut ? Outcome::Incomplete : Outcome::Whole,
        kind == Kind::Gif ? Alpha::Settle : Alpha::Trusted);
}

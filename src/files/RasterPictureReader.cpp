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
// header's size is checked before read() allocates anything. A `blank`
// image of the size and format the decoder makes is decoded into, so that
// pixels the file never sets (a run-length bitmap's skipped or missing
// ones, which Qt leaves as it found them) are zero, not stale memory.
Decoded decode(const QByteArray &bytes, const char *format, int imageIndex = 0, QImage blank = {})
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
    decoded.image = std::move(blank);
    if (!reader.read(&decoded.image))
        decoded.image = QImage();
    // Some headers give Qt no size before decoding (a GIF's screen can be
    // smaller than its first image); what was decoded must fit all the same.
    if (!decoded.image.isNull() && !fitsCanvas(decoded.image.width(), decoded.image.height())) {
        decoded.claimed = decoded.image.size();
        decoded.image = QImage();
        decoded.tooLarge = true;
    }
    return decoded;
}

enum class Alpha { Trusted, Settle };

// Why a decode gave no picture.
LoadedPicture notDecoded(const Decoded &decoded)
{
    if (decoded.tooLarge)
        return refused(
            PictureReadReason::tooLarge(decoded.claimed.width(), qAbs(decoded.claimed.height())));
    return refused(PictureReadReason::damaged(QStringLiteral("无法解码图像数据")));
}

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

// Where a bitmap's pixels begin at the earliest, counted from the start of
// its bitmap header: after that header, the three or four colour masks of a
// 40-byte header and the palette (entries beyond the bit depth's colours
// are not counted, whatever the header claims).
qint64 pixelStartAfterHeaders(QByteArrayView info, const PictureHeader &header)
{
    const ByteReader reader(info);
    const quint32 infoSize = header.infoHeaderSize();
    qint64 masks = 0;
    if (infoSize == 40 && header.compression() == PictureHeader::BitFields)
        masks = 12;
    else if (infoSize == 40 && header.compression() == PictureHeader::AlphaBitFields)
        masks = 16;
    qint64 colours = infoSize >= 36 ? reader.u32le(32).value_or(0) : 0;
    const int bits = header.bitDepth();
    if (bits > 0 && bits <= 8 && (colours == 0 || colours > (qint64(1) << bits)))
        colours = qint64(1) << bits;
    const qint64 entryBytes = infoSize == 12 ? 3 : 4;
    return infoSize + masks + std::min<qint64>(colours, 256) * entryBytes;
}

// A bare bitmap (the clipboard's DIB) with the file header Qt's BMP reader
// expects in front.
QByteArray withFileHeader(const QByteArray &dib, const PictureHeader &header)
{
    const qint64 pixelOffset = std::min<qint64>(
        BmpFileHeaderSize + pixelStartAfterHeaders(dib, header), BmpFileHeaderSize + dib.size());
    QByteArray bmp(BmpFileHeaderSize, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    putU32le(bmp, 2, quint32(std::min<qint64>(BmpFileHeaderSize + dib.size(), 0xFFFFFFFF)));
    putU32le(bmp, 10, quint32(pixelOffset));
    return bmp + dib;
}

// An icon whose chosen bitmap entry claims more palette entries than its
// depth has: Qt's icon reader then leaves colours unset and the picture
// shows stale memory. The claim is dropped, so the depth decides.
QByteArray withSaneColourCount(const QByteArray &icon, const PictureHeader &header)
{
    constexpr qint64 DirectoryEntryOffset = 6 + 12, EntrySize = 16, ColoursUsed = 32;
    const ByteReader reader(icon);
    const qint64 entry
        = reader.u32le(DirectoryEntryOffset + EntrySize * header.imageIndex()).value_or(0);
    const auto infoSize = reader.u32le(entry);
    const auto bits = reader.u16le(entry + 14);
    const auto colours = reader.u32le(entry + ColoursUsed);
    if (!infoSize || *infoSize < ColoursUsed + 4 || !bits || *bits > 8 || !colours
        || *colours <= (1u << *bits))
        return icon;
    QByteArray sane = icon;
    putU32le(sane, entry + ColoursUsed, 0);
    return sane;
}

// The image Qt's BMP reader makes for this depth, zeroed.
QImage blankBitmap(const PictureHeader &header)
{
    const int bits = header.bitDepth();
    const QImage::Format format = bits == 1 ? QImage::Format_Mono
        : bits <= 8                         ? QImage::Format_Indexed8
                                            : QImage::Format_RGB32;
    QImage blank(int(header.width()), int(header.height()), format);
    if (!blank.isNull())
        blank.fill(0);
    return blank;
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
    const bool icon = header.format() == PictureHeader::Format::Icon
        || header.format() == PictureHeader::Format::Cursor;
    if (!icon)
        return readBitmap(file, header, background);
    const Decoded decoded = decode(withSaneColourCount(file, header), "ico", header.imageIndex());
    if (decoded.image.isNull())
        return notDecoded(decoded);
    return opened(decoded.image, background, Outcome::Whole);
}

// Qt's BMP reader leaves alone the pixels a file never sets: those past the
// end of a cut file, those a run-length bitmap skips, those of a file whose
// pixel offset points into its own headers. So the offset is moved past the
// headers, the missing rows of a cut file are added as zeros, and a
// run-length picture is decoded into a zeroed image: the unset pixels are
// black (or the palette's first colour), never stale memory, and a cut file
// is incomplete.
LoadedPicture RasterPictureReader::readBitmap(
    const QByteArray &bytes, const PictureHeader &header, ColourValue background) const
{
    QByteArray file = bytes;
    const qint64 earliest = BmpFileHeaderSize
        + pixelStartAfterHeaders(QByteArrayView(bytes).sliced(BmpFileHeaderSize), header);
    qint64 pixelOffset = ByteReader(file).u32le(10).value_or(0);
    if (pixelOffset < earliest) {
        pixelOffset = earliest;
        putU32le(file, 10, quint32(pixelOffset));
    }
    if (pixelOffset >= file.size())
        return refused(PictureReadReason::damaged(QStringLiteral("文件中没有像素数据")));
    bool cut = false;
    const bool runLength = header.compression() == PictureHeader::Rle8
        || header.compression() == PictureHeader::Rle4;
    if (runLength) {
        cut = PictureCompleteness::ofBmpRle(QByteArrayView(file).sliced(pixelOffset),
                  header.height(), header.compression() == PictureHeader::Rle4)
            == Verdict::Cut;
    } else {
        const qint64 stride = (header.width() * header.bitDepth() + 31) / 32 * 4;
        const qint64 end = pixelOffset + stride * header.height();
        cut = file.size() < end;
        if (cut)
            file.resize(end, '\0');
    }
    // With its offset past the headers and every row present, a plain bitmap
    // sets every pixel; only a run-length one needs the zeroed image.
    QImage blank;
    if (runLength) {
        blank = blankBitmap(header);
        if (blank.isNull())
            return refused(PictureReadReason::tooLarge(header.width(), header.height()));
    }
    const Decoded decoded = decode(file, "bmp", 0, std::move(blank));
    if (decoded.image.isNull())
        return notDecoded(decoded);
    return opened(decoded.image, background, cut ? Outcome::Incomplete : Outcome::Whole);
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

#include "files/PictureHeader.h"

#include "files/ByteReader.h"

#include <algorithm>
#include <limits>

namespace {

using Format = PictureHeader::Format;
using Verdict = PictureHeader::Verdict;

constexpr qint64 FileHeaderSize = 14;
constexpr qint64 DirectoryHeaderSize = 6;
constexpr qint64 DirectoryEntrySize = 16;
constexpr qint64 Saturated = std::numeric_limits<qint64>::max();
constexpr char PngSignature[] = "\x89PNG\r\n\x1a\n";

// Windows bitmap headers: 3.x, the two NT extensions, V4 and V5.
bool isWindowsInfoSize(quint32 size)
{
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

// OS/2 1.x has 12 bytes; OS/2 2.x writes 16 to 64, leaving out trailing fields.
bool isInfoSize(quint32 size)
{
    return size == 12 || (size >= 16 && size <= 64) || isWindowsInfoSize(size);
}

bool isBitDepth(int bits)
{
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

qint64 product(qint64 a, qint64 b)
{
    qint64 result = 0;
    return qMulOverflow(a, b, &result) ? Saturated : result;
}

qint64 decodedBytes(qint64 width, qint64 height)
{
    return product(product(width, height), PictureHeader::DecodedBytesPerPixel);
}

// One image's header as read: a bitmap header or a PNG's IHDR.
struct Image
{
    Verdict verdict = Verdict::Truncated;
    qint64 width = 0;
    qint64 height = 0;
    bool topDown = false;
    int bitDepth = 0;
    quint32 infoSize = 0;
    quint32 compression = 0;

    qint64 pixels() const { return product(width, height); }
};

Verdict checkBitmap(const Image &image)
{
    if (image.width <= 0 || image.height <= 0)
        return Verdict::Malformed;
    const bool windows = isWindowsInfoSize(image.infoSize);
    // OS/2 2.x numbers its compressions up to 4 (RLE24).
    const quint32 highest = windows ? quint32(PictureHeader::AlphaBitFields) : 4;
    if (image.compression > highest)
        return Verdict::Unsupported;
    if (windows
        && (image.compression == PictureHeader::Jpeg || image.compression == PictureHeader::Png))
        return image.topDown ? Verdict::Malformed : Verdict::Fits;
    if (!isBitDepth(image.bitDepth))
        return Verdict::Unsupported;
    if (!windows)
        return Verdict::Fits;
    switch (image.compression) {
    case PictureHeader::Rle8:
        return image.bitDepth == 8 && !image.topDown ? Verdict::Fits : Verdict::Malformed;
    case PictureHeader::Rle4:
        return image.bitDepth == 4 && !image.topDown ? Verdict::Fits : Verdict::Malformed;
    case PictureHeader::BitFields:
    case PictureHeader::AlphaBitFields:
        return image.bitDepth == 16 || image.bitDepth == 32 ? Verdict::Fits : Verdict::Malformed;
    default:
        return Verdict::Fits;
    }
}

// The bitmap header at `at`: BITMAPCOREHEADER (12 bytes, 16-bit sizes) or a
// longer one (32-bit signed sizes, a negative height meaning top-down).
Image readInfoHeader(const ByteReader &bytes, qint64 at)
{
    Image image;
    const auto size = bytes.u32le(at);
    if (!size)
        return image;
    image.infoSize = *size;
    if (!isInfoSize(*size)) {
        image.verdict = Verdict::Malformed;
        return image;
    }
    if (*size == 12) {
        const auto width = bytes.u16le(at + 4), height = bytes.u16le(at + 6);
        const auto bits = bytes.u16le(at + 10);
        if (!width || !height || !bits)
            return image;
        image.width = *width;
        image.height = *height;
        image.bitDepth = *bits;
    } else {
        const auto width = bytes.i32le(at + 4), height = bytes.i32le(at + 8);
        const auto bits = bytes.u16le(at + 14);
        const auto compression = *size >= 20 ? bytes.u32le(at + 16) : std::optional<quint32>(0);
        if (!width || !height || !bits || !compression)
            return image;
        image.width = *width;
        image.height = *height;
        image.topDown = image.height < 0;
        image.height = image.topDown ? -image.height : image.height;
        image.bitDepth = *bits;
        image.compression = *compression;
    }
    image.verdict = checkBitmap(image);
    return image;
}

int pngChannels(quint8 colourType)
{
    switch (colourType) {
    case 0:
    case 3:
        return 1;
    case 2:
        return 3;
    case 4:
        return 2;
    case 6:
        return 4;
    default:
        return 0;
    }
}

// A PNG image inside an icon: its IHDR chunk follows the signature.
Image readPng(const ByteReader &bytes)
{
    Image image;
    const auto width = bytes.u32be(16), height = bytes.u32be(20);
    const auto depth = bytes.u8(24), colourType = bytes.u8(25);
    if (!width || !height || !depth || !colourType)
        return image;
    image.verdict = Verdict::Malformed;
    if (!bytes.matches(12, "IHDR") || *width == 0 || *height == 0
        || *width > quint32(std::numeric_limits<qint32>::max())
        || *height > quint32(std::numeric_limits<qint32>::max()))
        return image;
    const int channels = pngChannels(*colourType);
    if (channels == 0)
        return image;
    image.width = *width;
    image.height = *height;
    image.bitDepth = *depth * channels;
    image.compression = PictureHeader::Png;
    image.verdict = Verdict::Fits;
    return image;
}

}

// Reads one format's headers into a PictureHeader; the class is the header's
// friend so that the result stays read-only for everyone else.
class PictureHeaderParser
{
public:
    PictureHeaderParser(QByteArrayView bytes, qint64 allocationLimit, qint64 fileSize)
        : m_bytes(bytes)
        , m_reader(bytes)
        , m_limit(allocationLimit)
        , m_fileSize(fileSize)
    { }

    PictureHeader parse()
    {
        identify();
        switch (m_header.m_format) {
        case Format::Bmp:
            readBmp();
            break;
        case Format::Dib:
            take(readInfoHeader(m_reader, 0));
            break;
        case Format::Icon:
        case Format::Cursor:
            readDirectory();
            break;
        case Format::Unknown:
            break;
        }
        refuseTooLarge();
        return m_header;
    }

    void refuseTooLarge()
    {
        if (m_header.m_verdict == Verdict::Fits && m_header.m_decodedBytes > m_limit)
            m_header.m_verdict = Verdict::TooLarge;
    }

private:
    void identify()
    {
        m_header.m_verdict = m_reader.size() < 4 ? Verdict::Truncated : Verdict::NotAPicture;
        if (m_reader.matches(0, "BM")) {
            m_header.m_format = Format::Bmp;
            return;
        }
        const auto reserved = m_reader.u16le(0), type = m_reader.u16le(2);
        if (reserved == 0 && (type == 1 || type == 2)) {
            m_header.m_format = type == 1 ? Format::Icon : Format::Cursor;
            return;
        }
        if (looksLikeDib())
            m_header.m_format = Format::Dib;
    }

    // A bare bitmap header has no signature: a known header size and one
    // colour plane must do.
    bool looksLikeDib() const
    {
        const auto size = m_reader.u32le(0);
        if (!size || !isInfoSize(*size))
            return false;
        const auto planes = m_reader.u16le(*size == 12 ? 8 : 12);
        return !planes || *planes == 1;
    }

    void take(const Image &image)
    {
        // Sizes that are no sizes (zero, negative) are not reported.
        const bool sized
            = image.verdict != Verdict::Malformed && image.verdict != Verdict::Truncated;
        m_header.m_verdict = image.verdict;
        m_header.m_width = sized ? image.width : 0;
        m_header.m_height = sized ? image.height : 0;
        m_header.m_topDown = image.topDown;
        m_header.m_bitDepth = image.bitDepth;
        m_header.m_infoSize = image.infoSize;
        m_header.m_compression = image.compression;
        m_header.m_imageCount = 1;
        m_header.m_decodedBytes
            = image.verdict == Verdict::Fits ? decodedBytes(image.width, image.height) : 0;
    }

    void readBmp()
    {
        const auto pixelOffset = m_reader.u32le(10);
        if (!pixelOffset) {
            m_header.m_verdict = Verdict::Truncated;
            return;
        }
        const Image image = readInfoHeader(m_reader, FileHeaderSize);
        take(image);
        // A huge claim is the better reason to give than the missing pixels.
        refuseTooLarge();
        if (m_header.m_verdict == Verdict::Fits && !pixelsInFile(image, *pixelOffset))
            m_header.m_verdict = Verdict::Truncated;
    }

    // Uncompressed rows are padded to 32 bits; a file that is known to end
    // before its last row cannot be read whole.
    bool pixelsInFile(const Image &image, quint32 pixelOffset) const
    {
        const bool plain = image.compression == PictureHeader::Rgb
            || image.compression == PictureHeader::BitFields
            || image.compression == PictureHeader::AlphaBitFields;
        if (m_fileSize < 0 || !plain)
            return true;
        const qint64 stride = (image.width * image.bitDepth + 31) / 32 * 4;
        const qint64 pixelBytes = product(stride, image.height);
        return pixelBytes <= m_fileSize && qint64(pixelOffset) <= m_fileSize - pixelBytes;
    }

    void readDirectory()
    {
        const auto count = m_reader.u16le(4);
        if (!count) {
            m_header.m_verdict = Verdict::Truncated;
            return;
        }
        m_header.m_imageCount = *count;
        const qint64 directoryEnd = DirectoryHeaderSize + DirectoryEntrySize * *count;
        if (*count == 0) {
            m_header.m_verdict = Verdict::Malformed;
            return;
        }
        if (!m_reader.has(0, directoryEnd)) {
            m_header.m_verdict = Verdict::Truncated;
            return;
        }
        Image best;
        int bestIndex = 0;
        int usable = 0;
        for (int k = 0; k < *count; ++k) {
            const Image entry
                = readEntry(DirectoryHeaderSize + DirectoryEntrySize * k, directoryEnd);
            if (entry.verdict != Verdict::Fits)
                continue;
            ++usable;
            if (usable == 1 || entry.pixels() > best.pixels()
                || (entry.pixels() == best.pixels() && entry.bitDepth > best.bitDepth)) {
                best = entry;
                bestIndex = k;
            }
        }
        const int imageCount = *count;
        take(best);
        m_header.m_imageCount = imageCount;
        m_header.m_imageIndex = bestIndex;
        m_header.m_unusableImages = imageCount - usable;
        if (usable == 0)
            m_header.m_verdict = Verdict::Malformed;
    }

    // One directory entry. The image's own header wins over the directory's
    // byte-sized width and height (0 meaning 256) when it lies in the bytes
    // given; an entry pointing into the directory or past the end of the
    // file, or whose image header is bad, is unusable.
    Image readEntry(qint64 at, qint64 directoryEnd) const
    {
        Image fromDirectory;
        fromDirectory.width = m_reader.u8(at).value_or(0);
        fromDirectory.height = m_reader.u8(at + 1).value_or(0);
        fromDirectory.width = fromDirectory.width == 0 ? 256 : fromDirectory.width;
        fromDirectory.height = fromDirectory.height == 0 ? 256 : fromDirectory.height;
        if (m_header.m_format == Format::Icon)
            fromDirectory.bitDepth = m_reader.u16le(at + 6).value_or(0);
        fromDirectory.verdict = Verdict::Fits;
        const qint64 length = m_reader.u32le(at + 8).value_or(0);
        const qint64 offset = m_reader.u32le(at + 12).value_or(0);

        Image unusable;
        unusable.verdict = Verdict::Malformed;
        if (length == 0 || offset < directoryEnd)
            return unusable;
        if (m_fileSize >= 0 && offset + length > m_fileSize)
            return unusable;
        // The image's bytes, as far as they were given.
        const bool whole = offset + length <= m_reader.size();
        const qint64 available = whole ? length : std::max<qint64>(0, m_reader.size() - offset);
        const ByteReader image(
            offset < m_reader.size() ? m_bytes.sliced(offset, available) : QByteArrayView());
        Image found = image.matches(0, PngSignature) ? readPng(image) : readInfoHeader(image, 0);
        if (found.verdict == Verdict::Truncated)
            return whole ? unusable : fromDirectory;
        if (found.verdict != Verdict::Fits)
            return unusable;
        // A bitmap entry's height counts the colour rows and the mask rows.
        if (found.compression != PictureHeader::Png) {
            found.height /= 2;
            if (found.height == 0)
                return unusable;
        }
        return found;
    }

    QByteArrayView m_bytes;
    ByteReader m_reader;
    qint64 m_limit;
    qint64 m_fileSize;
    PictureHeader m_header;
};

PictureHeader PictureHeader::probe(QByteArrayView bytes, qint64 allocationLimit, qint64 fileSize)
{
    return PictureHeaderParser(bytes, allocationLimit, fileSize).parse();
}

#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// What the first bytes of a BMP, DIB, ICO or CUR file claim, read before any
// pixel is decoded: the format, the size, bit depth and number of images, and
// whether the decoded picture would fit in the memory the caller allows. The
// Open command asks this first, so a file whose header claims a huge picture
// is refused before a decoder allocates for it. Every read is bounds-checked
// and all size arithmetic is 64-bit, so no header can make the probe read
// outside the bytes or overflow.
class PictureHeader
{
public:
    enum class Format {
        Unknown,
        Bmp, // "BM", a file header, then the bitmap header
        Dib, // a bitmap header with no file header (the clipboard's form)
        Icon, // an icon directory (type 1)
        Cursor, // the same directory with hot spots (type 2)
    };

    enum class Verdict {
        Fits, // the decoded picture fits within the allocation limit
        TooLarge, // it claims more pixels than the limit allows
        Truncated, // the bytes end inside a header, a directory or the pixels
        Malformed, // a field no such file has: no size, no images, a bad header size
        Unsupported, // a bit depth or compression the format does not define
        NotAPicture, // none of these formats
    };

    // Decoded pictures are 32 bits a pixel.
    static constexpr qint64 DecodedBytesPerPixel = 4;

    // `bytes` are the first bytes of the file (the whole file is best: icon
    // entries point anywhere in it); `fileSize` is the file's length when
    // known, -1 when not. `allocationLimit` bounds the decoded pixels in bytes.
    static PictureHeader probe(QByteArrayView bytes, qint64 allocationLimit, qint64 fileSize = -1);

    Format format() const { return m_format; }
    Verdict verdict() const { return m_verdict; }
    bool fits() const { return m_verdict == Verdict::Fits; }

    // The picture's size in pixels (for an icon, its largest usable image).
    qint64 width() const { return m_width; }
    qint64 height() const { return m_height; }
    // A bitmap stored top row first (a negative height in its header).
    bool topDown() const { return m_topDown; }
    // Bits a pixel; 0 when the file does not say (a compressed bitmap or a
    // cursor entry whose image lies beyond the bytes given).
    int bitDepth() const { return m_bitDepth; }
    // Images in the file: the directory's count for icons, 1 for bitmaps.
    int imageCount() const { return m_imageCount; }
    // Which of them width() and height() describe: the directory index of an
    // icon's largest usable image, 0 for a bitmap.
    int imageIndex() const { return m_imageIndex; }
    // Icon entries whose image lies outside the file or has a bad header;
    // a reader skips them.
    int unusableImages() const { return m_unusableImages; }
    // The bitmap header's size (12 for OS/2 1.x, 40 for Windows 3, 124 for V5).
    quint32 infoHeaderSize() const { return m_infoSize; }
    quint32 compression() const { return m_compression; }
    // Bytes of the decoded picture, saturated at the largest qint64.
    qint64 decodedBytes() const { return m_decodedBytes; }

    // Bitmap compression codes.
    enum Compression : quint32 {
        Rgb = 0,
        Rle8 = 1,
        Rle4 = 2,
        BitFields = 3,
        Jpeg = 4,
        Png = 5,
        AlphaBitFields = 6
    };

private:
    friend class PictureHeaderParser;

    Format m_format = Format::Unknown;
    Verdict m_verdict = Verdict::NotAPicture;
    qint64 m_width = 0;
    qint64 m_height = 0;
    bool m_topDown = false;
    int m_bitDepth = 0;
    int m_imageCount = 0;
    int m_imageIndex = 0;
    int m_unusableImages = 0;
    quint32 m_infoSize = 0;
    quint32 m_compression = 0;
    qint64 m_decodedBytes = 0;
};

#include "files/PictureWriter.h"

#include "files/BmpRowPacker.h"
#include "files/SafeFileWriter.h"

#include <QtEndian>

#include <limits>

namespace PictureWriter {

namespace {

constexpr qint64 FileHeaderBytes = 14;
constexpr qint64 InfoHeaderBytes = 40;
constexpr qint64 PixelOffset = FileHeaderBytes + InfoHeaderBytes;
// 96 dots an inch, the screen's resolution, in dots a metre.
constexpr quint32 DotsPerMetre = 3780;

void putU16(uchar *at, quint16 value)
{
    qToLittleEndian(value, at);
}

void putU32(uchar *at, quint32 value)
{
    qToLittleEndian(value, at);
}

void writeHeaders(uchar *at, qint64 fileBytes, qint64 pixelBytes, int width, int height)
{
    at[0] = 'B';
    at[1] = 'M';
    putU32(at + 2, quint32(fileBytes));
    putU32(at + 6, 0); // two reserved words
    putU32(at + 10, quint32(PixelOffset));
    uchar *info = at + FileHeaderBytes;
    putU32(info, quint32(InfoHeaderBytes));
    putU32(info + 4, quint32(width));
    putU32(info + 8, quint32(height)); // positive: the bottom row comes first
    putU16(info + 12, 1); // planes
    putU16(info + 14, 24);
    putU32(info + 16, 0); // no compression
    putU32(info + 20, quint32(pixelBytes));
    putU32(info + 24, DotsPerMetre);
    putU32(info + 28, DotsPerMetre);
    putU32(info + 32, 0); // no palette
    putU32(info + 36, 0);
}

}

QByteArray encodeBmp(const QImage &image)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.format() == QImage::Format_RGB32
        ? image
        : image.convertToFormat(QImage::Format_RGB32);
    const int width = rgb.width();
    const int height = rgb.height();
    const qint64 rowBytes = (qint64(width) * 3 + 3) & ~qint64(3);
    const qint64 pixelBytes = rowBytes * height; // below 2^31 * 2^33: no overflow
    const qint64 fileBytes = PixelOffset + pixelBytes;
    if (fileBytes > std::numeric_limits<quint32>::max())
        return {};

    QByteArray file(qsizetype(fileBytes), Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(file.data());
    writeHeaders(out, fileBytes, pixelBytes, width, height);

    const auto pack = BmpRowPacker::best();
    const qint64 packedBytes = qint64(width) * 3;
    uchar *row = out + PixelOffset;
    for (int y = height - 1; y >= 0; --y, row += rowBytes) {
        pack(reinterpret_cast<const quint32 *>(rgb.constScanLine(y)), width, row);
        for (qint64 pad = packedBytes; pad < rowBytes; ++pad)
            row[pad] = 0;
    }
    return file;
}

WriteOutcome writeBmpFile(const QString &path, const QImage &image)
{
    if (image.isNull())
        return WriteOutcome::failure(QStringLiteral("没有可写的图像。"));
    const QByteArray bytes = encodeBmp(image);
    if (bytes.isEmpty())
        return WriteOutcome::failure(QStringLiteral("图像太大：BMP 文件不能超过 4 GiB。"));
    return SafeFileWriter::write(path, bytes);
}

}

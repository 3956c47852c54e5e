// The picture-header probe on any bytes: it must never read outside them
// (the sanitizers watch that), and what it reports must hang together.
#include "FuzzCheck.h"

#include "files/PictureHeader.h"

#include <QtNumeric>

#include <cstddef>
#include <cstdint>

namespace {

constexpr qint64 Limit = qint64(1) << 30;

// Width x height x 4 computed apart from the probe; -1 when it overflows.
qint64 decodedBytes(qint64 width, qint64 height)
{
    qint64 pixels = 0, bytes = 0;
    if (qMulOverflow(width, height, &pixels)
        || qMulOverflow(pixels, PictureHeader::DecodedBytesPerPixel, &bytes))
        return -1;
    return bytes;
}

void checkConsistent(const PictureHeader &header, qint64 limit)
{
    FUZZ_CHECK(header.width() >= 0 && header.height() >= 0);
    FUZZ_CHECK(header.unusableImages() >= 0 && header.unusableImages() <= header.imageCount());
    switch (header.verdict()) {
    case PictureHeader::Verdict::Fits:
        FUZZ_CHECK(header.format() != PictureHeader::Format::Unknown);
        FUZZ_CHECK(header.width() > 0 && header.height() > 0);
        FUZZ_CHECK(header.width() <= (qint64(1) << 31) && header.height() <= (qint64(1) << 31));
        FUZZ_CHECK(header.decodedBytes() <= limit);
        FUZZ_CHECK(decodedBytes(header.width(), header.height()) == header.decodedBytes());
        FUZZ_CHECK(header.imageCount() >= 1);
        FUZZ_CHECK(header.unusableImages() < header.imageCount());
        break;
    case PictureHeader::Verdict::TooLarge:
        FUZZ_CHECK(header.decodedBytes() > limit);
        break;
    case PictureHeader::Verdict::NotAPicture:
        FUZZ_CHECK(header.format() == PictureHeader::Format::Unknown);
        break;
    default:
        break;
    }
}

bool same(const PictureHeader &a, const PictureHeader &b)
{
    return a.format() == b.format() && a.verdict() == b.verdict() && a.width() == b.width()
        && a.height() == b.height() && a.topDown() == b.topDown() && a.bitDepth() == b.bitDepth()
        && a.imageCount() == b.imageCount() && a.unusableImages() == b.unusableImages()
        && a.decodedBytes() == b.decodedBytes();
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const PictureHeader whole = PictureHeader::probe(bytes, Limit, qint64(size));
    checkConsistent(whole, Limit);
    FUZZ_CHECK(same(whole, PictureHeader::probe(bytes, Limit, qint64(size))));

    // The file's length unknown, and a tight limit: the format is told from
    // the same bytes either way.
    const PictureHeader unknownLength = PictureHeader::probe(bytes, Limit);
    checkConsistent(unknownLength, Limit);
    FUZZ_CHECK(unknownLength.format() == whole.format());
    const PictureHeader tight = PictureHeader::probe(bytes, 4096, qint64(size));
    checkConsistent(tight, 4096);
    FUZZ_CHECK(tight.format() == whole.format());
    return 0;
}

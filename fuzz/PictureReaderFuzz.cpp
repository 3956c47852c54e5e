// The picture reader on any bytes: it must never crash, read outside them or
// allocate beyond its limit (the sanitizers watch that), and what it hands
// the canvas must be a sound picture: opaque RGB32 within the canvas's size,
// the same every time, and a reason whenever it is not whole.
#include "FuzzCheck.h"

#include "files/PictureReader.h"
#include "raster/PictureSurface.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {

using Outcome = LoadedPicture::Outcome;

constexpr ColourValue Background = Colour::fromRgb(1, 2, 3);

// Qt's image plugins need an application object.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "PictureReaderFuzz";
    static char *argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

bool opaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] >> 24) != 0xFF)
                return false;
        }
    }
    return true;
}

void checkSound(const LoadedPicture &picture)
{
    FUZZ_CHECK(picture.outcome != Outcome::NotFound);
    FUZZ_CHECK(picture.reason.isEmpty() == (picture.outcome == Outcome::Whole));
    if (!picture.opened()) {
        FUZZ_CHECK(picture.image.isNull());
        return;
    }
    const QImage &image = picture.image;
    FUZZ_CHECK(image.format() == QImage::Format_RGB32);
    FUZZ_CHECK(image.width() > 0 && image.height() > 0);
    FUZZ_CHECK(
        image.width() <= PictureSurface::MaxSide && image.height() <= PictureSurface::MaxSide);
    FUZZ_CHECK(qint64(image.width()) * image.height() <= PictureSurface::MaxPixels);
    FUZZ_CHECK(opaque(image));
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LoadedPicture picture = PictureReader::readBytes(bytes, Background);
    checkSound(picture);
    const LoadedPicture again = PictureReader::readBytes(bytes, Background);
    FUZZ_CHECK(again.outcome == picture.outcome && again.reason == picture.reason);
    FUZZ_CHECK(again.image == picture.image);
    return 0;
}

// The metafile player on any bytes: it must never crash, read outside them,
// loop for ever or allocate beyond its limit (the sanitizers watch that),
// and its answer must be sound: a picture within the limit exactly when it
// opened, a reason whenever it is not whole, the same answer every time.
#include "FuzzCheck.h"

#include "files/MetafilePlayer.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

namespace {

using Outcome = MetafilePlayer::Playback::Outcome;

// Small enough that a header claiming a large frame costs little per input.
constexpr qint64 PixelLimit = qint64(1) << 20;

// Text needs fonts, and fonts an application object.
void ensureApplication()
{
    static int argc = 1;
    static char name[] = "MetafilePlayerFuzz";
    static char *argv[] = { name, nullptr };
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static QGuiApplication app(argc, argv);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ensureApplication();
    const QByteArrayView bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto playback = MetafilePlayer::play(bytes, 0x808080, PixelLimit);
    FUZZ_CHECK(playback.reason.isEmpty() == (playback.outcome == Outcome::Whole));
    FUZZ_CHECK(playback.image.isNull() == (playback.outcome == Outcome::Refused));
    if (!playback.image.isNull()) {
        FUZZ_CHECK(playback.image.format() == QImage::Format_RGB32);
        FUZZ_CHECK(qint64(playback.image.width()) * playback.image.height() <= PixelLimit);
    }
    const auto again = MetafilePlayer::play(bytes, 0x808080, PixelLimit);
    FUZZ_CHECK(again.outcome == playback.outcome && again.image == playback.image);
    return 0;
}

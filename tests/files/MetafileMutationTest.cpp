// The player on about ten thousand damaged metafiles made from the corpus by
// fixed rules: every small file cut at each of its record boundaries, bytes
// flipped, record sizes patched to absurd values. Each must play to a sound
// answer (a picture within the limit, a reason unless whole) and return: a
// crash, a hang or a read out of bounds shows up here, and under the
// sanitizers in the lead's tree.
#include "files/MetafilePlayer.h"
#include "files/MetafileRecordWalker.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <random>

namespace {

using Outcome = MetafilePlayer::Playback::Outcome;
using Format = MetafileRecordWalker::Format;

// Files larger than this take too long to play ten thousand times under the
// sanitizers; the small ones hold every kind of record the large ones do.
constexpr qint64 LargestSeed = 20 * 1024;
constexpr int FlipsPerSeed = 220;
constexpr int PatchesPerSeed = 110;
constexpr qint64 PixelLimit = qint64(1) << 20;

QList<QByteArray> seeds()
{
    QList<QByteArray> files;
    for (const char *folder : { "metafile", "broken" }) {
        const QDir dir(QStringLiteral(TESSARA_CORPUS_DIR "/%1").arg(QLatin1String(folder)));
        for (const QFileInfo &info :
            dir.entryInfoList({ QStringLiteral("*.wmf"), QStringLiteral("*.emf") }, QDir::Files)) {
            QFile file(info.filePath());
            if (info.size() <= LargestSeed && file.open(QIODevice::ReadOnly))
                files << file.readAll();
        }
    }
    return files;
}

// Where each record of the file starts (and where the file's records end).
std::vector<qint64> recordStarts(const QByteArray &bytes)
{
    qint64 start = 0;
    Format format = Format::Emf;
    if (MetafilePlayer::kindOf(bytes) == MetafilePlayer::Kind::Wmf) {
        format = Format::Wmf;
        start = (quint8(bytes[0]) == 0xD7 ? 22 : 0) + 18;
    }
    MetafileRecordWalker walker(bytes, start, format);
    std::vector<qint64> starts { start };
    MetafileRecord record;
    while (walker.next(record) == MetafileRecordWalker::Step::Record)
        starts.push_back(walker.offset());
    return starts;
}

void expectSound(const QByteArray &bytes, const char *what, qint64 detail)
{
    const auto playback = MetafilePlayer::play(bytes, 0x123456, PixelLimit);
    SCOPED_TRACE(std::string(what) + " " + std::to_string(detail));
    ASSERT_EQ(playback.reason.isEmpty(), playback.outcome == Outcome::Whole);
    if (playback.outcome == Outcome::Refused) {
        ASSERT_TRUE(playback.image.isNull());
        return;
    }
    ASSERT_EQ(playback.image.format(), QImage::Format_RGB32);
    ASSERT_GT(playback.image.width(), 0);
    ASSERT_LE(qint64(playback.image.width()) * playback.image.height(), PixelLimit);
}

void putU32(QByteArray &bytes, qint64 at, quint32 value)
{
    for (int k = 0; k < 4 && at + k < bytes.size(); ++k)
        bytes[at + k] = char((value >> (8 * k)) & 0xFF);
}

}

TEST(MetafileMutations, DamagedCopiesOfTheCorpusAlwaysPlayToASoundAnswer)
{
    const QList<QByteArray> files = seeds();
    if (files.isEmpty())
        GTEST_SKIP() << "no corpus at " TESSARA_CORPUS_DIR;
    std::mt19937 random(20261208);
    qint64 inputs = 0;
    for (const QByteArray &seed : files) {
        const std::vector<qint64> starts = recordStarts(seed);
        for (qint64 cut : starts) {
            expectSound(seed.left(cut), "cut at", cut);
            ++inputs;
        }
        for (int k = 0; k < FlipsPerSeed; ++k) {
            QByteArray bytes = seed;
            const int flips = 1 + int(random() % 4);
            for (int f = 0; f < flips; ++f)
                bytes[random() % bytes.size()] = char(random() & 0xFF);
            expectSound(bytes, "flip", k);
            ++inputs;
        }
        // A record's size (EMF: bytes at +4; WMF: words at +0) patched.
        const bool wmf = MetafilePlayer::kindOf(seed) == MetafilePlayer::Kind::Wmf;
        const quint32 sizes[] = { 0, 1, 2, 3, 4, 8, 0x7FFFFFF0, 0x3FFFFFF0, 0xFFFFFFFF, 0x10000 };
        for (int k = 0; k < PatchesPerSeed && starts.size() > 1; ++k) {
            QByteArray bytes = seed;
            const qint64 at = starts[random() % (starts.size() - 1)] + (wmf ? 0 : 4);
            putU32(bytes, at, k % 3 == 0 ? quint32(random()) : sizes[random() % std::size(sizes)]);
            expectSound(bytes, "size at", at);
            ++inputs;
        }
    }
    EXPECT_GE(inputs, 10000);
}

// Playing every metafile of the shared corpus into its picture
// (BM_PlayMetafile/<file>), against Qt loading the drawing's reference PNG
// (BM_QtLoadPng/<drawing>) in the same run. Nothing is registered when the
// corpus is absent.
#include "files/MetafilePlayer.h"
#include "raster/PictureSurface.h"

#include <QDir>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

QDir corpus()
{
    return QDir(QStringLiteral(TESSARA_CORPUS_DIR "/metafile"));
}

void playMetafile(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state) {
        const auto playback = MetafilePlayer::play(bytes, 0xFFFFFF, PictureSurface::MaxPixels);
        if (playback.outcome != MetafilePlayer::Playback::Outcome::Whole)
            state.SkipWithError("the metafile did not play whole");
        benchmark::DoNotOptimize(playback.image.constBits());
    }
}

void loadPng(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        QImage image;
        if (!image.load(path))
            state.SkipWithError("Qt did not load the picture");
        benchmark::DoNotOptimize(image.constBits());
    }
}

const bool registered = [] {
    const QDir dir = corpus();
    for (const QString &name : dir.entryList({ QStringLiteral("*.png") }, QDir::Files)) {
        const QString path = dir.filePath(name);
        const std::string drawing = name.section(QLatin1Char('.'), 0, 0).toStdString();
        benchmark::RegisterBenchmark(("BM_QtLoadPng/" + drawing).c_str(),
            [path](benchmark::State &state) { loadPng(state, path); })
            ->Unit(benchmark::kMillisecond);
    }
    for (const QString &name :
        dir.entryList({ QStringLiteral("*.wmf"), QStringLiteral("*.emf") }, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QByteArray bytes = file.readAll();
        benchmark::RegisterBenchmark(("BM_PlayMetafile/" + name.toStdString()).c_str(),
            [bytes](benchmark::State &state) { playMetafile(state, bytes); })
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

}

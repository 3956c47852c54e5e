// Opening a 2402 x 2002 picture (the largest canvas the size boxes allow):
// the reader, file to canvas image, against Qt's own QImage::load of the
// same file. The files are made once in a temporary folder.
#include "BenchPictures.h"
#include "files/PictureReader.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 2402;
constexpr int Height = 2002;

struct Files
{
    QTemporaryDir dir;
    QString bmp;
    QString jpeg;

    Files()
    {
        const QImage image = photograph(Width, Height);
        bmp = dir.filePath(QStringLiteral("picture.bmp"));
        jpeg = dir.filePath(QStringLiteral("picture.jpg"));
        image.convertToFormat(QImage::Format_RGB888).save(bmp, "BMP");
        image.save(jpeg, "JPEG", 90);
    }
};

const Files &files()
{
    static const Files made;
    return made;
}

void openWithReader(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        const LoadedPicture picture = PictureReader::readFile(path, 0xFFFFFF);
        if (picture.outcome != LoadedPicture::Outcome::Whole)
            state.SkipWithError("the picture did not open");
        benchmark::DoNotOptimize(picture.image.constBits());
    }
}

void loadWithQt(benchmark::State &state, const QString &path)
{
    for (auto _ : state) {
        QImage image;
        if (!image.load(path))
            state.SkipWithError("Qt did not load the picture");
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_OpenBmp(benchmark::State &state)
{
    openWithReader(state, files().bmp);
}
BENCHMARK(BM_OpenBmp)->Unit(benchmark::kMillisecond);

void BM_QtLoadBmp(benchmark::State &state)
{
    loadWithQt(state, files().bmp);
}
BENCHMARK(BM_QtLoadBmp)->Unit(benchmark::kMillisecond);

void BM_OpenJpeg(benchmark::State &state)
{
    openWithReader(state, files().jpeg);
}
BENCHMARK(BM_OpenJpeg)->Unit(benchmark::kMillisecond);

void BM_QtLoadJpeg(benchmark::State &state)
{
    loadWithQt(state, files().jpeg);
}
BENCHMARK(BM_QtLoadJpeg)->Unit(benchmark::kMillisecond);

}

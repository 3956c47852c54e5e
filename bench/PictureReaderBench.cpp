// Opening a 2402 x 2002 picture (the largest canvas the size boxes allow):
// the reader, file to canvas image, against Qt's own QImage::load of the
// same file. The files are made once in a temporary folder.
#include "files/PictureReader.h"

#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 2402;
constexpr int Height = 2002;

// Smooth gradients with edges and noise, so the JPEG is not trivially small.
QImage photoLike()
{
    QImage image(Width, Height, QImage::Format_RGB32);
    quint32 noise = 12345;
    for (int y = 0; y < Height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            noise = noise * 1664525u + 1013904223u;
            const int grain = int(noise >> 28);
            const int ring = ((x - 1200) * (x - 1200) + (y - 1000) * (y - 1000)) / 4000 % 2;
            line[x] = qRgb((x * 255 / Width + grain) & 0xFF, (y * 255 / Height + grain) & 0xFF,
                ring ? 200 : (x ^ y) & 0xFF);
        }
    }
    return image;
}

struct Files
{
    QTemporaryDir dir;
    QString bmp;
    QString jpeg;

    Files()
    {
        const QImage image = photoLike();
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

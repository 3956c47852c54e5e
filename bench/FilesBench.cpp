// Saving the largest canvas (2402 x 2002) as a BMP in memory: our encoder
// against Qt's own BMP writer on the same picture.
#include "BenchPictures.h"
#include "files/BmpRowPacker.h"
#include "files/PictureWriter.h"

#include <QBuffer>
#include <QImage>

#include <benchmark/benchmark.h>

namespace {

const QImage &largestCanvas()
{
    static const QImage image = photograph(2402, 2002);
    return image;
}

void BM_SaveBmp(benchmark::State &state)
{
    const QImage &canvas = largestCanvas();
    for (auto _ : state) {
        QByteArray file = PictureWriter::encodeBmp(canvas);
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_SaveBmp)->Unit(benchmark::kMillisecond);

void BM_QtSaveBmp(benchmark::State &state)
{
    const QImage &canvas = largestCanvas();
    for (auto _ : state) {
        QByteArray file;
        QBuffer buffer(&file);
        buffer.open(QIODevice::WriteOnly);
        canvas.save(&buffer, "BMP");
        benchmark::DoNotOptimize(file.data());
    }
}
BENCHMARK(BM_QtSaveBmp)->Unit(benchmark::kMillisecond);

// The row packing alone into a reused buffer: 0 the portable path, 1 SSSE3.
void BM_PackRows(benchmark::State &state)
{
    const QImage &canvas = largestCanvas();
    if (state.range(0) && !BmpRowPacker::hasSsse3()) {
        state.SkipWithError("no SSSE3 on this processor");
        return;
    }
    const auto pack = state.range(0) ? BmpRowPacker::packSsse3 : BmpRowPacker::packPortable;
    QByteArray out(qsizetype(canvas.width()) * 3 * canvas.height(), '\0');
    for (auto _ : state) {
        auto *row = reinterpret_cast<uchar *>(out.data());
        for (int y = 0; y < canvas.height(); ++y, row += canvas.width() * 3)
            pack(reinterpret_cast<const quint32 *>(canvas.constScanLine(y)), canvas.width(), row);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_PackRows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}

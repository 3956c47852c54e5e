#include "files/MetafilePlayer.h"

#include "files/ByteReader.h"
#include "files/EmfPlayer.h"
#include "files/MetafileCanvas.h"
#include "files/MetafileLimits.h"
#include "files/MetafileRecordWalker.h"
#include "files/PictureReadReason.h"
#include "files/WmfPlayer.h"
#include "files/WmfRecordType.h"
#include "raster/PictureSurface.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

using Playback = MetafilePlayer::Playback;
using Step = MetafileRecordWalker::Step;
using Format = MetafileRecordWalker::Format;

constexpr qreal ScreenDpi = 96;
constexpr qreal MillimetresPerInch = 25.4;
// A WMF without the placeable header whose extent is larger than the
// largest canvas the size boxes make is taken to be in twips.
constexpr qreal TwipsPerInch = 1440;
constexpr int LargestPlainWidth = 2402, LargestPlainHeight = 2002;
constexpr quint32 WmfSetWindowExt = 0x020C, WmfSetWindowOrg = 0x020B;
// The WMF records that draw.
constexpr std::array<quint32, 18> Figures { 0x0213, 0x0324, 0x0325, 0x0538, 0x041B, 0x061C, 0x0418,
    0x0817, 0x081A, 0x0830, 0x0521, 0x0A32, 0x041F, 0x061D, 0x0940, 0x0B41, 0x0F43, 0x0D33 };

QString sizeReason(QSize size)
{
    if (size.width() <= 0 || size.height() <= 0)
        return PictureReadReason::damaged(QStringLiteral("图元文件没有给出图片的大小"));
    return PictureReadReason::tooLarge(size.width(), size.height());
}

Playback refused(const QString &reason)
{
    Playback p;
    p.reason = reason;
    return p;
}

bool fits(QSize size, qint64 pixelLimit)
{
    return size.width() > 0 && size.height() > 0 && size.width() <= PictureSurface::MaxSide
        && size.height() <= PictureSurface::MaxSide
        && qint64(size.width()) * size.height() <= std::min(pixelLimit, PictureSurface::MaxPixels);
}

// Too large for any canvas when not finite or beyond a million.
QSize pixelsOf(qreal width, qreal height)
{
    if (!std::isfinite(width) || !std::isfinite(height) || width > 1e6 || height > 1e6)
        return QSize(1 << 30, 1 << 30);
    return QSize(qRound(width), qRound(height));
}

// A rectangle read from a file, put right way round with its extent in 64
// bits: QRect's own normalized() and width() overflow on coordinates at the
// ends of the int range, which a damaged header may hold.
struct FileRect
{
    qint64 left, top, width, height;
    explicit FileRect(const QRect &r)
        : left(std::min(r.left(), r.right()))
        , top(std::min(r.top(), r.bottom()))
        , width(qint64(std::max(r.left(), r.right())) - left + 1)
        , height(qint64(std::max(r.top(), r.bottom())) - top + 1)
    { }
};

QString stopReason(Step step, qint64 recordNumber)
{
    switch (step) {
    case Step::BadSize:
        return PictureReadReason::damaged(
            QStringLiteral("第 %1 个记录的长度不对，只显示了它之前的部分").arg(recordNumber));
    case Step::TooMany:
        return PictureReadReason::damaged(
            QStringLiteral("记录太多，只显示了前 %1 个").arg(MetafileLimits::MaxRecords));
    default:
        return PictureReadReason::incomplete();
    }
}

// Walks every record through `play`, and says how the walk ended.
template <typename Player>
Step walk(QByteArrayView file, qint64 start, Format format, Player &player, Playback &playback)
{
    MetafileRecordWalker walker(file, start, format);
    MetafileRecord record;
    Step step;
    while ((step = walker.next(record)) == Step::Record)
        player.play(record);
    playback.records = walker.recordsRead();
    playback.skippedRecords = player.skippedRecords();
    return step;
}

void finish(Playback &playback, Step step, QImage image)
{
    playback.image = std::move(image);
    if (step == Step::End) {
        playback.outcome = Playback::Outcome::Whole;
        return;
    }
    playback.outcome = Playback::Outcome::Incomplete;
    playback.reason = stopReason(step, playback.records + 1);
}

QImage blank(QSize size, ColourValue background)
{
    QImage image(size, QImage::Format_RGB32);
    if (!image.isNull())
        image.fill(Colour::toPixel(background));
    return image;
}

Playback playEmf(QByteArrayView file, ColourValue background, qint64 pixelLimit)
{
    const auto header = EmfPlayer::readHeader(file);
    if (!header)
        return refused(PictureReadReason::damaged(QStringLiteral("没有完整的图元文件头")));
    const FileRect frame(header->frame);
    qreal pxPerMmX = header->millimetres.width() > 0
        ? header->device.width() / header->millimetres.width()
        : 0;
    qreal pxPerMmY = header->millimetres.height() > 0
        ? header->device.height() / header->millimetres.height()
        : 0;
    if (!(pxPerMmX > 0 && pxPerMmY > 0))
        pxPerMmX = pxPerMmY = ScreenDpi / MillimetresPerInch;
    const qreal toPicture = ScreenDpi / MillimetresPerInch / 100;
    QSize size = pixelsOf(qreal(frame.width) * toPicture, qreal(frame.height) * toPicture);
    QTransform deviceToPicture;
    if (frame.width > 1 && frame.height > 1) {
        // Device pixels to picture pixels by the ratio of the resolutions,
        // from the frame's top left corner.
        const qreal toScreenX = ScreenDpi / MillimetresPerInch / pxPerMmX;
        const qreal toScreenY = ScreenDpi / MillimetresPerInch / pxPerMmY;
        deviceToPicture.scale(toScreenX, toScreenY);
        deviceToPicture.translate(
            -qreal(frame.left) / 100.0 * pxPerMmX, -qreal(frame.top) / 100.0 * pxPerMmY);
    } else {
        // No frame: the bounds, one device pixel to a picture pixel.
        const FileRect bounds(header->bounds);
        size = pixelsOf(qreal(bounds.width), qreal(bounds.height));
        deviceToPicture.translate(-qreal(bounds.left), -qreal(bounds.top));
    }
    if (!fits(size, pixelLimit))
        return refused(sizeReason(size));
    QImage image = blank(size, background);
    if (image.isNull())
        return refused(sizeReason(size));
    Playback playback;
    Step step;
    {
        MetafileCanvas canvas(&image, MetafileCanvas::Mode::Paint);
        canvas.setDevice(deviceToPicture, pxPerMmX);
        EmfPlayer player(canvas, *header, pixelLimit);
        step = walk(file, 0, Format::Emf, player, playback);
    }
    finish(playback, step, std::move(image));
    return playback;
}

// The window a WMF without the placeable header sets before it draws.
std::optional<QRectF> windowBeforeDrawing(QByteArrayView file, qint64 start)
{
    MetafileRecordWalker walker(file, start, Format::Wmf);
    MetafileRecord record;
    QPointF origin;
    while (walker.next(record) == Step::Record) {
        const ByteReader r(record.bytes);
        const QPointF p(qint16(r.u16le(8).value_or(0)), qint16(r.u16le(6).value_or(0)));
        if (record.type == WmfRecordType::SetWindowOrg)
            origin = p;
        else if (record.type == WmfRecordType::SetWindowExt)
            return p.x() != 0 && p.y() != 0 ? std::optional(QRectF(origin, QSizeF(p.x(), p.y())))
                                            : std::nullopt;
        else if (std::find(Figures.begin(), Figures.end(), record.type) != Figures.end())
            return std::nullopt; // a figure came first
    }
    return std::nullopt;
}

Playback playWmf(QByteArrayView file, ColourValue background, qint64 pixelLimit)
{
    const auto header = WmfPlayer::readHeader(file);
    if (!header)
        return refused(PictureReadReason::damaged(QStringLiteral("没有完整的图元文件头")));
    std::optional<QRectF> window;
    std::optional<QSize> size;
    if (header->placeable) {
        const QRect box = *header->placeable;
        const qreal inch = header->unitsPerInch > 0 ? header->unitsPerInch : TwipsPerInch;
        window = QRectF(box.topLeft(), QSizeF(box.right() - box.left(), box.bottom() - box.top()));
        size = pixelsOf(std::abs(window->width()) * ScreenDpi / inch,
            std::abs(window->height()) * ScreenDpi / inch);
    } else if ((window = windowBeforeDrawing(file, header->recordsStart))) {
        const qreal w = std::abs(window->width()), h = std::abs(window->height());
        if (w <= LargestPlainWidth && h <= LargestPlainHeight)
            size = pixelsOf(w, h);
        else
            size = pixelsOf(w * ScreenDpi / TwipsPerInch, h * ScreenDpi / TwipsPerInch);
    }
    QTransform deviceToPicture;
    const auto framing = window ? WmfPlayer::Framing::Framed : WmfPlayer::Framing::Unframed;
    if (!window) {
        // Sized by what it draws, in its own device units.
        MetafileCanvas measure(nullptr, MetafileCanvas::Mode::Measure);
        WmfPlayer player(measure, header->objects, framing, pixelLimit);
        Playback ignored;
        walk(file, header->recordsStart, Format::Wmf, player, ignored);
        const QRect bounds = measure.measuredBounds().toAlignedRect();
        size = bounds.size();
        deviceToPicture.translate(-bounds.left(), -bounds.top());
    }
    if (!fits(*size, pixelLimit))
        return refused(sizeReason(*size));
    QImage image = blank(*size, background);
    if (image.isNull())
        return refused(sizeReason(*size));
    Playback playback;
    Step step;
    {
        MetafileCanvas canvas(&image, MetafileCanvas::Mode::Paint);
        canvas.setDevice(deviceToPicture, ScreenDpi / MillimetresPerInch);
        if (window) {
            MetafileState &s = canvas.state();
            s.mapMode = MetafileState::Anisotropic;
            s.windowOrigin = window->topLeft();
            s.windowExtent = window->size();
            s.viewportExtent = QSizeF(size->width(), size->height());
        }
        WmfPlayer player(canvas, header->objects, framing, pixelLimit);
        step = walk(file, header->recordsStart, Format::Wmf, player, playback);
    }
    finish(playback, step, std::move(image));
    return playback;
}

}

namespace MetafilePlayer {

Kind kindOf(QByteArrayView file)
{
    const ByteReader reader(file);
    if (reader.u32le(0) == 1u && reader.matches(40, " EMF"))
        return Kind::Emf;
    if (reader.u32le(0) == 0x9AC6CDD7u)
        return Kind::Wmf;
    const auto type = reader.u16le(0), words = reader.u16le(2);
    return (type == 1 || type == 2) && words == 9 ? Kind::Wmf : Kind::None;
}

Playback play(QByteArrayView file, ColourValue background, qint64 pixelLimit)
{
    switch (kindOf(file)) {
    case Kind::Emf:
        return playEmf(file, background, pixelLimit);
    case Kind::Wmf:
        return playWmf(file, background, pixelLimit);
    case Kind::None:
        break;
    }
    return refused(PictureReadReason::notAPicture());
}

}

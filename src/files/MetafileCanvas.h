#pragma once

#include "files/MetafileState.h"

#include <QImage>
#include <QList>
#include <QPainter>
#include <QPolygonF>
#include <QRectF>

#include <functional>
#include <memory>
#include <vector>

// Where a playback draws: the picture, the drawing state with its SaveDC
// stack, the path under construction and the clip. Players hand it figures
// in logical units; it maps them through the world transform, the page
// transform of the mapping mode and the device-to-picture transform, and
// draws them aliased in picture pixels (hatches and cosmetic pens are
// device-pixel things and must not be scaled).
//
// In Measure mode nothing is drawn: the canvas only gathers the bounds of
// what would be, so a metafile that gives no size can be sized by its
// drawing.
class MetafileCanvas
{
public:
    enum class Mode { Paint, Measure };
    // ArcTo draws a line from the current position to the arc and moves there.
    enum class ArcKind { Arc, Chord, Pie, ArcTo };

    // `target` is Format_RGB32, already the background colour; it must
    // outlive the canvas. Null in Measure mode.
    MetafileCanvas(QImage *target, Mode mode);
    ~MetafileCanvas();

    MetafileState &state() { return m_state; }
    const MetafileState &state() const { return m_state; }

    // Device units to picture pixels, and the device's resolution (for the
    // metric mapping modes).
    void setDevice(const QTransform &deviceToPicture, qreal devicePixelsPerMm);
    QTransform logicalToPicture() const;
    QTransform logicalToDevice() const;

    // Makes a pen, brush or font the current one; a placeholder does nothing.
    void select(const MetafileObject &object);

    void save();
    // `which` < 0: that many states back; > 0: the state saved as that number.
    void restore(int which);

    void moveTo(QPointF point);
    void lineTo(QPointF point);
    void polyline(const QPolygonF &points);
    void polylineTo(const QPolygonF &points);
    void polygon(const QPolygonF &points);
    void polyPolygon(const QList<QPolygonF> &polygons);
    void polyPolyline(const QList<QPolygonF> &polylines);
    void polyBezier(const QPolygonF &points);
    void polyBezierTo(const QPolygonF &points);
    void rectangle(const QRectF &box);
    void roundRectangle(const QRectF &box, QSizeF corner);
    void ellipse(const QRectF &box);
    void arc(const QRectF &box, QPointF start, QPointF end, ArcKind kind);
    void pixel(QPointF point, ColourValue colour);

    void beginPath();
    void endPath();
    void closeFigure();
    void abortPath();
    void fillPath();
    void strokePath();
    void strokeAndFillPath();
    // RGN_AND 1, RGN_OR 2, RGN_XOR 3, RGN_DIFF 4, RGN_COPY 5.
    void selectClipPath(int mode);

    // A region given in device units (RGN_* modes as above); `reset` is the
    // empty region of RGN_COPY, which removes the clip.
    void selectClipRegion(const QPainterPath &device, int mode, bool reset);
    // Fills a region given in device units with the brush.
    void fillDeviceArea(const QPainterPath &device);

    void intersectClip(const QRectF &logical);
    void excludeClip(const QRectF &logical);
    void resetClip();

    // ETO_OPAQUE and ETO_CLIPPED of an ExtTextOut.
    enum TextOption : quint32 { TextOpaque = 0x2, TextClipped = 0x4 };
    // `advances`, when not empty, are the logical widths of the characters.
    void text(QPointF reference, const QString &text, const QList<qreal> &advances, quint32 options,
        const QRectF &rect);

    // A bitmap copied or stretched with a ternary raster operation (the
    // brush is the pattern). A null source is a pattern-only operation.
    void bitmap(
        const QRectF &destination, const QImage &source, const QRectF &sourceRect, quint32 rop);

    QRectF measuredBounds() const { return m_bounds; }

private:
    QPainterPath boxPath(
        const QRectF &box, const std::function<void(QPainterPath &, QRectF)> &shape) const;
    void figure(const QPainterPath &picturePath, bool closed);
    void paintFigure(const QPainterPath &picturePath, bool fill, bool stroke);
    QPen pen() const;
    qreal pictureScale() const;
    void paint(const QRectF &bounds, const std::function<void(QPainter &)> &draw);
    void combineWithRop(const QRect &area, const std::function<void(QPainter &)> &draw);
    void applyClip(QPainter &painter) const;
    void measure(const QRectF &bounds);
    void combineClip(const QPainterPath &path, int mode);
    QPolygonF toPicture(const QPolygonF &logical) const;

    QImage *m_target = nullptr;
    Mode m_mode;
    std::unique_ptr<QPainter> m_painter;
    QImage m_scratch;
    MetafileState m_state;
    std::vector<MetafileState> m_saved;
    QTransform m_deviceToPicture;
    qreal m_devicePixelsPerMm = 96 / 25.4;
    bool m_inPath = false;
    QPainterPath m_path; // picture pixels
    QRectF m_bounds;
};

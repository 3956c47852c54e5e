#pragma once

#include "base/ColourValue.h"
#include "raster/CoverageMask.h"
#include "raster/FigureRasterizer.h"
#include "raster/RasterOp.h"

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QObject>
#include <QRect>
#include <QString>

#include <memory>
#include <optional>

// What `Line` draws between its two corners.
enum class LineShape { Segment, Box, FilledBox };

// A persistent picture that everything in the program is drawn on: a
// document's canvas, its floating selection, its snapshots and the sample wells.
//
// Positions and sizes are in twips (15 to a pixel, origin top-left, y down);
// DrawWidth alone is in pixels. Every figure is rasterised once into a coverage
// mask and then combined with the pixels by DrawMode, so no figure touches a
// pixel twice and any figure drawn twice with R2_XORPEN leaves the picture as
// it was. Drawing outside the surface is clipped silently.
class PictureSurface : public QObject
{
    Q_OBJECT
public:
    // The largest surface the program makes: 32767 pixels a side and 2^28
    // pixels (1 GiB) in all.
    static constexpr int MaxSide = 32767;
    static constexpr qint64 MaxPixels = qint64(1) << 28;
    static bool sizeIsAllowed(int widthPixels, int heightPixels);

    explicit PictureSurface(QObject *parent = nullptr);
    PictureSurface(int widthPixels, int heightPixels, QObject *parent = nullptr);
    ~PictureSurface() override;

    // Geometry, in twips.
    double Left() const { return m_left; }
    double Top() const { return m_top; }
    double Width() const;
    double Height() const;
    double ScaleWidth() const { return Width(); }
    double ScaleHeight() const { return Height(); }
    int pixelWidth() const { return m_image.width(); }
    int pixelHeight() const { return m_image.height(); }
    QRect pixelRect() const { return m_image.rect(); }

    void Move(double left, double top);
    // Resizes when the size in pixels changes; false (and no change) when too large.
    bool Move(double left, double top, double width, double height);
    // Keeps the pixels at the top-left, fills new area with BackColor.
    bool resizePixels(int widthPixels, int heightPixels);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool on) { m_autoSize = on; }
    bool Visible() const { return m_visible; }
    void setVisible(bool on) { m_visible = on; }
    QString Tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

    // Drawing properties.
    ColourValue ForeColor() const { return m_foreColor; }
    void setForeColor(ColourValue c) { m_foreColor = c & 0xFFFFFF; }
    ColourValue BackColor() const { return m_backColor; }
    // Erases what was drawn (keeping Picture) and shows the new colour.
    void setBackColor(ColourValue c);
    ColourValue FillColor() const { return m_fillColor; }
    void setFillColor(ColourValue c) { m_fillColor = c & 0xFFFFFF; }
    int FillStyle() const { return m_fillStyle; }
    void setFillStyle(int style);
    int DrawStyle() const { return m_drawStyle; }
    void setDrawStyle(int style);
    int DrawWidth() const { return m_drawWidth; }
    // Below 1 draws as 1; above 32767 as 32767.
    void setDrawWidth(int width);
    int DrawMode() const { return m_drawMode; }
    // Outside 1..16 is taken as R2_COPYPEN.
    void setDrawMode(int mode);
    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void setCurrentX(double x) { m_currentX = x; }
    void setCurrentY(double y) { m_currentY = y; }
    QFont Font() const { return m_font; }
    void setFont(const QFont &font) { m_font = font; }

    // The drawing as it stands, read back whole (Format_RGB32).
    const QImage &Image() const { return m_image; }
    const QImage &Picture() const { return m_picture; }
    // The background image; the drawing restarts from it. With AutoSize the
    // surface takes the picture's size.
    void setPicture(const QImage &picture);
    // Replaces the drawing wholesale (same size) without touching Picture:
    // for restoring snapshots and for pixel effects computed elsewhere.
    void setImage(const QImage &image);

    // For painters that work out a whole figure's pixels at once: the drawing
    // to write into (any stroke under way ends), then what was written.
    QImage &pixelsForWriting();
    void pixelsWritten(const QRect &pixels);
    // The pen figures are rasterised with now.
    PenStyle penStyle() const { return { m_drawWidth, m_drawStyle, m_fillStyle }; }

    // Figures.
    void PSet(double x, double y);
    void PSet(double x, double y, ColourValue colour);
    std::optional<ColourValue> Point(double x, double y) const;
    void Line(double x1, double y1, double x2, double y2, std::optional<ColourValue> colour = {},
        LineShape shape = LineShape::Segment);
    // Continues a stroke from (CurrentX, CurrentY): the dash pattern goes on and
    // pixels an earlier segment of the same stroke touched are not touched again.
    // A stroke goes on only from the pixel where it ended and with the same
    // colour, width, style and draw mode; otherwise a new one begins.
    void LineTo(double x2, double y2, std::optional<ColourValue> colour = {});
    // The next LineTo begins a new stroke even where the last one ended.
    void endStroke();
    void Circle(double x, double y, double radius, std::optional<ColourValue> colour = {},
        std::optional<ArcAngles> angles = {}, double aspect = 1.0);
    // Copies the source rectangle onto the destination rectangle, stretched to
    // fit; a negative extent mirrors. Pattern-using operations take FillColor
    // as the pattern.
    void PaintPicture(const QImage &source, double dx, double dy, double dw, double dh, double sx,
        double sy, double sw, double sh, quint32 op = RasterOp::SRCCOPY);
    void PaintPicture(const QImage &source, double dx, double dy, quint32 op = RasterOp::SRCCOPY);
    // Text at (CurrentX, CurrentY) in Font and ForeColor over what is there; a
    // line break starts a new line at the left edge. Afterwards CurrentX is 0
    // and CurrentY the top of the next line.
    void Print(const QString &text);
    // The pixels Print takes for `text` in `font`: the widest line by the
    // lines' height.
    static QSize TextSize(const QString &text, const QFont &font);

    // A figure rasterised with the current pen but not drawn, for rubber
    // bands: its pixels, its outline colour, and the fill it would get.
    struct Figure
    {
        CoverageMask mask;
        ColourValue outline = 0;
        ColourValue fill = 0;
        int fillStyle = 1;
    };
    Figure dotFigure(double x, double y, std::optional<ColourValue> colour = {}) const;
    Figure lineFigure(double x1, double y1, double x2, double y2,
        std::optional<ColourValue> colour = {}, LineShape shape = LineShape::Segment) const;
    Figure circleFigure(double x, double y, double radius, std::optional<ColourValue> colour = {},
        std::optional<ArcAngles> angles = {}, double aspect = 1.0) const;
    void Cls();
    void Refresh();

signals:
    // The pixels of `pixels` changed.
    void changed(const QRect &pixels);
    void pictureChanged();
    void resized();

private:
    // A copy of the image with rows firstRow.. painted by paintRow(row, j).
    template <typename PaintRow>
    QImage paintedCopy(int firstRow, int rowCount, PaintRow paintRow) const;
    FigureRasterizer rasterizer() const;
    Figure figure(CoverageMask mask, ColourValue outline) const;
    void drawFigure(const Figure &figure);
    void drawSegment(
        const QPoint &from, const QPoint &to, ColourValue colour, bool continuesStroke);
    void restartFromPicture();

    QImage m_image;
    QImage m_picture;
    double m_left = 0;
    double m_top = 0;
    bool m_autoSize = false;
    bool m_visible = true;
    QString m_tag;

    ColourValue m_foreColor = 0;
    ColourValue m_backColor = 0xFFFFFF;
    ColourValue m_fillColor = 0;
    int m_fillStyle = 1;
    int m_drawStyle = 0;
    int m_drawWidth = 1;
    int m_drawMode = RasterOp::R2_COPYPEN;
    double m_currentX = 0;
    double m_currentY = 0;
    QFont m_font;

    // The stroke that LineTo continues: the pixels it has touched so far and
    // the length drawn, for the dash pattern.
    struct Stroke;
    std::unique_ptr<Stroke> m_stroke;
};

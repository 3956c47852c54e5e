#include "raster/TextGradientPainter.h"

#include "raster/PictureSurface.h"
#include "raster/TextBuffer.h"
#include "raster/TextGradientPlan.h"

#include <vector>

namespace {

// The buffer pixels not yet claimed by a step, row by row: next(y, x) is the
// first unclaimed pixel at or after x (one past the row when none), found with
// path halving so that walking a row of claimed pixels costs next to nothing.
class UnclaimedPixels
{
public:
    UnclaimedPixels(int width, int height)
        : m_stride(width + 1)
        , m_next(size_t(m_stride) * size_t(height))
    {
        for (size_t i = 0; i < m_next.size(); ++i)
            m_next[i] = int(i % size_t(m_stride));
    }

    int next(int y, int x)
    {
        int *row = m_next.data() + size_t(y) * size_t(m_stride);
        while (row[x] != x) {
            row[x] = row[row[x]];
            x = row[x];
        }
        return x;
    }

    void claim(int y, int x) { m_next[size_t(y) * size_t(m_stride) + size_t(x)] = x + 1; }

private:
    int m_stride;
    std::vector<int> m_next;
};

// The glyph pixels of the text printed at the buffer's top-left corner.
QImage glyphMask(const TextBuffer &buffer, const QSize &size)
{
    PictureSurface ink(size.width(), size.height());
    ink.pixelsForWriting().fill(0xFF000000u);
    ink.setFont(buffer.font);
    ink.setForeColor(0xFFFFFF);
    ink.Print(buffer.text);
    return ink.Image();
}

}

namespace TextGradientPainter {

void paint(PictureSurface &canvas, const TextBuffer &buffer, const TextGradientPlan &plan)
{
    const QRect place = buffer.pixelRect();
    if (place.isEmpty() || buffer.text.isEmpty())
        return;
    // Buffer pixels that lie on the canvas: the only ones a copy can change.
    const QRect onCanvas
        = QRect(QPoint(0, 0), place.size()) & canvas.pixelRect().translated(-place.topLeft());
    if (onCanvas.isEmpty())
        return;
    const QImage mask = glyphMask(buffer, place.size());
    QImage &pixels = canvas.pixelsForWriting();
    UnclaimedPixels unclaimed(place.width(), place.height());
    QRect later;
    QRect written;
    for (auto step = plan.steps.rbegin(); step != plan.steps.rend(); ++step) {
        const QRect area
            = TextBuffer::pixelsOf(step->x, step->y, step->width, step->height) & onCanvas;
        // Inside the rectangle of the step after it: every pixel is taken.
        if (area.isEmpty() || later.contains(area))
            continue;
        later = area;
        written |= area;
        const quint32 colour = Colour::toPixel(step->colour);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto *glyphs = reinterpret_cast<const quint32 *>(mask.constScanLine(y));
            auto *out
                = reinterpret_cast<quint32 *>(pixels.scanLine(place.top() + y)) + place.left();
            for (int x = unclaimed.next(y, area.left()); x <= area.right();
                 x = unclaimed.next(y, x + 1)) {
                unclaimed.claim(y, x);
                if (glyphs[x] != 0xFF000000u)
                    out[x] = colour;
            }
        }
    }
    canvas.pixelsWritten(written.translated(place.topLeft()));
}

}

#include "raster/CoverageMask.h"

#include "raster/ThinDashes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Qt draws one-pixel strokes through the pixel a point names, but fills pixels
// whose centres lie inside a shape; centres are half a pixel off the index.
constexpr qreal CentreOffset = 0.5;

class MaskPainter : public QPainter
{
public:
    MaskPainter(QImage *bits, const QRect &bounds)
        : QPainter(bits)
    {
        setRenderHint(QPainter::Antialiasing, false);
        setCompositionMode(QPainter::CompositionMode_Source);
        translate(-bounds.left(), -bounds.top());
    }
};

QColor markColour(CoverageMask::Mark mark)
{
    return QColor(0, 0, 0, mark);
}

}

CoverageMask::CoverageMask(const QRect &bounds)
    : m_bounds(bounds)
{
    if (m_bounds.isEmpty()) {
        m_bounds = QRect();
        return;
    }
    // calloc hands out large blocks as fresh zero pages without writing
    // them, so a mask the size of the canvas costs only the rows a figure
    // touches. Rows are padded to a multiple of 8 bytes for the word scans.
    const qsizetype stride = (qsizetype(m_bounds.width()) + 7) & ~qsizetype(7);
    void *zeroed = std::calloc(size_t(stride) * size_t(m_bounds.height()), 1);
    if (!zeroed) {
        m_bounds = QRect();
        return;
    }
    m_bits = QImage(
        static_cast<uchar *>(zeroed), m_bounds.width(), m_bounds.height(), stride,
        QImage::Format_Alpha8, [](void *block) { std::free(block); }, zeroed);
}

void CoverageMask::fillRect(const QRect &pixels, Mark mark)
{
    const QRect r = pixels & m_bounds;
    if (r.isEmpty())
        return;
    const int x0 = r.left() - m_bounds.left();
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memset(m_bits.scanLine(y - m_bounds.top()) + x0, mark, size_t(r.width()));
}

void CoverageMask::strokeThin(const QPainterPath &path, const QPen &pen, Mark mark)
{
    if (isEmpty())
        return;
    QPen thin(markColour(mark), 1, Qt::SolidLine, Qt::SquareCap, pen.joinStyle());
    ThinDashes::Dashes dashes;
    if (pen.style() == Qt::CustomDashLine) {
        const QList<qreal> pattern = pen.dashPattern();
        dashes = ThinDashes::cut(
            path, std::vector<qreal>(pattern.begin(), pattern.end()), pen.dashOffset());
    } else {
        dashes.pieces = path;
    }
    {
        MaskPainter painter(&m_bits, m_bounds);
        painter.setPen(thin);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(dashes.pieces);
    }
    for (const QPoint &dot : dashes.dots)
        fillRect(QRect(dot, dot), mark);
}

void CoverageMask::fillPath(const QPainterPath &path, Mark mark)
{
    if (isEmpty())
        return;
    MaskPainter painter(&m_bits, m_bounds);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markColour(mark));
    painter.drawPath(path.translated(CentreOffset, CentreOffset));
}

void CoverageMask::strokeWide(const QPainterPath &path, const QPen &pen, Mark mark)
{
    QPainterPathStroker stroker(pen);
    QPainterPath outline = stroker.createStroke(path);
    outline.setFillRule(Qt::WindingFill);
    fillPath(outline, mark);
}

void CoverageMask::relabel(Mark from, Mark to)
{
    for (int y = 0; y < m_bits.height(); ++y) {
        uchar *row = m_bits.scanLine(y);
        for (int x = 0; x < m_bits.width(); ++x)
            row[x] = row[x] == from ? uchar(to) : row[x];
    }
}

void CoverageMask::subtract(const CoverageMask &other)
{
    const QRect r = m_bounds & other.m_bounds;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uchar *mine = m_bits.scanLine(y - m_bounds.top()) + (r.left() - m_bounds.left());
        const uchar *theirs = other.row(y) + (r.left() - other.m_bounds.left());
        for (int i = 0; i < r.width(); ++i)
            mine[i] = theirs[i] ? uchar(None) : mine[i];
    }
}

void CoverageMask::unite(const CoverageMask &other, Mark mark)
{
    const QRect r = m_bounds & other.m_bounds;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uchar *mine = m_bits.scanLine(y - m_bounds.top()) + (r.left() - m_bounds.left());
        const uchar *theirs = other.row(y) + (r.left() - other.m_bounds.left());
        for (int i = 0; i < r.width(); ++i)
            mine[i] = theirs[i] ? uchar(mark) : mine[i];
    }
}

namespace {

// One row: each marked pixel that the pattern paints gets op(pixel); an
// all-clear run of eight mask bytes is skipped with one comparison, which keeps
// thin outlines across a large box cheap.
void applyRow(quint32 *__restrict dst, const uchar *__restrict mask, int count, int firstX,
    uchar mark, const RasterOp::PenOperation op, const uchar *lanes)
{
    int i = 0;
    while (i < count) {
        if (i + 8 <= count) {
            quint64 word;
            std::memcpy(&word, mask + i, sizeof word);
            if (word == 0) {
                i += 8;
                continue;
            }
        }
        const int end = std::min(count, i + 8);
        for (; i < end; ++i) {
            const quint32 selected = (mask[i] == mark && lanes[(firstX + i) & 7]) ? ~0u : 0u;
            dst[i] = (dst[i] & ~selected) | (op.apply(dst[i]) & selected);
        }
    }
}

}

void CoverageMask::apply(QImage &target, Mark mark, const RasterOp::PenOperation &op,
    const FillPattern &pattern, const QPoint &targetOrigin) const
{
    const QRect r = m_bounds & target.rect().translated(targetOrigin);
    if (r.isEmpty() || pattern.paintsNothing())
        return;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        uchar lanes[8];
        const quint8 bits = pattern.rowBits(y);
        for (int b = 0; b < 8; ++b)
            lanes[b] = (bits >> b) & 1;
        auto *dst = reinterpret_cast<quint32 *>(target.scanLine(y - targetOrigin.y()))
            + (r.left() - targetOrigin.x());
        const uchar *mask = row(y) + (r.left() - m_bounds.left());
        applyRow(dst, mask, r.width(), r.left(), mark, op, lanes);
    }
}

namespace {

// Marks in `columns` every column of `row` that holds a mark. A plain loop
// the compiler turns into wide vector ORs: faster than skipping clear words.
void orRow(uchar *__restrict columns, const uchar *__restrict row, int width)
{
    for (int x = 0; x < width; ++x)
        columns[x] |= row[x];
}

// The first column at or after x that holds a mark, or width; clear words of
// eight columns are passed over at once.
int nextMarked(const uchar *columns, int x, int width)
{
    while (x + 8 <= width) {
        quint64 word;
        std::memcpy(&word, columns + x, sizeof word);
        if (word != 0)
            break;
        x += 8;
    }
    while (x < width && !columns[x])
        ++x;
    return x;
}

}

QRegion CoverageMask::footprint(int bandHeight) const
{
    // Columns closer than this are joined into one rectangle: fewer, larger
    // rectangles repaint faster than many slivers.
    constexpr int joinGap = 32;
    QRegion region;
    if (isEmpty())
        return region;
    bandHeight = std::max(1, bandHeight);
    const int width = m_bounds.width();
    std::vector<uchar> columns(size_t(width) + 8);
    for (int top = m_bounds.top(); top <= m_bounds.bottom(); top += bandHeight) {
        const int bottom = std::min(m_bounds.bottom(), top + bandHeight - 1);
        std::fill(columns.begin(), columns.end(), 0);
        for (int y = top; y <= bottom; ++y)
            orRow(columns.data(), row(y), width);
        int x = 0;
        while (x < width) {
            x = nextMarked(columns.data(), x, width);
            if (x == width)
                break;
            const int start = x;
            int end = x;
            while (x < width && x - end <= joinGap) {
                if (columns[size_t(x)])
                    end = x;
                ++x;
            }
            region += QRect(
                QPoint(m_bounds.left() + start, top), QPoint(m_bounds.left() + end, bottom));
        }
    }
    return region;
}

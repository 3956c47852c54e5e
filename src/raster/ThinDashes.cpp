#include "raster/ThinDashes.h"

#include <cmath>
#include <numeric>

namespace ThinDashes {

namespace {

// A dash of n pixels drawn with both ends included is a piece n - 1 long, and
// its gap one longer: the same period, exact pixel counts on straight lines.
std::vector<qreal> asPieces(const std::vector<qreal> &pattern)
{
    std::vector<qreal> pieces = pattern;
    for (size_t i = 0; i + 1 < pieces.size(); i += 2) {
        const qreal shift = std::min<qreal>(1, pieces[i]);
        pieces[i] -= shift;
        pieces[i + 1] += shift;
    }
    return pieces;
}

// Dash ends sit on pixels, so that each dash lights exactly its length.
QPointF onPixel(const QPointF &p)
{
    return { std::nearbyint(p.x()), std::nearbyint(p.y()) };
}

class Walker
{
public:
    Walker(const std::vector<qreal> &pieces, qreal offset)
        : m_pieces(pieces)
        , m_period(std::accumulate(pieces.begin(), pieces.end(), qreal(0)))
    {
        m_phase = std::fmod(offset, m_period);
        if (m_phase < 0)
            m_phase += m_period;
        while (m_phase >= m_pieces[m_index]) {
            m_phase -= m_pieces[m_index];
            m_index = (m_index + 1) % m_pieces.size();
        }
    }

    void walk(const QPolygonF &polygon, Dashes &dashes)
    {
        for (int i = 0; i + 1 < polygon.size(); ++i)
            walkSegment(polygon[i], polygon[i + 1], dashes.pieces);
        if (on() && !m_open && polygon.size() > 1) {
            const QPointF end = onPixel(polygon.back());
            dashes.dots.push_back(QPoint(int(end.x()), int(end.y())));
        }
        m_open = false;
    }

private:
    bool on() const { return m_index % 2 == 0; }

    void walkSegment(const QPointF &from, const QPointF &to, QPainterPath &dashes)
    {
        const QLineF segment(from, to);
        const qreal length = segment.length();
        if (length <= 0)
            return;
        qreal t = 0;
        while (t < length) {
            const qreal step = std::min(m_pieces[m_index] - m_phase, length - t);
            if (on() && !m_open) {
                dashes.moveTo(onPixel(segment.pointAt(t / length)));
                m_open = true;
            }
            t += step;
            m_phase += step;
            const bool pieceEnds = m_phase >= m_pieces[m_index] - 1e-9;
            if (on()) {
                // A dash ends on a pixel; where it only reaches the end of
                // this segment it follows the path's own corner.
                const QPointF at = segment.pointAt(t / length);
                dashes.lineTo(pieceEnds ? onPixel(at) : at);
            }
            if (pieceEnds) {
                m_phase = 0;
                m_index = (m_index + 1) % m_pieces.size();
                m_open = false;
            }
        }
    }

    const std::vector<qreal> &m_pieces;
    qreal m_period;
    qreal m_phase = 0;
    size_t m_index = 0;
    bool m_open = false;
};

}

Dashes cut(const QPainterPath &path, const std::vector<qreal> &pattern, qreal offset)
{
    Dashes dashes;
    if (pattern.size() < 2) {
        dashes.pieces = path;
        return dashes;
    }
    const std::vector<qreal> pieces = asPieces(pattern);
    Walker walker(pieces, offset);
    for (const QPolygonF &polygon : path.toSubpathPolygons())
        walker.walk(polygon, dashes);
    return dashes;
}

}

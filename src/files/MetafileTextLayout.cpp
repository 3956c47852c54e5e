#include "files/MetafileTextLayout.h"

#include "files/MetafileLimits.h"

#include <QFontMetricsF>

#include <cmath>

namespace {

constexpr qreal DefaultPixelSize = 16;
constexpr qreal LargestPixelSize = 2048;

qreal lengthOf(qreal a, qreal b)
{
    const qreal length = std::hypot(a, b);
    return std::isfinite(length) ? length : 0;
}

QFont fontFor(const MetafileFont &logical, qreal scaleY)
{
    QFont font(logical.face.isEmpty() ? QStringLiteral("Sans Serif") : logical.face);
    // Aliased like the canvas's own text: a pen mode then combines whole
    // pixels, and the same record always gives the same pixels.
    font.setStyleHint(QFont::SansSerif, QFont::NoAntialias);
    font.setItalic(logical.italic);
    font.setUnderline(logical.underline);
    font.setStrikeOut(logical.strikeOut);
    font.setWeight(QFont::Weight(logical.weight <= 0 ? 400 : std::clamp(logical.weight, 100, 900)));
    qreal size = std::abs(qreal(logical.height)) * scaleY;
    if (!(size >= 1))
        size = DefaultPixelSize;
    size = std::min(size, LargestPixelSize);
    font.setPixelSize(std::max(1, qRound(size)));
    // A positive height is the cell (ascent and descent), not the em.
    if (logical.height > 0) {
        const QFontMetricsF metrics(font);
        const qreal cell = metrics.ascent() + metrics.descent();
        if (cell > 0)
            font.setPixelSize(std::max(1, qRound(size * size / cell)));
    }
    return font;
}

}

MetafileTextLayout::MetafileTextLayout(const MetafileState &state, const QTransform &toPicture,
    QPointF reference, const QString &text, const QList<qreal> &advances)
    : m_text(text.left(MetafileLimits::MaxTextLength))
{
    const qreal scaleX = lengthOf(toPicture.m11(), toPicture.m12());
    const qreal scaleY = lengthOf(toPicture.m21(), toPicture.m22());
    m_font = fontFor(state.font, scaleY);
    const QFontMetricsF metrics(m_font);
    m_ascent = metrics.ascent();
    m_descent = metrics.descent();
    if (advances.size() >= m_text.size()) {
        qreal at = 0;
        for (qsizetype k = 0; k < m_text.size(); ++k) {
            m_offsets.append(at);
            at += std::min(std::abs(advances[k]) * scaleX, MetafileLimits::MaxDeviceCoordinate);
        }
        m_width = at;
    } else {
        m_width = metrics.horizontalAdvance(m_text);
    }
    switch (state.textAlign & HorizontalMask) {
    case Right:
        m_shift.setX(-m_width);
        break;
    case Center:
        m_shift.setX(-m_width / 2);
        break;
    default:
        break;
    }
    switch (state.textAlign & VerticalMask) {
    case Baseline:
        break;
    case Bottom:
        m_shift.setY(-m_descent);
        break;
    default:
        m_shift.setY(m_ascent);
        break;
    }
    m_origin = toPicture.map(reference);
    m_angle = -qreal(state.font.escapement) / 10;
    if (!std::isfinite(m_angle))
        m_angle = 0;
    m_next = reference + QPointF(scaleX > 0 ? m_width / scaleX : 0, 0);
}

QTransform MetafileTextLayout::placement() const
{
    return QTransform().translate(m_origin.x(), m_origin.y()).rotate(m_angle);
}

QRectF MetafileTextLayout::box() const
{
    return QRectF(m_shift.x(), m_shift.y() - m_ascent, m_width, m_ascent + m_descent);
}

QRectF MetafileTextLayout::bounds() const
{
    const qreal slack = m_ascent / 2 + 2; // italics and overhangs
    return placement().mapRect(box().adjusted(-slack, -slack, slack, slack));
}

void MetafileTextLayout::paint(
    QPainter &painter, const QColor &ink, std::optional<QColor> background) const
{
    painter.save();
    painter.setTransform(placement(), true);
    if (background)
        painter.fillRect(box(), *background);
    painter.setFont(m_font);
    painter.setPen(ink);
    if (m_offsets.isEmpty()) {
        painter.drawText(m_shift, m_text);
    } else {
        for (qsizetype k = 0; k < m_text.size(); ++k)
            painter.drawText(m_shift + QPointF(m_offsets[k], 0), QString(m_text[k]));
    }
    painter.restore();
}

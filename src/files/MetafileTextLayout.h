#pragma once

#include "files/MetafileState.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPainter>
#include <QString>

#include <optional>

// Where a text record's characters go: the font at its size in picture
// pixels, the reference point moved by the text alignment, the escapement,
// and each character's place when the record gives character widths.
class MetafileTextLayout
{
public:
    enum Align : quint32 {
        UpdateCurrentPosition = 1,
        HorizontalMask = 6,
        Right = 2,
        Center = 6,
        VerticalMask = 24,
        Bottom = 8,
        Baseline = 24,
    };

    MetafileTextLayout(const MetafileState &state, const QTransform &toPicture, QPointF reference,
        const QString &text, const QList<qreal> &advances);

    // Picture pixels covered by the text and its background box.
    QRectF bounds() const;
    void paint(QPainter &painter, const QColor &ink, std::optional<QColor> background) const;
    // The reference point after the text (logical), for TA_UPDATECP.
    QPointF nextReference() const { return m_next; }

    const QFont &font() const { return m_font; }

private:
    QRectF box() const;
    QTransform placement() const;

    QFont m_font;
    QString m_text;
    QList<qreal> m_offsets; // picture pixels along the baseline, one per character
    QPointF m_origin; // the reference point in picture pixels
    QPointF m_shift; // from the reference point to the start of the baseline
    qreal m_angle = 0; // degrees, clockwise on the picture
    qreal m_width = 0, m_ascent = 0, m_descent = 0;
    QPointF m_next;
};

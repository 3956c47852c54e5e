#pragma once

#include "raster/PictureSurface.h"

#include <QObject>
#include <QRegion>

#include <optional>

// The rubber band of a figure being dragged out: it looks exactly as the
// figure drawn with the XOR pen over the picture would look, but it is kept
// apart from the picture, so nothing of it can ever be left in the pixels.
// Views show it on top of the picture (composeOnto) and repaint only the
// region that `changed` names.
class RubberBand : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Shows `figure` instead of what was shown.
    void show(PictureSurface::Figure figure);
    void clear();
    bool isVisible() const { return m_figure.has_value(); }
    // The pixels the band covers now.
    QRegion region() const { return m_region; }

    // Puts the band onto `pixels`, a copy of the picture's pixels whose
    // top-left pixel is the picture pixel `origin`.
    void composeOnto(QImage &pixels, const QPoint &origin) const;

signals:
    // The look of these picture pixels changed.
    void changed(const QRegion &pixels);

private:
    std::optional<PictureSurface::Figure> m_figure;
    QRegion m_region;
};

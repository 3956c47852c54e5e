#include "document/RubberBand.h"

void RubberBand::show(PictureSurface::Figure figure)
{
    const QRegion before = m_region;
    m_region = figure.mask.footprint();
    m_figure = std::move(figure);
    emit changed(before + m_region);
}

void RubberBand::clear()
{
    if (!m_figure)
        return;
    const QRegion before = m_region;
    m_figure.reset();
    m_region = QRegion();
    emit changed(before);
}

void RubberBand::composeOnto(QImage &pixels, const QPoint &origin) const
{
    if (!m_figure)
        return;
    const auto &f = *m_figure;
    f.mask.apply(pixels, CoverageMask::Interior,
        RasterOp::PenOperation::make(RasterOp::R2_XORPEN, f.fill),
        FillPattern::forFillStyle(f.fillStyle), origin);
    f.mask.apply(pixels, CoverageMask::Outline,
        RasterOp::PenOperation::make(RasterOp::R2_XORPEN, f.outline), FillPattern::solid(), origin);
}

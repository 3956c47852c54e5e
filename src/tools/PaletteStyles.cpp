#include "tools/PaletteStyles.h"

#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/Workspace.h"
#include "raster/PictureSurface.h"

#include <algorithm>

namespace {

// A picker's picture: 720 x 210 twips, the size its sample is drawn for.
constexpr int SampleWidth = 48;
constexpr int SampleHeight = 14;

}

PaletteStyles::PaletteStyles(Workspace &module, QObject *parent)
    : QObject(parent)
    , m_module(module)
{
    for (size_t k = 0; k < StylePickers::all().size(); ++k)
        m_samples.push_back(std::make_unique<PictureSurface>(SampleWidth, SampleHeight));
    ColourToolModel &wells = m_module.colourTool();
    redrawSamples(wells.PictureForecolor(), wells.PictureFillColor());
    connect(&wells, &ColourToolModel::wellsChanged, this,
        [this, &wells] { redrawSamples(wells.PictureForecolor(), wells.PictureFillColor()); });
}

PaletteStyles::~PaletteStyles() = default;

void PaletteStyles::pickerClicked(const StylePicker &picker)
{
    setStyle(picker.set, picker.style());
}

void PaletteStyles::labelClicked(int label)
{
    static constexpr std::array<PickerSet, 3> Frames { PickerSet::EllipseFrame, PickerSet::BoxFrame,
        PickerSet::SectorFrame };
    if (label >= 1 && label <= 3)
        pickerClicked({ Frames[size_t(label - 1)], 15 });
}

void PaletteStyles::setStyle(PickerSet set, int style)
{
    Document *document = m_module.ActiveEdit();
    if (!document)
        return;
    if (StylePickers::kindOf(set) == StyleKind::Fill) {
        m_module.hFillStyle = style;
        document->Picture1().setFillStyle(style);
    } else {
        m_module.hDrawStyle = style;
        document->Picture1().setDrawStyle(style);
    }
    m_highlight[size_t(set)] = StylePickers::numberShowing(set, style);
    emit changed();
}

void PaletteStyles::setFillStyleOne()
{
    m_module.hFillStyle = 1;
    if (Document *document = m_module.ActiveEdit())
        document->Picture1().setFillStyle(1);
}

size_t PaletteStyles::sampleIndex(const StylePicker &picker) const
{
    const auto &all = StylePickers::all();
    return size_t(std::find(all.begin(), all.end(), picker) - all.begin());
}

const PictureSurface &PaletteStyles::sample(const StylePicker &picker) const
{
    return *m_samples.at(sampleIndex(picker));
}

void PaletteStyles::redrawSamples(ColourValue pen, ColourValue drawing)
{
    const auto &all = StylePickers::all();
    for (size_t k = 0; k < all.size(); ++k)
        PickerSamples::draw(*m_samples[k], all[k].sampleFamily(), all[k].style(), pen, drawing);
    emit samplesChanged();
}

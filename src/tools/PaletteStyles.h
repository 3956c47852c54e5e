#pragma once

#include "base/ColourValue.h"
#include "tools/StylePicker.h"

#include <QObject>

#include <array>
#include <memory>
#include <vector>

class PictureSurface;
class Workspace;

// The palette's style pickers: which picker of each set shows raised, the
// sample each one draws in the pen and drawing colours, and the style a click
// chooses for the shared settings and the active canvas. With no document
// open a click does nothing.
class PaletteStyles : public QObject
{
    Q_OBJECT
public:
    explicit PaletteStyles(Workspace &module, QObject *parent = nullptr);
    ~PaletteStyles() override;

    // A click sets the style of its set; the labels 1..3 ("无框线" over
    // picker 15 of the ellipse, box and sector frames) act like it.
    void pickerClicked(const StylePicker &picker);
    void labelClicked(int label);
    void setStyle(PickerSet set, int style);
    // Gradient shapes paint their own inside: the canvas fill stays out of
    // the way (FillStyle 1, transparent), with no picker raised for it.
    void setFillStyleOne();

    // The picker shown raised in the set, 0 when none is.
    int highlighted(PickerSet set) const { return m_highlight[size_t(set)]; }
    const PictureSurface &sample(const StylePicker &picker) const;
    // Draws every picker's sample again in the pen and drawing colours; the
    // colour window calls this when those wells change.
    void redrawSamples(ColourValue pen, ColourValue drawing);

signals:
    void changed();
    void samplesChanged();

private:
    size_t sampleIndex(const StylePicker &picker) const;

    Workspace &m_module;
    std::array<int, StylePickers::SetCount> m_highlight {};
    std::vector<std::unique_ptr<PictureSurface>> m_samples;
};

#pragma once

#include "effects/FilterKernel.h"
#include "effects/Flip.h"
#include "effects/OilRandom.h"
#include "effects/PixelRows.h"

#include <functional>

class Workspace;

// The Effects menu, the flips and the custom filter's Run, on the floating
// selection of the active document. Each changes only the floating picture:
// the canvas and its edit history see the change when the selection is put
// down, so that commit is the undo step. Each does nothing, and says so by
// returning false, without an active document or without a floating selection.
//
// It keeps what lasts the whole run: oil's random sequence and the custom
// filter's settings.
class EffectCommands
{
public:
    explicit EffectCommands(Workspace &workspace);

    bool soften();
    bool sharpen();
    bool oil();
    bool emboss();
    bool flipSelection(FlipKind kind);
    // The custom filter with the settings of filterKernel().
    bool runFilter();

    FilterKernel &filterKernel() { return m_filter; }
    // Whether there is a floating selection to act on.
    bool hasSelection() const;

private:
    using Kernel = std::function<void(ConstPixelRows, PixelRows)>;
    bool applyToSelection(const Kernel &kernel);

    Workspace &m_workspace;
    OilRandom m_random;
    FilterKernel m_filter;
};

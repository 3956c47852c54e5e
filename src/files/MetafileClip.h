#pragma once

#include <QPainterPath>

#include <optional>

// A playback's clip, in picture pixels, combined with a new area as a
// device context combines regions. No clip is the whole plane.
namespace MetafileClip {

enum Mode : int { And = 1, Or, Xor, Difference, Copy };

QPainterPath combined(
    const std::optional<QPainterPath> &current, const QPainterPath &area, int mode);

}

#pragma once

#include <QtGlobal>

// What a metafile may ask of the player. A file is untrusted bytes: each
// number it gives that sizes an allocation or a loop is held to these.
//
// - Records: at most MaxRecords are played; the walk stops there as if the
//   file ended (the picture is then incomplete).
// - Objects: the object table has at most MaxObjects slots (a WMF's own
//   count, an EMF's handle count, whichever is smaller); a create record
//   beyond it is skipped like an unknown record.
// - SaveDC: at most MaxSaveDepth saved states; deeper saves are ignored and
//   so are restores of states that were never saved.
// - Picture: the frame (EMF) or placeable box (WMF) at 96 dpi must fit the
//   canvas, 32767 pixels a side and 2^28 pixels in all; the player's caller
//   may lower the pixel count (the tests and the fuzz target do).
// - Device coordinates are pinned to +-MaxDeviceCoordinate and pen widths
//   to MaxPenWidth before anything is rasterised, so a far-away or absurd
//   figure cannot overflow the rasteriser or cut a dashed line into
//   billions of dashes.
namespace MetafileLimits {

inline constexpr qint64 MaxRecords = 1'000'000;
inline constexpr int MaxObjects = 65535;
inline constexpr int MaxSaveDepth = 1024;
inline constexpr qreal MaxDeviceCoordinate = 65536;
inline constexpr qreal MaxPenWidth = 4096;
// Text longer than this is cut: no exporter writes a line of 32767 glyphs.
inline constexpr int MaxTextLength = 8192;

}

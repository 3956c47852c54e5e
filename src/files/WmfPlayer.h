#pragma once

#include "files/ByteReader.h"
#include "files/MetafileCanvas.h"
#include "files/MetafileObjects.h"
#include "files/MetafileRecordWalker.h"

#include <QRect>

#include <optional>

// Plays the records of a Windows metafile (placeable or not) onto a canvas.
//
// Drawn: LINETO, POLYLINE, POLYGON, POLYPOLYGON, RECTANGLE, ROUNDRECT,
// ELLIPSE, ARC, CHORD, PIE, SETPIXEL, TEXTOUT, EXTTEXTOUT (with character
// widths), PATBLT, DIBBITBLT, DIBSTRETCHBLT, STRETCHDIB, SETDIBTODEV.
// State: CREATEPENINDIRECT, CREATEBRUSHINDIRECT, DIBCREATEPATTERNBRUSH,
// CREATEFONTINDIRECT, SELECTOBJECT, DELETEOBJECT (palettes, regions and old
// bitmap brushes take their slot), SAVEDC/RESTOREDC, window origin and
// extent (set, offset, scale), clip rectangles, SETROP2, colours,
// background mode, text alignment, fill mode.
// A framed file (placeable, or one whose size came from its window extent)
// maps its window onto the whole picture: its SETMAPMODE and viewport
// records are then ignored, as a program placing the picture does. An
// unframed one keeps its own mapping mode and viewport.
// Skipped: escapes (LibreOffice's embedded EMF copy among them), palettes,
// regions, flood fills and old device-dependent bitmaps. Anything else is
// skipped and counted.
class WmfPlayer
{
public:
    struct Header
    {
        std::optional<QRect> placeable; // the box, in the file's units
        int unitsPerInch = 0;
        quint16 objects = 0;
        qint64 recordsStart = 0;
    };

    static std::optional<Header> readHeader(QByteArrayView file);

    enum class Framing { Framed, Unframed };

    WmfPlayer(MetafileCanvas &canvas, quint16 objects, Framing framing, qint64 pixelLimit);

    void play(const MetafileRecord &record);
    qint64 skippedRecords() const { return m_skipped; }

private:
    bool drawFigure(quint32 type, const ByteReader &r);
    bool setState(quint32 type, const ByteReader &r);
    bool setMapping(quint32 type, const ByteReader &r);
    bool useObject(quint32 type, const ByteReader &r);
    bool text(quint32 type, const ByteReader &r);
    bool bitmap(quint32 type, const ByteReader &r);
    void add(MetafileObject object);

    MetafileCanvas &m_canvas;
    MetafileObjectTable m_objects;
    Framing m_framing;
    qint64 m_pixelLimit;
    qint64 m_skipped = 0;
};

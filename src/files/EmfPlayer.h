#pragma once

#include "files/ByteReader.h"
#include "files/MetafileCanvas.h"
#include "files/MetafileObjects.h"
#include "files/MetafileRecordWalker.h"

#include <QRect>
#include <QSize>

#include <optional>

// Plays the records of an enhanced metafile onto a canvas.
//
// Drawn: lines, polylines, polygons, poly-polygons and Béziers (32- and
// 16-bit forms, the -TO forms from the current position), rectangles, round
// rectangles, ellipses, arcs, chords, pies, ANGLEARC, ARCTO, SETPIXELV,
// paths (BEGINPATH .. FILLPATH, STROKEPATH, STROKEANDFILLPATH,
// SELECTCLIPPATH), EXTTEXTOUTW/A with character widths, BITBLT, STRETCHBLT,
// SETDIBITSTODEVICE, STRETCHDIBITS, FILLRGN and PAINTRGN.
// State: pens (CREATEPEN, EXTCREATEPEN), brushes (solid, hatched, DIB
// pattern), fonts (EXTCREATEFONTINDIRECTW), stock objects, select and delete,
// mapping modes with window and viewport origins and extents and their
// scaling, the world transform, SaveDC/RestoreDC, clipping (rectangles,
// paths, regions, offset), SETROP2, colours, background mode, text
// alignment, fill mode, arc direction, miter limit.
// Skipped as drawing nothing: comments (EMF+ among them), palettes, colour
// management and other settings without a visible effect. Anything else is
// skipped and counted.
class EmfPlayer
{
public:
    struct Header
    {
        QRect bounds; // device pixels, inclusive
        QRect frame; // 0.01 mm, inclusive
        QSize device; // the reference device in pixels
        QSizeF millimetres; // and in millimetres
        quint16 handles = 0;
        qint64 headerSize = 0;
    };

    static std::optional<Header> readHeader(QByteArrayView file);

    EmfPlayer(MetafileCanvas &canvas, const Header &header, qint64 pixelLimit);

    void play(const MetafileRecord &record);
    qint64 skippedRecords() const { return m_skipped; }

private:
    bool drawFigure(quint32 type, const ByteReader &r);
    bool drawPolys(quint32 type, const ByteReader &r);
    bool setState(quint32 type, const ByteReader &r);
    bool setMapping(quint32 type, const ByteReader &r);
    bool useObject(quint32 type, const ByteReader &r);
    bool usePath(quint32 type, const ByteReader &r);
    bool clip(quint32 type, const ByteReader &r);
    bool text(quint32 type, const ByteReader &r);
    bool bitmap(quint32 type, const ByteReader &r);
    bool region(quint32 type, const ByteReader &r);
    QImage dib(const ByteReader &r, qint64 offInfo, qint64 sizeInfo, qint64 offBits,
        qint64 sizeBits, quint32 usage) const;

    MetafileCanvas &m_canvas;
    MetafileObjectTable m_objects;
    qint64 m_pixelLimit;
    qint64 m_skipped = 0;
};

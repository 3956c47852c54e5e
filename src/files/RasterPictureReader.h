#pragma once

#include "files/PictureFormatReader.h"

class PictureHeader;

// JPEG, GIF, PNG, BMP, DIB, ICO and CUR files through Qt's decoders. The
// format is told from the bytes, never from the name, and handed to Qt by
// name, so no other plugin gets to guess at a damaged file. Before anything
// is decoded the picture's size is read from its header and refused when it
// is too large for the canvas; after decoding, a file that stops before its
// picture ends is reported as incomplete (see PictureCompleteness).
class RasterPictureReader : public PictureFormatReader
{
public:
    enum class Kind { None, Jpeg, Gif, Png, Bmp, Dib, Icon };

    static Kind kindOf(QByteArrayView bytes);

    bool recognises(QByteArrayView bytes) const override;
    LoadedPicture read(const QByteArray &bytes, ColourValue background) const override;

private:
    LoadedPicture readBitmapOrIcon(const QByteArray &bytes, ColourValue background) const;
    LoadedPicture readBitmap(
        const QByteArray &bytes, const PictureHeader &header, ColourValue background) const;
    LoadedPicture readCompressed(const QByteArray &bytes, Kind kind, ColourValue background) const;
};

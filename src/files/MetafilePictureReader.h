#pragma once

#include "files/PictureFormatReader.h"

// Windows metafiles (WMF, placeable or not, and EMF). They are drawings, not
// pixels, and no library draws them faithfully, so the program plays them
// itself; until its player is written, this reader recognises them (so that
// they are not called "not a picture") and refuses them plainly.
class MetafilePictureReader : public PictureFormatReader
{
public:
    enum class Kind { None, Wmf, Emf };

    static Kind kindOf(QByteArrayView bytes);

    bool recognises(QByteArrayView bytes) const override;
    LoadedPicture read(const QByteArray &bytes, ColourValue background) const override;
};

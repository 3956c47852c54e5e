#pragma once

#include "files/PictureFormatReader.h"

// Windows metafiles (WMF, placeable or not, and EMF). They are drawings, not
// pixels, and no library draws them faithfully, so the program plays them
// itself (MetafilePlayer) at the metafile's own size over the background.
class MetafilePictureReader : public PictureFormatReader
{
public:
    bool recognises(QByteArrayView bytes) const override;
    LoadedPicture read(const QByteArray &bytes, ColourValue background) const override;
};

#pragma once

#include "base/ColourValue.h"
#include "files/PictureReader.h"

#include <QByteArray>
#include <QByteArrayView>

// One family of picture files the Open command reads. PictureReader asks each
// reader in turn whether it recognises the file's first bytes and hands the
// whole file to the first that does, so a new format (the metafile player)
// is one more reader in the list, not another branch in the open path.
class PictureFormatReader
{
public:
    virtual ~PictureFormatReader() = default;

    // Whether the bytes look like this reader's format (a signature, not a
    // file name): cheap, and never reads past the bytes.
    virtual bool recognises(QByteArrayView bytes) const = 0;

    // The picture, flattened onto `background`, or why not. Called only with
    // bytes this reader recognised.
    virtual LoadedPicture read(const QByteArray &bytes, ColourValue background) const = 0;
};

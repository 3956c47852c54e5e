#include "files/MetafilePictureReader.h"

#include "files/ByteReader.h"
#include "files/PictureReadReason.h"

namespace {

constexpr quint32 PlaceableKey = 0x9AC6CDD7;
constexpr quint32 EmfHeaderRecord = 1;
constexpr qint64 EmfSignatureOffset = 40;
// A standard WMF header is nine 16-bit words; its type is 1 (in memory) or 2 (on disk).
constexpr quint16 WmfHeaderWords = 9;

bool isWmf(const ByteReader &bytes)
{
    if (bytes.u32le(0) == PlaceableKey)
        return true;
    const auto type = bytes.u16le(0), headerWords = bytes.u16le(2);
    return (type == 1 || type == 2) && headerWords == WmfHeaderWords;
}

bool isEmf(const ByteReader &bytes)
{
    return bytes.u32le(0) == EmfHeaderRecord && bytes.matches(EmfSignatureOffset, " EMF");
}

}

MetafilePictureReader::Kind MetafilePictureReader::kindOf(QByteArrayView bytes)
{
    const ByteReader reader(bytes);
    if (isEmf(reader))
        return Kind::Emf;
    return isWmf(reader) ? Kind::Wmf : Kind::None;
}

bool MetafilePictureReader::recognises(QByteArrayView bytes) const
{
    return kindOf(bytes) != Kind::None;
}

LoadedPicture MetafilePictureReader::read(const QByteArray &, ColourValue) const
{
    LoadedPicture picture;
    picture.outcome = LoadedPicture::Outcome::Refused;
    picture.reason = PictureReadReason::metafilesNotYetSupported();
    return picture;
}

#include "files/MetafilePictureReader.h"

#include "files/MetafilePlayer.h"

bool MetafilePictureReader::recognises(QByteArrayView bytes) const
{
    return MetafilePlayer::kindOf(bytes) != MetafilePlayer::Kind::None;
}

LoadedPicture MetafilePictureReader::read(const QByteArray &bytes, ColourValue background) const
{
    using Outcome = MetafilePlayer::Playback::Outcome;
    const MetafilePlayer::Playback playback
        = MetafilePlayer::play(bytes, background, PictureReader::allocationLimit() / 4);
    LoadedPicture picture;
    picture.reason = playback.reason;
    switch (playback.outcome) {
    case Outcome::Whole:
        picture.outcome = LoadedPicture::Outcome::Whole;
        picture.image = playback.image;
        break;
    case Outcome::Incomplete:
        picture.outcome = LoadedPicture::Outcome::Incomplete;
        picture.image = playback.image;
        break;
    case Outcome::Refused:
        picture.outcome = LoadedPicture::Outcome::Refused;
        break;
    }
    return picture;
}

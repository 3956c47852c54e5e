#pragma once

#include <QImage>

// The system clipboard as the Copy and Paste commands see it: a picture in,
// a picture out. The windows provide it over the toolkit's clipboard; tests
// may provide their own.
class PictureClipboard
{
public:
    virtual ~PictureClipboard() = default;
    // The picture on the clipboard; null when it holds none.
    virtual QImage image() const = 0;
    // Empties the clipboard and puts `image` on it.
    virtual void setImage(const QImage &image) = 0;
};

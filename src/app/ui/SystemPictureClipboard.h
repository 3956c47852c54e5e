#pragma once

#include "document/PictureClipboard.h"

// The system clipboard's picture, so pictures move between this program and others.
class SystemPictureClipboard : public PictureClipboard
{
public:
    QImage image() const override;
    void setImage(const QImage &image) override;
};

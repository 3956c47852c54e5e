#include "app/ui/SystemPictureClipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

QImage SystemPictureClipboard::image() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasImage())
        return {};
    return QGuiApplication::clipboard()->image();
}

void SystemPictureClipboard::setImage(const QImage &image)
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setImage(image);
}

#include "files/ViewerLayout.h"

#include "files/PreviewLayout.h"

namespace ViewerLayout {

QPoint pictureOrigin(QSize inner, QSize picture)
{
    return QPoint(int(PreviewLayout::centreOrPin(inner.width(), picture.width())),
        int(PreviewLayout::centreOrPin(inner.height(), picture.height())));
}

QRect helpPlacement(QSize screen)
{
    return QRect(screen.width() - 5355, 30, 5325, screen.height() - 750);
}

QSize helpMinimum()
{
    return QSize(1845, 1125);
}

QRect helpTextBox(QSize inner)
{
    if (inner.width() <= 270 || inner.height() <= 330)
        return {};
    return QRect(120, 150, inner.width() - 240, inner.height() - 300);
}

}

#include "tools/ui/PickerWidget.h"

#include "raster/PictureSurface.h"
#include "tools/PaletteStyles.h"

#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

PickerWidget::PickerWidget(const PaletteStyles &model, StylePicker picker, QWidget *parent)
    : QWidget(parent)
    , m_model(model)
    , m_picker(picker)
{
    setObjectName(picker.objectName());
    setToolTip(picker.toolTip());
    const QImage &sample = model.sample(picker).Image();
    setFixedSize(sample.width() + 2 * Border, sample.height() + 2 * Border);
    setCursor(Qt::PointingHandCursor);
}

bool PickerWidget::isRaised() const
{
    return m_model.highlighted(m_picker.set) == m_picker.number;
}

void PickerWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage &sample = m_model.sample(m_picker).Image();
    // Drawn at its own size in device-independent pixels, without smoothing:
    // one-pixel dashes stay sharp.
    painter.drawImage(QRect(QPoint(Border, Border), sample.size()), sample);
    if (isRaised()) {
        qDrawShadePanel(&painter, rect(), palette(), false, Border);
    } else {
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void PickerWidget::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked(m_picker);
}

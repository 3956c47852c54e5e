#pragma once

#include "tools/StylePicker.h"

#include <QWidget>

class PaletteStyles;

// One style picker: shows its sample from the palette model pixel for pixel,
// raised when its style is the chosen one, and passes clicks on.
class PickerWidget : public QWidget
{
    Q_OBJECT
public:
    // The sample plus a two-pixel frame on each side.
    static constexpr int Border = 2;

    PickerWidget(const PaletteStyles &model, StylePicker picker, QWidget *parent = nullptr);

    StylePicker picker() const { return m_picker; }
    bool isRaised() const;

signals:
    void clicked(StylePicker picker);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    const PaletteStyles &m_model;
    StylePicker m_picker;
};

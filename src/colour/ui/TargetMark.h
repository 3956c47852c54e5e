#pragma once

#include <QWidget>

// One outline of the pair that marks the palette target inside a colour well
// (`Shape1`..`Shape6`). A dark and a light outline together show on any
// colour. Clicks pass through to the well.
class TargetMark : public QWidget
{
    Q_OBJECT
public:
    enum class Tone { Dark, Light };

    // Covers `parent` but the outer `inset` pixels.
    TargetMark(const QString &name, Tone tone, int inset, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Tone m_tone;
};

#pragma once

#include "base/ColourValue.h"

#include <QColor>
#include <QString>

#include <optional>

class QWidget;

// The colour dialog shared by the wells and the Edit menu (`dlgCommonDialog`).
// It opens on the colour chosen last time, not on the well's colour, and
// offers custom colours, which last as long as the program runs.
class ColourDialog
{
public:
    // The chosen colour, or nothing when the user cancels.
    std::optional<ColourValue> ask(QWidget *parent, const QString &title);

private:
    QColor m_last = Qt::black;
};

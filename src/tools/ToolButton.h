#pragma once

#include <QPoint>
#include <QString>

#include <array>

// One of the sixteen tool buttons `Command1`..`Command16`: its tooltip, the
// tool code it stores in hTool and where the selection marker goes when it is
// chosen (Left, Top in twips). The marker positions are also the buttons'
// places: two columns, eight rows.
struct ToolButton
{
    int number = 0;
    QString toolTip;
    int code = 0;
    QPoint marker;

    QString objectName() const { return QStringLiteral("Command") + QString::number(number); }
};

namespace ToolButtons {

inline constexpr int Count = 16;

const std::array<ToolButton, Count> &all();
// Button 1..16; any other number gives button 1.
const ToolButton &button(int number);
// The button whose marker position this is, 0 when none.
int atMarker(QPoint marker);
// Column 0 or 1 and row 0..7 of a button in the palette's grid.
int column(const ToolButton &button);
int row(const ToolButton &button);

}

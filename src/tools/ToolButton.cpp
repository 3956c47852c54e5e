#include "tools/ToolButton.h"

#include "tools/ToolCode.h"

#include <algorithm>

namespace ToolButtons {

namespace {

constexpr int LeftColumn = 300;
constexpr std::array<int, 8> RowTops { 250, 560, 880, 1210, 1540, 1870, 2200, 2540 };

}

const std::array<ToolButton, Count> &all()
{
    using namespace ToolCode;
    static const std::array<ToolButton, Count> buttons { {
        { 1, QStringLiteral("选择图片"), SelectRegion, { 300, 250 } },
        { 2, QStringLiteral("直线"), Line, { 750, 250 } },
        { 3, QStringLiteral("(椭)圆形(框)"), Ellipse, { 300, 560 } },
        { 4, QStringLiteral("方形(框)"), Rectangle, { 750, 560 } },
        { 5, QStringLiteral("连线"), Polyline, { 300, 880 } },
        { 6, QStringLiteral("划线"), Freehand, { 750, 880 } },
        { 7, QStringLiteral("渐变色(椭)圆形"), GradientEllipse, { 300, 1210 } },
        { 8, QStringLiteral("渐变色方形(内外)"), GradientRectangleInsideOut, { 750, 1210 } },
        { 9, QStringLiteral("星点"), StarPoints, { 300, 1540 } },
        { 10, QStringLiteral("弧线(先画出半径，然后按顺时针方向指定弧线末端位置即可)"), Arc,
            { 750, 1540 } },
        { 11, QStringLiteral("渐变色方形"), GradientRectangle, { 300, 1870 } },
        { 12, QStringLiteral("放缩图像"), ScaleImage, { 750, 2540 } },
        { 13, QStringLiteral("文字(输入文字后，点击鼠标右键菜单的“确定”命令即可)"), Text,
            { 300, 2540 } },
        { 14, QStringLiteral("扇形(先画出半径，然后在顺时针方向指定扇形终边位置即可)"), Sector,
            { 750, 1870 } },
        { 15, QStringLiteral("渐变色弧线(先画出半径，然后按顺时针方向指定弧线末端位置即可)"),
            GradientArcSector, { 300, 2200 } },
        { 16, QStringLiteral("渐变色扇形(先画出半径，然后在顺时针方向指定扇形终边位置即可)"),
            GradientArcSector, { 750, 2200 } },
    } };
    return buttons;
}

const ToolButton &button(int number)
{
    if (number < 1 || number > Count)
        number = 1;
    return all()[size_t(number - 1)];
}

int atMarker(QPoint marker)
{
    for (const ToolButton &b : all()) {
        if (b.marker == marker)
            return b.number;
    }
    return 0;
}

int column(const ToolButton &button)
{
    return button.marker.x() == LeftColumn ? 0 : 1;
}

int row(const ToolButton &button)
{
    const auto found = std::find(RowTops.begin(), RowTops.end(), button.marker.y());
    return int(found - RowTops.begin());
}

}

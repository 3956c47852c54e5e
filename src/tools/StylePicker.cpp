#include "tools/StylePicker.h"

#include <array>

namespace {

// Frame pickers 9..15 choose these DrawStyles: 14 is "inside solid" (6), and
// the last is invisible (5).
constexpr std::array<int, 7> FrameStyles { 0, 1, 2, 3, 4, 6, 5 };
// Line pickers 1..6: no invisible style.
constexpr std::array<int, 6> LineStyles { 0, 1, 2, 3, 4, 6 };

const std::array<QString, 8> &fillTips()
{
    static const std::array<QString, 8> tips { QStringLiteral("实心"), QStringLiteral("空心"),
        QStringLiteral("水平线底纹"), QStringLiteral("垂直线底纹"), QStringLiteral("下斜线底纹"),
        QStringLiteral("上斜线底纹"), QStringLiteral("正网格线底纹"),
        QStringLiteral("斜网格线底纹") };
    return tips;
}

const std::array<QString, 7> &frameTips()
{
    static const std::array<QString, 7> tips { QStringLiteral("实框线"), QStringLiteral("虚框线"),
        QStringLiteral("虚框线"), QStringLiteral("虚框线"), QStringLiteral("虚框线"),
        QStringLiteral("内实框线"), QStringLiteral("无框线") };
    return tips;
}

const std::array<QString, 6> &lineTips()
{
    static const std::array<QString, 6> tips { QStringLiteral("实线"), QStringLiteral("虚线"),
        QStringLiteral("点线"), QStringLiteral("点划线"), QStringLiteral("点点划线"),
        QStringLiteral("内实线") };
    return tips;
}

int firstNumber(PickerSet set)
{
    switch (set) {
    case PickerSet::BoxFrame:
    case PickerSet::EllipseFrame:
    case PickerSet::SectorFrame:
        return 9;
    default:
        return 1;
    }
}

int lastNumber(PickerSet set)
{
    switch (set) {
    case PickerSet::Line:
    case PickerSet::GradientLine:
        return 6;
    case PickerSet::BoxFill:
    case PickerSet::EllipseFill:
    case PickerSet::SectorFill:
        return 8;
    default:
        return 15;
    }
}

bool isFrame(PickerSet set)
{
    return firstNumber(set) == 9;
}

}

QString StylePicker::objectName() const
{
    switch (set) {
    case PickerSet::Line:
        return QStringLiteral("Pictureline%1").arg(number);
    case PickerSet::GradientLine:
        return QStringLiteral("Pictureline0%1").arg(number);
    case PickerSet::BoxFill:
    case PickerSet::BoxFrame:
        return QStringLiteral("Picturebox%1").arg(number);
    case PickerSet::EllipseFill:
    case PickerSet::EllipseFrame:
        return QStringLiteral("Picturecircle%1").arg(number);
    case PickerSet::SectorFill:
    case PickerSet::SectorFrame:
        break;
    }
    return QStringLiteral("Picturehu%1").arg(number);
}

QString StylePicker::toolTip() const
{
    if (set == PickerSet::Line || set == PickerSet::GradientLine)
        return lineTips()[size_t(number - 1)];
    if (!isFrame(set))
        return fillTips()[size_t(number - 1)];
    if (set == PickerSet::SectorFrame && number == 15)
        return QStringLiteral("隐线");
    return frameTips()[size_t(number - 9)];
}

int StylePicker::style() const
{
    if (set == PickerSet::Line || set == PickerSet::GradientLine)
        return LineStyles[size_t(number - 1)];
    if (isFrame(set))
        return FrameStyles[size_t(number - 9)];
    return number - 1;
}

PickerSamples::Family StylePicker::sampleFamily() const
{
    using PickerSamples::Family;
    switch (set) {
    case PickerSet::Line:
        return Family::Line;
    case PickerSet::GradientLine:
        return Family::GradientLine;
    case PickerSet::BoxFill:
        return Family::BoxFill;
    case PickerSet::EllipseFill:
        return Family::EllipseFill;
    case PickerSet::SectorFill:
        return Family::SectorFill;
    default:
        return Family::Frame;
    }
}

namespace StylePickers {

StyleKind kindOf(PickerSet set)
{
    switch (set) {
    case PickerSet::BoxFill:
    case PickerSet::EllipseFill:
    case PickerSet::SectorFill:
        return StyleKind::Fill;
    default:
        return StyleKind::Draw;
    }
}

std::vector<StylePicker> of(PickerSet set)
{
    std::vector<StylePicker> pickers;
    for (int n = firstNumber(set); n <= lastNumber(set); ++n)
        pickers.push_back({ set, n });
    return pickers;
}

const std::vector<StylePicker> &all()
{
    static const std::vector<StylePicker> pickers = [] {
        std::vector<StylePicker> list;
        for (int s = 0; s < SetCount; ++s) {
            for (const StylePicker &p : of(PickerSet(s)))
                list.push_back(p);
        }
        return list;
    }();
    return pickers;
}

int numberShowing(PickerSet set, int style)
{
    for (const StylePicker &p : of(set)) {
        if (p.style() == style)
            return p.number;
    }
    return 0;
}

}

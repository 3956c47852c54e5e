#include "document/ModeMenu.h"

#include "raster/RasterOp.h"

#include <cmath>

ModeMenu::ModeMenu(QString name, std::vector<ModeItem> items, double initial)
    : m_name(std::move(name))
    , m_items(std::move(items))
{
    setValue(initial);
}

QString ModeMenu::decimalText(double value)
{
    // Whole numbers as plain digits, never in exponent form. Only a value
    // that fits converts to an integer: NaN, infinities and 2^63 or more do not.
    constexpr double TwoToThe63 = 9223372036854775808.0;
    if (value >= -TwoToThe63 && value < TwoToThe63 && value == std::trunc(value))
        return QString::number(qint64(value));
    return QString::number(value, 'g', 15);
}

void ModeMenu::setValue(double value)
{
    m_tag = decimalText(value);
}

double ModeMenu::value() const
{
    bool ok = false;
    const double v = m_tag.toDouble(&ok);
    return ok ? v : 0;
}

bool ModeMenu::isChecked(const QString &itemName) const
{
    const ModeItem *item = find(itemName);
    return item && !item->isSeparator() && item->value == value();
}

QString ModeMenu::checkedItem() const
{
    for (const ModeItem &item : m_items) {
        if (!item.isSeparator() && item.value == value())
            return item.name;
    }
    return {};
}

const ModeItem *ModeMenu::find(const QString &itemName) const
{
    for (const ModeItem &item : m_items) {
        if (item.name == itemName)
            return &item;
    }
    return nullptr;
}

namespace {

ModeItem separator(const char *name)
{
    return { QString::fromLatin1(name), QStringLiteral("-"), 0, {} };
}

ModeItem item(const char *name, const char *caption, double value, const char *shortcut)
{
    return { QString::fromLatin1(name), QString::fromUtf8(caption), value,
        QString::fromLatin1(shortcut) };
}

}

ModeMenu ModeMenu::drawModeMenu()
{
    return ModeMenu(QStringLiteral("mnudrawmode"),
        {
            item("mnudrawvbblackness", "黑色", 1, "Ctrl+F1"),
            item("mnudrawvbwhiteness", "白色", 16, "Ctrl+F2"),
            item("mnudrawvbcopypen", "前景色", 13, "Ctrl+F3"),
            item("mnudrawvbnop", "输出保持不变", 11, "Ctrl+F4"),
            separator("mnudrawmodbar0"),
            item("mnudrawvbmergepen", "组合颜色(绘图色与背景色)", 15, "Ctrl+F5"),
            item("mnudrawvbmergenotpen", "组合颜色(背景色与反绘图色)", 12, "Ctrl+F6"),
            item("mnudrawvbmergepennot", "组合颜色(绘图色与反背景色)", 14, "Ctrl+F7"),
            item("mnudrawvbxorpen", "组合颜色(绘图色与背景色的合并色)", 7, "Ctrl+F8"),
            item("mnudrawvbmasknotpen", "组合颜色(背景色与反绘图色的共有色)", 3, "Ctrl+F9"),
            item("mnudrawvbmaskpennot", "组合颜色(绘图色与反背景色的共有色)", 5, "Ctrl+F11"),
            item("mnudrawvbmaskpen", "组合颜色(绘图色与显示色的共有色)", 9, "Ctrl+F12"),
            separator("mnudrawmodbar1"),
            item("mnudrawvbnotcopypen", "反前景色", 4, "Shift+F1"),
            item("mnudrawvbinvert", "反绘图色", 6, "Shift+F2"),
            item("mnudrawvbnotmergepen", "反组合色(反绘图色与背景色)", 2, "Shift+F3"),
            item("mnudrawvbnotxorpen", "反组合色(绘图色与背景色的合并色)", 10, "Shift+F4"),
            item("mnudrawvbnotmaskpen", "反组合色(绘图色与显示色的共有色)", 8, "Shift+F5"),
        },
        RasterOp::R2_COPYPEN);
}

ModeMenu ModeMenu::pasteModeMenu()
{
    return ModeMenu(QStringLiteral("mnupastemode"),
        {
            item("mnuvbsrccopy", "覆盖目标位图", 13369376, "Ctrl+Shift+F1"),
            separator("mnudrawmodbar4"),
            item("mnuvbsrcpaint", "组合位图色(原位图色与目标位图色)", 15597702, "Ctrl+Shift+F2"),
            item(
                "mnuvbmergepaint", "组合位图色(反原位图色与目标位图色)", 12255782, "Ctrl+Shift+F3"),
            item("mnuvbsrcinvert", "组合位图色(原位图色与目标位图色的合并色)", 6684742,
                "Ctrl+Shift+F4"),
            item("mnuvbsrcerase", "组合位图色(原位图色与反目标位图色的共有色)", 4457256,
                "Ctrl+Shift+F5"),
            separator("mnudrawmodbar3"),
            item("mnuvbnotsrccopy", "反原位图色", 3342344, "Ctrl+Shift+F6"),
            item("mnuvbdstinvert", "反目标位图色", 5570569, "Ctrl+Shift+F7"),
            item("mnuvbnotsrcerase", "反组合位图色(反原位图色与目标位图色)", 1114278,
                "Ctrl+Shift+F8"),
            item("mnuvbsrcand", "反组合位图色(反原位图色与目标位图色的共有色)", 8913094,
                "Ctrl+Shift+F9"),
        },
        RasterOp::SRCCOPY);
}

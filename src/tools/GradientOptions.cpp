#include "tools/GradientOptions.h"

namespace {

// Tops of the first two options (twips): the arc and text layouts give the
// four options two rows of their own.
constexpr int DanJingTop = 1290, ShuangJingTop = 1635;
constexpr int DanJingTopHigh = 1170, ShuangJingTopHigh = 1605;

}

GradientOptions::Kind GradientOptions::kindFromText(const QString &text)
{
    if (text == QLatin1String("zhu"))
        return Kind::Zhu;
    if (text == QLatin1String("hu"))
        return Kind::Hu;
    if (text == QLatin1String("word"))
        return Kind::Word;
    return Kind::Plain;
}

GradientOptions::GradientOptions()
{
    m_options[DanJing] = { QStringLiteral("hOptionDanJing"), QStringLiteral("单径"),
        QStringLiteral("单向渐变"), DanJingTop, false };
    m_options[ShuangJing] = { QStringLiteral("hOptionShuangJing"), QStringLiteral("双径"),
        QStringLiteral("双向径向"), ShuangJingTop, false };
    m_options[DanZong] = { QStringLiteral("hOptionDanZong"), QStringLiteral("单纵"),
        QStringLiteral("纵向渐变"), DanJingTopHigh, false };
    m_options[ShuangZong] = { QStringLiteral("hOptionShuangZong"), QStringLiteral("双纵"),
        QStringLiteral("双向纵向渐变"), ShuangJingTopHigh, false };
}

void GradientOptions::setOption(Option which, const QString &caption, const QString &toolTip)
{
    m_options[which].caption = caption;
    m_options[which].toolTip = toolTip;
}

void GradientOptions::show(Kind kind)
{
    const bool high = kind == Kind::Hu || kind == Kind::Word;
    m_wellsVisible = true;
    m_angleBoxVisible = kind == Kind::Zhu || kind == Kind::Word;
    m_widthBoxVisible = !m_angleBoxVisible;
    m_text1Visible = kind != Kind::Word;
    m_options[DanJing].top = high ? DanJingTopHigh : DanJingTop;
    m_options[ShuangJing].top = high ? ShuangJingTopHigh : ShuangJingTop;
    if (kind == Kind::Hu) {
        setOption(DanJing, QStringLiteral("单径"), QStringLiteral("单向径向渐变"));
        setOption(ShuangJing, QStringLiteral("双径"), QStringLiteral("双向径向渐变"));
        setOption(DanZong, QStringLiteral("单纵"), QStringLiteral("单向纵向渐变"));
    } else {
        setOption(DanJing, QStringLiteral("单向"), QStringLiteral("单向渐变"));
        setOption(ShuangJing, QStringLiteral("双向"), QStringLiteral("双向渐变"));
    }
    if (kind == Kind::Word)
        setOption(DanZong, QStringLiteral("不变"), QStringLiteral("不渐变"));
    m_options[DanJing].visible = true;
    m_options[ShuangJing].visible = true;
    m_options[DanZong].visible = high;
    m_options[ShuangZong].visible = kind == Kind::Hu;
    m_selected = kind == Kind::Word ? NoOption : int(DanJing);
}

void GradientOptions::hide()
{
    m_wellsVisible = false;
    m_angleBoxVisible = false;
    m_widthBoxVisible = false;
    m_text1Visible = false;
    for (OptionButton &option : m_options)
        option.visible = false;
}

void GradientOptions::select(int option)
{
    m_selected = option >= 0 && option < OptionCount ? option : NoOption;
}

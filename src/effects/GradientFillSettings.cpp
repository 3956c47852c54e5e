#include "effects/GradientFillSettings.h"

#include "base/DigitsOnly.h"

#include <cmath>

namespace GradientFillRules {

QString widthText(const QString &text, std::optional<double> selectionWidth)
{
    const QString digits = DigitsOnly(text);
    if (digits.isEmpty())
        return QStringLiteral("0");
    if (selectionWidth) {
        const double half = std::floor(*selectionWidth / 2);
        if (digits.toDouble() > half)
            return QString::number(qint64(half));
    }
    return digits;
}

QString angleText(const QString &text)
{
    const QString digits = DigitsOnly(text);
    if (digits.isEmpty() || digits.toDouble() >= 180)
        return QStringLiteral("0");
    return digits;
}

}

void GradientFillSettings::SetGradientKind(int kind)
{
    if (kind >= 1 && kind <= KindCount)
        m_kind = kind;
}

void GradientFillSettings::chooseStartColour(ColourValue colour)
{
    m_start = m_startWell = colour & 0xFFFFFF;
}

void GradientFillSettings::chooseEndColour(ColourValue colour)
{
    m_end = m_endWell = colour & 0xFFFFFF;
}

QString GradientFillSettings::setWidthText(
    const QString &text, std::optional<double> selectionWidth)
{
    m_widthText = GradientFillRules::widthText(text, selectionWidth);
    return m_widthText;
}

QString GradientFillSettings::setAngleText(const QString &text)
{
    m_angleText = GradientFillRules::angleText(text);
    m_angle = m_angleText.toDouble();
    return m_angleText;
}

GradientPlan GradientFillSettings::planFor(double selectionWidth, double selectionHeight) const
{
    // The working rectangle starts two twips in, as the dialog always drew it.
    const GradientBox box { 2, 2, selectionWidth, selectionHeight };
    GradientRun run;
    run.start = m_start;
    run.end = m_end;
    run.form = m_kind % 2 == 1 ? GradientForm::OneWay : GradientForm::TwoWay;
    run.bandWidth = m_widthText.toDouble();
    run.innermostRadius = 2;
    if (m_kind <= 2)
        return GradientPlan::ellipse(box, run);
    if (m_kind <= 4)
        return GradientPlan::insideOutRectangle(box, run);
    return GradientPlan::directionalRectangle(box, run, m_angle);
}

int GradientFillSettings::lineWidthFor(int paletteWidth) const
{
    switch (m_kind) {
    case 1:
        return paletteWidth;
    case 2:
        return 2;
    default:
        return 1;
    }
}

#include "tools/ToolPaletteModel.h"

#include <cmath>

ToolPaletteModel::ToolPaletteModel(QObject *parent)
    : QObject(parent)
{ }

void ToolPaletteModel::setText1(const QString &text)
{
    if (text == m_text1)
        return;
    m_text1 = text;
    emit text1Changed();
}

std::optional<int> ToolPaletteModel::lineWidth() const
{
    bool ok = false;
    const double value = m_text1.trimmed().toDouble(&ok);
    if (!ok)
        return std::nullopt;
    if (value >= 32767)
        return 32767;
    if (value <= -32768)
        return -32768;
    return int(std::nearbyint(value));
}

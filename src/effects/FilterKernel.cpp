#include "effects/FilterKernel.h"

#include "base/RoundHalfEven.h"
#include "effects/FilterNumericText.h"

#include <QRegularExpression>

#include <cmath>

namespace {

double valueOf(const QString &text)
{
    return FilterKernel::numberIn(text).value_or(0);
}

// A number as text the boxes take back: no exponent, no trailing zeros.
QString textOf(double value)
{
    if (value == std::floor(value) && std::abs(value) < 1e15)
        return QString::number(qint64(value));
    QString text = QString::number(value, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

}

std::optional<double> FilterKernel::numberIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^-?(\\d+\\.?\\d*|\\.\\d+)$"));
    if (!number.match(text).hasMatch())
        return std::nullopt;
    // QString reads the C locale's point whatever the user's locale is.
    bool ok = false;
    const double value = text.toDouble(&ok);
    // Only hundreds of digits fail to convert; such a number is as good as infinite.
    if (!ok || !std::isfinite(value))
        return text.startsWith(QLatin1Char('-')) ? -1e300 : 1e300;
    return value;
}

bool FilterKernel::isOuterCell(int cell)
{
    const int row = rowOf(cell);
    const int column = columnOf(cell);
    return row == 1 || row == 5 || column == 1 || column == 5;
}

void FilterKernel::SetKernelSize(int radius)
{
    m_radius = radius == 1 ? 1 : 2;
    if (m_radius == 1) {
        for (int cell = 1; cell <= Cells; ++cell) {
            if (isOuterCell(cell))
                m_cells[size_t(cell - 1)].clear();
        }
    }
}

QString FilterKernel::cellChanged(int cell, const QString &text)
{
    if (cell < 1 || cell > Cells)
        return text;
    const QString kept = FilterNumericText(text, QLatin1Char('-'));
    m_cells[size_t(cell - 1)] = kept;
    return kept;
}

QString FilterKernel::divisorChanged(const QString &text)
{
    QString kept = text.isEmpty() ? QStringLiteral("0") : text;
    if (valueOf(kept) < 1 && numberIn(kept))
        kept = QStringLiteral("1");
    m_divisorText = kept;
    m_divisor = roundHalfEven(valueOf(kept));
    return kept;
}

QString FilterKernel::addendChanged(const QString &text)
{
    QString kept = text;
    if (kept.isEmpty() || kept == QLatin1String("-"))
        kept = QStringLiteral("0");
    if (numberIn(kept)) {
        if (valueOf(kept) < -255)
            kept = QStringLiteral("-255");
        else if (valueOf(kept) > 255)
            kept = QStringLiteral("255");
    }
    m_addendText = kept;
    return kept;
}

QString FilterKernel::stepped(const QString &text, int delta)
{
    return textOf(valueOf(text) + delta);
}

Convolution FilterKernel::convolution() const
{
    Convolution c;
    c.radius = m_radius;
    for (int cell = 1; cell <= Cells; ++cell)
        c.setWeight(rowOf(cell) - 3, columnOf(cell) - 3, valueOf(cellText(cell)));
    c.divisor = m_divisor == 0 ? 1 : double(m_divisor);
    c.addend = valueOf(m_addendText);
    return c;
}

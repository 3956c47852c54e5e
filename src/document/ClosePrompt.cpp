#include "document/ClosePrompt.h"

#include <cstdlib>

namespace ClosePrompt {

QString question()
{
    return QStringLiteral("保存对此文件的更改吗？");
}

int padding(const QString &caption)
{
    return int(std::abs(caption.size() - 22) / 2) + 10;
}

QString text(const QString &caption)
{
    const QString blanks(padding(caption), QLatin1Char(' '));
    return QLatin1Char('\r') + blanks + question() + blanks + QLatin1Char('\r');
}

}

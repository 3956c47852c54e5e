#include "document/ClosePrompt.h"

#include "base/CentredText.h"

namespace ClosePrompt {

QString question()
{
    return QStringLiteral("保存对此文件的更改吗？");
}

int padding(const QString &caption)
{
    return CentredText::blanks(caption, 22, 10);
}

QString text(const QString &caption)
{
    return CentredText::framed(question(), padding(caption));
}

}

#include "widgets/MessageButtons.h"

#include <QAbstractButton>
#include <QMessageBox>

void useChineseButtonTexts(QMessageBox &box)
{
    const struct
    {
        QMessageBox::StandardButton button;
        const char *text;
    } captions[] = {
        { QMessageBox::Yes, "是(&Y)" },
        { QMessageBox::No, "否(&N)" },
        { QMessageBox::Cancel, "取消" },
        { QMessageBox::Ok, "确定" },
        { QMessageBox::Retry, "重试(&R)" },
        { QMessageBox::Abort, "中止(&A)" },
        { QMessageBox::Ignore, "忽略(&I)" },
    };
    for (const auto &caption : captions) {
        if (QAbstractButton *button = box.button(caption.button))
            button->setText(QString::fromUtf8(caption.text));
    }
}

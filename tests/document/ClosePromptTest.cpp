#include "document/ClosePrompt.h"

#include <gtest/gtest.h>

TEST(ClosePrompt, CentresTheQuestionForTheCaptionLength)
{
    struct Case
    {
        QString caption;
        int padding;
    };
    const Case cases[] = {
        { QStringLiteral("New Picture 1"), 14 }, // 13 characters: |13 - 22| / 2 = 4.5 -> 4
        { QString(22, QLatin1Char('x')), 10 },
        { QString(23, QLatin1Char('x')), 10 },
        { QString(24, QLatin1Char('x')), 11 },
        { QStringLiteral("/home/user/pictures/holiday/2024/beach-sunset.bmp"), 23 },
        { QString(), 21 },
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClosePrompt::padding(c.caption), c.padding) << c.caption.toStdString();
}

TEST(ClosePrompt, FramesThePaddedQuestionWithCarriageReturns)
{
    const QString blanks(14, QLatin1Char(' '));
    EXPECT_EQ(ClosePrompt::text(QStringLiteral("New Picture 1")),
        QStringLiteral("\r") + blanks + QStringLiteral("保存对此文件的更改吗？") + blanks
            + QStringLiteral("\r"));
}

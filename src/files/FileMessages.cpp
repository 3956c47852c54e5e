#include "files/FileMessages.h"

#include "base/CentredText.h"

#include <QFileInfo>

namespace FileMessages {

namespace {

FileMessage retryOrCancel(const QString &title, const QString &text, const QString &name)
{
    FileMessage message;
    message.title = title;
    message.text = text;
    message.buttons = FileMessage::Buttons::RetryCancel;
    message.defaultAnswer = FileMessage::Answer::Retry;
    message.name = name;
    return message;
}

FileMessage notice(const QString &title, const QString &text, const QString &name)
{
    FileMessage message;
    message.title = title;
    message.text = text;
    message.name = name;
    return message;
}

QString shortName(const QString &fileName)
{
    const QString name = QFileInfo(fileName).fileName();
    return name.isEmpty() ? fileName : name;
}

}

FileMessage notFound(const QString &fileName, const QString &windowCaption)
{
    const QString text = QStringLiteral("找不到指定文件！");
    return retryOrCancel(fileName,
        CentredText::framed(text, CentredText::blanks(windowCaption, 16, 2)),
        QStringLiteral("FileNotFound"));
}

FileMessage readOnly(const QString &caption)
{
    const QString text = QStringLiteral("文件只读！");
    return retryOrCancel(caption, CentredText::framed(text, CentredText::blanks(caption, 10, 2)),
        QStringLiteral("FileReadOnly"));
}

FileMessage readOnlyInSaveAll(const QString &caption)
{
    const QString text = QStringLiteral("    文件只读！");
    FileMessage message
        = retryOrCancel(caption, CentredText::framed(text, CentredText::blanks(caption, 10, 2)),
            QStringLiteral("FileReadOnly"));
    message.buttons = FileMessage::Buttons::AbortRetryIgnore;
    return message;
}

FileMessage textTooLong()
{
    return notice(QStringLiteral("Tessara 3.0"), QStringLiteral("\r       文件过长！"),
        QStringLiteral("TextTooLong"));
}

FileMessage textFailed(const QString &reason)
{
    return notice(QStringLiteral("Tessara 3.0"), QStringLiteral("\r    ") + reason,
        QStringLiteral("FileError"));
}

FileMessage failed(const QString &reason)
{
    return notice(QStringLiteral("Tessara 3.0"), reason, QStringLiteral("FileError"));
}

FileMessage refused(const QString &fileName, const QString &reason)
{
    return notice(fileName, QStringLiteral("无法打开“%1”：%2").arg(shortName(fileName), reason),
        QStringLiteral("FileRefused"));
}

FileMessage incomplete(const QString &fileName, const QString &reason)
{
    return notice(fileName, QStringLiteral("“%1”：%2").arg(shortName(fileName), reason),
        QStringLiteral("FileIncomplete"));
}

FileMessage driveNotReady(const QString &driveName)
{
    return retryOrCancel(
        driveName.toUpper(), QStringLiteral("驱动器未准备好！"), QStringLiteral("DriveNotReady"));
}

FileMessage notSaved(const QString &caption)
{
    return notice(
        caption, QStringLiteral("\r  文件尚未存盘！    \r"), QStringLiteral("FileNotSaved"));
}

}

#include "files/FileProperties.h"

#include <QDateTime>
#include <QFileInfo>

namespace FileProperties {

QString sizeText(qint64 bytes)
{
    return QString::number(bytes) + QStringLiteral(" 字节");
}

QString typeText(const QString &caption)
{
    return caption.right(4) + QStringLiteral(" 文件");
}

QString folderOf(const QString &caption)
{
    return caption.left(caption.lastIndexOf(QLatin1Char('/')) + 1);
}

QString timeText(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy/M/d H:mm:ss"));
}

FilePropertiesResult load(const QString &caption)
{
    FilePropertiesResult result;
    const QFileInfo info(caption);
    if (caption.isEmpty() || !info.exists()) {
        result.message = FileMessages::notSaved(caption);
        return result;
    }
    const std::optional<DosAttributes::State> attributes = DosAttributes::read(caption);
    if (!info.isFile() || !attributes) {
        result.message
            = FileMessages::failed(QStringLiteral("无法读取“%1”的属性。\r").arg(caption));
        return result;
    }
    FileFacts facts;
    facts.name = caption;
    facts.size = sizeText(info.size());
    facts.modified = timeText(info.lastModified());
    facts.attributes = *attributes;
    facts.type = typeText(caption);
    facts.folder = folderOf(caption);
    result.facts = facts;
    return result;
}

}

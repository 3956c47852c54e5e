#include "files/PictureReadReason.h"

namespace PictureReadReason {

QString notFound()
{
    return QStringLiteral("找不到指定文件");
}

QString unreadable(const QString &systemReason)
{
    return QStringLiteral("无法读取文件：%1").arg(systemReason);
}

QString folder()
{
    return QStringLiteral("这是一个文件夹，不是图片文件");
}

QString notAFile()
{
    return QStringLiteral("这不是一个普通文件，不能作为图片打开");
}

QString empty()
{
    return QStringLiteral("文件是空的（0 字节），不是图片");
}

QString notAPicture()
{
    return QStringLiteral("不是可以识别的图片格式");
}

QString tooLarge(qint64 width, qint64 height)
{
    return QStringLiteral("图片太大：%1×%2 像素（每边最多 32767 像素，总共最多 268435456 像素）")
        .arg(width)
        .arg(height);
}

QString fileTooLarge(qint64 bytes)
{
    return QStringLiteral("文件太大：%1 字节，超出了可以打开的图片大小").arg(bytes);
}

QString unsupportedBitDepth(int bits)
{
    return QStringLiteral("不支持的位深度：每像素 %1 位").arg(bits);
}

QString unsupportedCompression()
{
    return QStringLiteral("不支持的压缩方式");
}

QString damaged(const QString &what)
{
    return QStringLiteral("文件已损坏：%1").arg(what);
}

QString incomplete()
{
    return QStringLiteral("文件不完整：它在图片结束之前就断了，只显示了能读出的部分");
}

}

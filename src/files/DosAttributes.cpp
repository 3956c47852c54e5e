#include "files/DosAttributes.h"

#include <QFile>

#include <cerrno>
#include <sys/xattr.h>

namespace DosAttributes {

namespace {

constexpr char Name[] = "user.DOSATTRIB";
constexpr int Ours = ReadOnly | Hidden | System | Archive;

enum class Support { Yes, No, Failed };

// The stored value, empty when there is none; Support::No when the file
// system has no user extended attributes.
Support readValue(const QByteArray &path, QByteArray &value)
{
    value.clear();
    const ssize_t size = getxattr(path.constData(), Name, nullptr, 0);
    if (size < 0) {
        if (errno == ENODATA)
            return Support::Yes;
        return errno == ENOTSUP ? Support::No : Support::Failed;
    }
    value.resize(size);
    const ssize_t length = getxattr(path.constData(), Name, value.data(), size_t(size));
    if (length < 0)
        return Support::Failed;
    value.resize(length);
    return Support::Yes;
}
}

qint16 word(bool readOnly, bool hidden, bool system, bool archive)
{
    return qint16(int(readOnly) * ReadOnly + int(hidden) * Hidden + int(system) * System
        + int(archive) * Archive);
}

QByteArray encode(int word)
{
    QByteArray value = "0x" + QByteArray::number(word, 16);
    value.append('\0');
    return value;
}

std::optional<int> decode(const QByteArray &value)
{
    const qsizetype end = value.indexOf('\0');
    const QByteArray text = end < 0 ? value : value.left(end);
    if (!text.startsWith("0x") || text.size() < 3)
        return std::nullopt;
    bool ok = false;
    const uint parsed = text.mid(2).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return int(parsed);
}

std::optional<State> read(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return std::nullopt;
    State state;
    if (!(file.permissions() & QFileDevice::WriteOwner))
        state.word |= ReadOnly;
    QByteArray value;
    const Support support = readValue(QFile::encodeName(path), value);
    state.extended = support != Support::No;
    if (const auto stored = decode(value))
        state.word |= *stored & (Hidden | System | Archive);
    return state;
}

bool write(const QString &path, int word)
{
    QFile file(path);
    QFileDevice::Permissions permissions = file.permissions();
    const QFileDevice::Permissions writable = QFileDevice::WriteOwner | QFileDevice::WriteUser
        | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (word & ReadOnly)
        permissions &= ~writable;
    else
        permissions |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    bool ok = file.setPermissions(permissions);

    const QByteArray name = QFile::encodeName(path);
    QByteArray value;
    switch (readValue(name, value)) {
    case Support::No:
        return ok;
    case Support::Failed:
        return false;
    case Support::Yes:
        break;
    }
    const int kept = decode(value).value_or(0) & ~Ours;
    const QByteArray stored = encode(kept | (word & Ours));
    ok = setxattr(name.constData(), Name, stored.constData(), size_t(stored.size()), 0) == 0 && ok;
    return ok;
}

}

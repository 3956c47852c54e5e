#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The four attributes of the file-properties dialog on a Linux file.
//
// Read-only is the owner's write permission. Hidden, system and archive live
// in the extended attribute `user.DOSATTRIB`, where Samba keeps them, so a
// file shared with Windows machines shows the same ticks on both sides. The
// value written is Samba's oldest form, which every Samba version reads: the
// attribute word in lower-case hexadecimal with a "0x" prefix and a closing
// NUL byte ("0x22\0" for hidden + archive). Newer Samba values are a binary
// record that begins with the same NUL-terminated text, so reading that
// prefix understands both; writing replaces a newer record with the short
// form, which drops the creation time Samba kept there.
namespace DosAttributes {

enum Bit : int {
    ReadOnly = 1,
    Hidden = 2,
    System = 4,
    Archive = 32,
};

// The word the dialog writes: Check1 + 2·Check2 + 4·Check3 + 32·Check4.
qint16 word(bool readOnly, bool hidden, bool system, bool archive);

QByteArray encode(int word);
// The word a `user.DOSATTRIB` value holds; nullopt when it does not begin
// with "0x" and hexadecimal digits.
std::optional<int> decode(const QByteArray &value);

struct State
{
    int word = 0;
    // False on a file system without user extended attributes: hidden,
    // system and archive cannot be kept there.
    bool extended = false;
};

// The file's attributes; nullopt when the file cannot be examined.
std::optional<State> read(const QString &path);
// Applies the word: the owner's write permission (and everybody's, when made
// read-only) and, where the file system keeps them, the other three bits,
// keeping any further bits Samba had stored. False when something failed.
bool write(const QString &path, int word);

}

// Reads at the edges of the bytes: a value that does not lie wholly inside
// them is no value, whatever the offset (negative, past the end, near the
// largest 64-bit number).
#include "files/ByteReader.h"

#include <gtest/gtest.h>

#include <limits>

TEST(ByteReader, ReadsOnlyValuesWhollyInsideTheBytes)
{
    const QByteArray bytes("\x01\x02\x03\x04\x05", 5);
    const ByteReader reader(bytes);
    EXPECT_EQ(reader.u16le(0), 0x0201);
    EXPECT_EQ(reader.u32le(1), 0x05040302u);
    EXPECT_EQ(reader.u32be(0), 0x01020304u);
    EXPECT_EQ(reader.i32le(0), qint32(0x04030201));
    EXPECT_EQ(reader.u8(4), 5);
    EXPECT_FALSE(reader.u8(5));
    EXPECT_FALSE(reader.u32le(2)) << "one byte short";
    EXPECT_FALSE(reader.u16le(-1));
    constexpr qint64 Far = std::numeric_limits<qint64>::max();
    EXPECT_FALSE(reader.u32le(Far));
    EXPECT_FALSE(reader.has(1, Far)) << "offset + count would overflow";
    EXPECT_TRUE(reader.has(5, 0));
    EXPECT_TRUE(reader.matches(1, QByteArrayView("\x02\x03", 2)));
    EXPECT_FALSE(reader.matches(4, QByteArrayView("\x05\x06", 2)));
    EXPECT_EQ(ByteReader(QByteArrayView("\xff\xff\xff\xff", 4)).i32le(0), -1);
    EXPECT_FALSE(ByteReader(QByteArrayView()).u8(0));
}

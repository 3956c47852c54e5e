#include "files/MetafileRecordWalker.h"

#include "files/ByteReader.h"
#include "files/MetafileLimits.h"

namespace {

constexpr qint64 WmfLeastRecord = 6; // size (4 bytes) and function (2 bytes)
constexpr qint64 EmfLeastRecord = 8; // type and size, 4 bytes each
constexpr quint32 WmfEof = 0x0000;
constexpr quint32 EmfEof = 14;

}

MetafileRecordWalker::MetafileRecordWalker(QByteArrayView file, qint64 start, Format format)
    : m_file(file)
    , m_offset(start)
    , m_format(format)
{ }

MetafileRecordWalker::Step MetafileRecordWalker::next(MetafileRecord &record)
{
    if (m_done)
        return Step::End;
    const ByteReader reader(m_file);
    const bool wmf = m_format == Format::Wmf;
    const qint64 least = wmf ? WmfLeastRecord : EmfLeastRecord;
    if (!reader.has(m_offset, least))
        return Step::Cut;
    if (m_count >= MetafileLimits::MaxRecords)
        return Step::TooMany;
    qint64 size = 0;
    if (wmf) {
        size = qint64(*reader.u32le(m_offset)) * 2;
        record.type = *reader.u16le(m_offset + 4);
    } else {
        record.type = *reader.u32le(m_offset);
        size = *reader.u32le(m_offset + 4);
    }
    // The end record is taken even when its size field is off: it is the
    // last thing the exporter wrote.
    const quint32 eof = wmf ? WmfEof : EmfEof;
    if (record.type == eof) {
        record.bytes = m_file.sliced(m_offset, least);
        m_done = true;
        ++m_count;
        return Step::End;
    }
    if (size < least)
        return Step::BadSize;
    // A record that runs past the end is where a cut file stops.
    if (!reader.has(m_offset, size))
        return Step::Cut;
    record.bytes = m_file.sliced(m_offset, size);
    m_offset += size;
    ++m_count;
    return Step::Record;
}

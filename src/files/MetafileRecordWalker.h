#pragma once

#include <QByteArrayView>
#include <QtGlobal>

// One record of a metafile: its type and all its bytes, the size and type
// fields included, so every offset a player reads is relative to the record
// and is checked against the record, never against the file.
struct MetafileRecord
{
    quint32 type = 0;
    QByteArrayView bytes;
};

// Walks the records of a WMF (sizes in 16-bit words, 6-byte record header)
// or an EMF (sizes in bytes, 8-byte record header) from a given offset.
// A size below the format's least record or past the end of the file stops
// the walk (the second is how a cut file looks); so does the record limit. The walk never loops:
// every step moves forward by at least the least record.
class MetafileRecordWalker
{
public:
    enum class Format { Wmf, Emf };
    enum class Step {
        Record, // `record` holds the next record
        End, // the end-of-file record was reached
        Cut, // the file stops before its end record, or inside a record
        BadSize, // a record's size is below the least a record has
        TooMany, // the record limit was reached
    };

    MetafileRecordWalker(QByteArrayView file, qint64 start, Format format);

    Step next(MetafileRecord &record);

    qint64 offset() const { return m_offset; }
    qint64 recordsRead() const { return m_count; }

private:
    QByteArrayView m_file;
    qint64 m_offset = 0;
    qint64 m_count = 0;
    Format m_format;
    bool m_done = false;
};

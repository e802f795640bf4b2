#pragma once

#include "recovery/DiskStamp.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringView>

// The recovery journal of one modified document: a file header, then records. Each record is
// its payload's length (u32), its type (u8), the payload and a CRC-32 of type and payload, all
// little-endian, so a journal cut off anywhere still reads up to its last whole record.
// A journal starts with the document's description and its whole text; change records follow.
class JournalRecord
{
public:
    static constexpr char Magic[8] = {'T', 'a', 'g', 'w', 'e', 'l', 'l', 'J'};
    static constexpr quint16 Version = 1;
    static constexpr int HeaderSize = 10;
    static constexpr int RecordOverhead = 9;

    enum Type : quint8 { MetaRecord = 1, TextRecord = 2, ChangeRecord = 3 };

    // What the document is: its file (none when untitled), the format it saves in, and its
    // file's state when last read or written.
    struct Meta
    {
        QString name;
        bool untitled = false;
        quint8 encoding = 0;  // DocumentEncoding::Encoding
        quint8 lineBreak = 0; // DocumentEncoding::LineBreak
        DiskStamp stamp;
        bool operator==(const Meta &) const = default;
    };

    // removed characters at position replaced by inserted (the box's raw text: U+2029
    // between lines).
    struct Change
    {
        qint64 time = 0; // ms since the epoch
        int position = 0;
        int removed = 0;
        QString inserted;
    };

    static quint32 crc32(const char *data, qsizetype size, quint32 crc = 0);

    // A journal of its own: header, description and the whole text.
    static QByteArray start(const Meta &meta, QStringView text, qint64 time);
    // Change records to append to one.
    static QByteArray changes(const QList<Change> &changes);
};

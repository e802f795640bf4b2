#include "recovery/JournalRecord.h"

#include <QtEndian>

#include <array>

namespace {

constexpr std::array<quint32, 256> crcTable()
{
    std::array<quint32, 256> t{};
    for (quint32 i = 0; i < 256; ++i) {
        quint32 c = i;
        for (int k = 0; k < 8; ++k)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        t[i] = c;
    }
    return t;
}
constexpr std::array<quint32, 256> CrcTable = crcTable();

template <typename T>
void put(QByteArray &out, T value)
{
    char bytes[sizeof(T)];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof(T));
}

void putText(QByteArray &out, QStringView text)
{
    if (text.isEmpty())
        return; // an empty view may point nowhere, and the copy must not see that
    const qsizetype at = out.size();
    out.resize(at + text.size() * 2);
    qToLittleEndian<quint16>(text.utf16(), text.size(), out.data() + at);
}

// Appends the record whose payload the caller already appended after the 5 placeholder bytes.
void seal(QByteArray &out, qsizetype recordStart, JournalRecord::Type type)
{
    const qsizetype payload = out.size() - recordStart - 5;
    qToLittleEndian(quint32(payload), out.data() + recordStart);
    out[recordStart + 4] = char(type);
    put(out, JournalRecord::crc32(out.constData() + recordStart + 4, payload + 1));
}

qsizetype openRecord(QByteArray &out)
{
    const qsizetype at = out.size();
    out.append(5, '\0');
    return at;
}

} // namespace

quint32 JournalRecord::crc32(const char *data, qsizetype size, quint32 crc)
{
    crc = ~crc;
    for (qsizetype i = 0; i < size; ++i)
        crc = CrcTable[(crc ^ quint8(data[i])) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

QByteArray JournalRecord::start(const Meta &meta, QStringView text, qint64 time)
{
    QByteArray out;
    out.reserve(HeaderSize + 2 * RecordOverhead + 48 + meta.name.size() * 2 + text.size() * 2);
    out.append(Magic, sizeof Magic);
    put(out, Version);

    qsizetype at = openRecord(out);
    put(out, quint8(meta.untitled));
    put(out, meta.encoding);
    put(out, meta.lineBreak);
    put(out, quint8(meta.stamp.exists));
    put(out, qint64(meta.stamp.size));
    put(out, qint64(meta.stamp.modifiedMs));
    putText(out, meta.name);
    seal(out, at, MetaRecord);

    at = openRecord(out);
    put(out, qint64(time));
    putText(out, text);
    seal(out, at, TextRecord);
    return out;
}

QByteArray JournalRecord::changes(const QList<Change> &list)
{
    QByteArray out;
    for (const Change &c : list) {
        const qsizetype at = openRecord(out);
        put(out, qint64(c.time));
        put(out, quint32(c.position));
        put(out, quint32(c.removed));
        putText(out, c.inserted);
        seal(out, at, ChangeRecord);
    }
    return out;
}


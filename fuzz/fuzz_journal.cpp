// Recovery journals. Any bytes read back never crash and give a text only with a description;
// a journal written from the input's edits and cut anywhere gives back exactly its whole
// change records, applied in order, and nothing after them.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "recovery/JournalReader.h"
#include "recovery/JournalRecord.h"

#include <QString>

namespace {
// Raw UTF-16, lone surrogates and all: the box may hold any of it.
QString text(FuzzInput &input, int maxBytes)
{
    const QByteArray bytes = input.chunk(maxBytes);
    return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t mode = input.byte();
    if (mode & 1) {
        QByteArray bytes = input.rest();
        if (mode & 2) // past the header, to reach the records
            bytes.prepend(QByteArray(JournalRecord::Magic, sizeof JournalRecord::Magic) + QByteArray("\x01\x00", 2));
        const JournalReader::Result r = JournalReader::read(bytes);
        FUZZ_CHECK(r.problem.isEmpty() == (r.status == JournalReader::Status::Ok && !r.damaged));
        FUZZ_CHECK(r.status == JournalReader::Status::Ok || r.text.isEmpty());
        FUZZ_CHECK(r.changes >= 0 && (r.changes == 0 || r.status == JournalReader::Status::Ok));
        return 0;
    }

    JournalRecord::Meta meta;
    meta.name = text(input, 32);
    meta.untitled = input.byte() & 1;
    meta.encoding = input.byte() % 3;
    meta.lineBreak = input.byte() % 2;
    meta.stamp = {true, qint64(input.number(4)), qint64(input.number(4))};
    QString current = text(input, 128);
    QList<QString> states{current};
    QList<JournalRecord::Change> changes;
    const int count = input.byte() % 24;
    for (int i = 0; i < count; ++i) {
        JournalRecord::Change c;
        c.time = i + 1;
        c.position = int(input.number(2) % uint32_t(current.size() + 1));
        c.removed = int(input.byte() % uint32_t(current.size() - c.position + 1));
        c.inserted = text(input, 16);
        current.replace(c.position, c.removed, c.inserted);
        states << current;
        changes << c;
    }
    const QByteArray start = JournalRecord::start(meta, states.first(), 0);
    QByteArray bytes = start;
    QList<qsizetype> ends;
    for (const JournalRecord::Change &c : changes) {
        bytes += JournalRecord::changes({c});
        ends << bytes.size();
    }
    FUZZ_CHECK(bytes == start + JournalRecord::changes(changes));

    const qsizetype cut = qsizetype(input.number(4) % uint32_t(bytes.size() + 1));
    const JournalReader::Result r = JournalReader::read(QByteArrayView(bytes).first(cut));
    if (cut < start.size()) {
        FUZZ_CHECK(r.status == JournalReader::Status::Unusable);
        return 0;
    }
    int whole = 0;
    while (whole < ends.size() && ends.at(whole) <= cut)
        ++whole;
    FUZZ_CHECK(r.status == JournalReader::Status::Ok);
    FUZZ_CHECK(!r.damaged);
    FUZZ_CHECK(r.meta == meta);
    FUZZ_CHECK(r.changes == whole);
    FUZZ_CHECK(r.text == states.at(whole));
    FUZZ_CHECK(r.lastChange == whole);
    FUZZ_CHECK(r.cutOff == (cut != start.size() && (whole == 0 || ends.at(whole - 1) != cut)));
    return 0;
}

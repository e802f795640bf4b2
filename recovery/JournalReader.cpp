#include "recovery/JournalReader.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace {

// Longest record a reader believes; anything larger is damage, not a document.
constexpr quint32 MaxPayload = 1u << 30;

// The text being rebuilt, with a gap at the last change: typing changes one place after
// another, so each change moves only the characters between it and the one before.
class GapText
{
public:
    explicit GapText(const char16_t *data, qsizetype size) : buf_(data, data + size) {}

    qsizetype size() const { return qsizetype(buf_.size()) - gapLength(); }

    void replace(qsizetype position, qsizetype removed, const char16_t *inserted, qsizetype count)
    {
        moveGap(position);
        gapEnd_ += removed;
        if (gapLength() < count) {
            const qsizetype grow = std::max<qsizetype>(count, qsizetype(buf_.size()) / 8 + 64);
            buf_.insert(buf_.begin() + gapEnd_, size_t(grow), u'\0');
            gapEnd_ += grow;
        }
        if (count > 0)
            std::memcpy(buf_.data() + gapStart_, inserted, size_t(count) * 2);
        gapStart_ += count;
    }

    QString text() const
    {
        QString out;
        if (size() == 0)
            return out;
        out.resize(size());
        char16_t *dst = reinterpret_cast<char16_t *>(out.data());
        std::memcpy(dst, buf_.data(), size_t(gapStart_) * 2);
        std::memcpy(dst + gapStart_, buf_.data() + gapEnd_, (buf_.size() - size_t(gapEnd_)) * 2);
        return out;
    }

private:
    qsizetype gapLength() const { return gapEnd_ - gapStart_; }
    void moveGap(qsizetype position)
    {
        char16_t *b = buf_.data();
        if (position < gapStart_) {
            const qsizetype n = gapStart_ - position;
            std::memmove(b + gapEnd_ - n, b + position, size_t(n) * 2);
            gapStart_ -= n;
            gapEnd_ -= n;
        } else if (position > gapStart_) {
            const qsizetype n = position - gapStart_;
            std::memmove(b + gapStart_, b + gapEnd_, size_t(n) * 2);
            gapStart_ += n;
            gapEnd_ += n;
        }
    }

    std::vector<char16_t> buf_;
    qsizetype gapStart_ = 0;
    qsizetype gapEnd_ = 0;
};

template <typename T>
T take(const char *&p)
{
    const T v = qFromLittleEndian<T>(p);
    p += sizeof(T);
    return v;
}

std::vector<char16_t> utf16(const char *p, qsizetype bytes)
{
    std::vector<char16_t> out(size_t(bytes / 2));
    if (!out.empty())
        qFromLittleEndian<quint16>(p, bytes / 2, out.data());
    return out;
}

QString string(const char *p, qsizetype bytes)
{
    const std::vector<char16_t> chars = utf16(p, bytes);
    return QString(reinterpret_cast<const QChar *>(chars.data()), qsizetype(chars.size()));
}

} // namespace

JournalReader::Result JournalReader::read(QByteArrayView bytes)
{
    Result r;
    if (bytes.size() < JournalRecord::HeaderSize ||
        std::memcmp(bytes.data(), JournalRecord::Magic, sizeof JournalRecord::Magic) != 0) {
        r.problem = QStringLiteral("復元用の記録ではありません");
        return r;
    }
    const quint16 version = qFromLittleEndian<quint16>(bytes.data() + 8);
    if (version > JournalRecord::Version) {
        r.status = Status::Newer;
        r.problem = QStringLiteral("新しい版の Tagwell が書いた記録です");
        return r;
    }
    if (version == 0) {
        r.problem = QStringLiteral("記録の形式が正しくありません");
        return r;
    }

    bool haveMeta = false;
    std::unique_ptr<GapText> text;
    qsizetype at = JournalRecord::HeaderSize;
    const qsizetype end = bytes.size();
    while (at < end) {
        if (end - at < JournalRecord::RecordOverhead) {
            r.cutOff = true;
            break;
        }
        const char *p = bytes.data() + at;
        const quint32 length = qFromLittleEndian<quint32>(p);
        if (length > MaxPayload) {
            r.damaged = true;
            break;
        }
        if (end - at - JournalRecord::RecordOverhead < qsizetype(length)) {
            r.cutOff = true;
            break;
        }
        const quint8 type = quint8(p[4]);
        const char *payload = p + 5;
        const quint32 stored = qFromLittleEndian<quint32>(payload + length);
        if (JournalRecord::crc32(p + 4, qsizetype(length) + 1) != stored) {
            r.damaged = true;
            break;
        }

        bool fits = true;
        const char *q = payload;
        if (type == JournalRecord::MetaRecord) {
            fits = !haveMeta && length >= 20 && (length - 20) % 2 == 0;
            if (fits) {
                r.meta.untitled = take<quint8>(q) != 0;
                r.meta.encoding = take<quint8>(q);
                r.meta.lineBreak = take<quint8>(q);
                r.meta.stamp.exists = take<quint8>(q) != 0;
                r.meta.stamp.size = take<qint64>(q);
                r.meta.stamp.modifiedMs = take<qint64>(q);
                r.meta.name = string(q, qsizetype(length) - 20);
                fits = r.meta.encoding <= 2 && r.meta.lineBreak <= 1;
                haveMeta = fits;
            }
        } else if (type == JournalRecord::TextRecord) {
            fits = haveMeta && !text && length >= 8 && (length - 8) % 2 == 0;
            if (fits) {
                r.lastChange = take<qint64>(q);
                const std::vector<char16_t> chars = utf16(q, qsizetype(length) - 8);
                text = std::make_unique<GapText>(chars.data(), qsizetype(chars.size()));
            }
        } else if (type == JournalRecord::ChangeRecord) {
            fits = text && length >= 16 && (length - 16) % 2 == 0;
            if (fits) {
                const qint64 time = take<qint64>(q);
                const quint32 position = take<quint32>(q);
                const quint32 removed = take<quint32>(q);
                fits = position <= quint64(text->size()) && removed <= quint64(text->size()) - position;
                if (fits) {
                    const std::vector<char16_t> inserted = utf16(q, qsizetype(length) - 16);
                    text->replace(position, removed, inserted.data(), qsizetype(inserted.size()));
                    r.lastChange = time;
                    ++r.changes;
                }
            }
        }
        // Other types are additions of this version that an older reader may pass over.
        if (!fits) {
            r.damaged = true;
            break;
        }
        at += JournalRecord::RecordOverhead + qsizetype(length);
    }

    if (!text) {
        r.problem = r.damaged ? QStringLiteral("記録が壊れています") : QStringLiteral("記録が途中で切れています");
        return r;
    }
    r.status = Status::Ok;
    r.text = text->text();
    if (r.damaged)
        r.problem = QStringLiteral("記録の一部が壊れています");
    return r;
}

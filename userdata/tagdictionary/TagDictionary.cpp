#include "userdata/tagdictionary/TagDictionary.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932Codec.h"

#include <algorithm>

namespace {
QString markerOf(QStringView key)
{
    return QLatin1Char('<') + key.toString() + QLatin1Char('>');
}

bool plainKey(QStringView key)
{
    return !key.contains(QLatin1Char('<')) && !key.contains(QLatin1Char('>'));
}
} // namespace

TagDictionary::TagDictionary(QStringList lines) : lines_(std::move(lines))
{
    for (qsizetype i = 0; i < lines_.size(); ++i) {
        const QString &line = lines_.at(i);
        const qsizetype n = line.size();
        qsizetype p = line.indexOf(QLatin1Char('<'));
        while (p >= 0) {
            qsizetype q = p + 1;
            while (q < n && line.at(q) != QLatin1Char('<') && line.at(q) != QLatin1Char('>'))
                ++q;
            if (q < n && line.at(q) == QLatin1Char('>')) {
                QList<qsizetype> &at = markers_[line.mid(p + 1, q - p - 1)];
                if (at.isEmpty() || at.constLast() != i)
                    at.append(i);
                p = line.indexOf(QLatin1Char('<'), q + 1);
            } else {
                p = q < n ? q : -1;
            }
        }
    }
    tags_ = block(u"TAGS");
    if (tags_) {
        for (qsizetype i = tags_->first; i < tags_->end; ++i)
            tagOrder_.append(i);
        std::stable_sort(tagOrder_.begin(), tagOrder_.end(),
                         [this](qsizetype a, qsizetype b) { return lines_.at(a) < lines_.at(b); });
    }
}

qsizetype TagDictionary::firstMarker(QStringView key, qsizetype from) const
{
    if (!plainKey(key)) {
        // Keys with angle brackets never come from typed text; scan for them.
        const QString marker = markerOf(key);
        for (qsizetype i = from; i < lines_.size(); ++i) {
            if (lines_.at(i).contains(marker))
                return i;
        }
        return -1;
    }
    const auto found = markers_.constFind(key.toString());
    if (found == markers_.constEnd())
        return -1;
    const auto it = std::lower_bound(found->cbegin(), found->cend(), from);
    return it == found->cend() ? -1 : *it;
}

std::optional<TagDictionary::Range> TagDictionary::block(QStringView key) const
{
    const qsizetype open = firstMarker(key, 0);
    if (open < 0)
        return std::nullopt;
    const qsizetype close = firstMarker(QString(QLatin1Char('/') + key), open + 1);
    return Range{open + 1, close < 0 ? lines_.size() : close};
}

QStringList TagDictionary::tagsStartingWith(QStringView word) const
{
    QStringList found;
    if (word.isEmpty() || !tags_)
        return found;
    auto it = std::lower_bound(tagOrder_.cbegin(), tagOrder_.cend(), word,
                               [this](qsizetype line, QStringView w) { return QStringView(lines_.at(line)) < w; });
    QList<qsizetype> hits;
    for (; it != tagOrder_.cend() && lines_.at(*it).startsWith(word); ++it)
        hits.append(*it);
    std::sort(hits.begin(), hits.end());
    found.reserve(hits.size());
    for (qsizetype line : std::as_const(hits))
        found.append(lines_.at(line));
    return found;
}

QStringList TagDictionary::attributesOf(QStringView name) const
{
    const std::optional<Range> r = block(name);
    if (!r)
        return {};
    return lines_.mid(r->first, r->end - r->first);
}

QStringList TagDictionary::linesOf(QByteArrayView bytes)
{
    const QString text = Cp932Codec::decode(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QByteArray TagDictionary::bytesOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += Cp932Codec::encode(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool TagDictionary::load(const QString &path, QStringList &lines, QString *error)
{
    QByteArray bytes;
    if (!AtomicFile::readAll(path, bytes, error))
        return false;
    lines = linesOf(bytes);
    return true;
}

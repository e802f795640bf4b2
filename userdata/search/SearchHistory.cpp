#include "userdata/search/SearchHistory.h"

#include "platform/ProfileStore.h"
#include "platform/ProfileText.h"

namespace {
const QString CountKey = QStringLiteral("Count");
} // namespace

QStringList SearchHistory::load(const ProfileStore &ini, const QString &section)
{
    const int count = ini.readInteger(section, CountKey, 0);
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << ini.readString(section, QString::number(i));
    return entries;
}

QStringList SearchHistory::withKeyword(const QString &keyword, const QStringList &entries)
{
    QStringList list = entries;
    // From the last entry up: empties go, and the walk stops at the first copy met.
    for (qsizetype i = list.size() - 1; i >= 0; --i) {
        if (list.at(i).isEmpty()) {
            list.removeAt(i);
        } else if (list.at(i) == keyword) {
            list.removeAt(i);
            break;
        }
    }
    list.prepend(keyword);
    return list;
}

QStringList SearchHistory::storable(const QStringList &entries)
{
    QStringList kept;
    for (const QString &entry : entries) {
        if (!entry.contains(QLatin1Char('\n')) && !entry.contains(QLatin1Char('\r')) &&
            !entry.contains(QChar::ParagraphSeparator) && !entry.contains(QChar::LineSeparator))
            kept << entry;
    }
    return kept;
}

bool SearchHistory::save(ProfileStore &ini, const QStringList &entries, const QString &section)
{
    // One replacement of the file, keys before Count: an entry that cannot be written
    // leaves the file as it was instead of a Count that promises keys not there.
    return ini.update([&entries, &section](ProfileText &text, QString *error) {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!text.setValue(section, QString::number(i), entries.at(i), error))
                return false;
        }
        return text.setValue(section, CountKey, QString::number(entries.size()), error);
    });
}

#include "userdata/search/SearchHistory.h"

#include "platform/ProfileStore.h"
#include "platform/ProfileText.h"

namespace {
const QString Section = QStringLiteral("Find");
const QString CountKey = QStringLiteral("Count");
} // namespace

QStringList SearchHistory::load(const ProfileStore &ini)
{
    const int count = ini.readInteger(Section, CountKey, 0);
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << ini.readString(Section, QString::number(i));
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

bool SearchHistory::save(ProfileStore &ini, const QStringList &entries)
{
    // One replacement of the file, keys before Count: an entry that cannot be written
    // leaves the file as it was instead of a Count that promises keys not there.
    return ini.update([&entries](ProfileText &text, QString *error) {
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (!text.setValue(Section, QString::number(i), entries.at(i), error))
                return false;
        }
        return text.setValue(Section, CountKey, QString::number(entries.size()), error);
    });
}

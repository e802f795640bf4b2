#include "wizards/links/AddressHistory.h"

#include "platform/ProfileStore.h"
#include "wizards/links/LinkMarkup.h"

#include <algorithm>

namespace {
const QString CountKey = QStringLiteral("Count");
}

QString AddressHistory::sectionOf(int mode)
{
    switch (mode) {
    case LinkMarkup::HomePage:
        return QStringLiteral("HP");
    case LinkMarkup::Mail:
        return QStringLiteral("Mail");
    case LinkMarkup::Ftp:
        return QStringLiteral("FTP");
    default:
        return QString();
    }
}

QStringList AddressHistory::load(const ProfileStore &ini, const QString &section)
{
    const int count = std::min(ini.readInteger(section, CountKey, 0), Capacity);
    QStringList entries;
    for (int i = 1; i <= count; ++i)
        entries << ini.readString(section, QString::number(i));
    return entries;
}

QStringList AddressHistory::withNewest(const QString &entered, const QStringList &entries)
{
    QStringList list{entered};
    for (const QString &e : entries) {
        if (e != entered)
            list << e;
    }
    return list;
}

bool AddressHistory::save(ProfileStore &ini, const QString &section, const QStringList &entries)
{
    const int count = int(std::min<qsizetype>(entries.size(), Capacity));
    if (!ini.eraseSection(section) || !ini.writeInteger(section, CountKey, count))
        return false;
    for (int i = 0; i < count; ++i) {
        if (!ini.writeString(section, QString::number(i + 1), entries.at(i)))
            return false;
    }
    return true;
}

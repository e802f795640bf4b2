#pragma once

#include <QString>
#include <QStringList>

class ProfileStore;

// The addresses last linked to, one TW.ini section per kind ("HP", "Mail", "FTP"):
// "Count" and the keys "1".."15", newest first.
class AddressHistory
{
public:
    static constexpr int Capacity = 15;

    // The section the input box mode keeps its history in; empty for the other modes.
    static QString sectionOf(int mode);

    // The entries as stored: keys "1" up to "Count" (at most Capacity); a missing key
    // gives an empty entry.
    static QStringList load(const ProfileStore &ini, const QString &section);
    // The list after entering an address: the address first, then every other entry
    // in its order (compared exactly), so a repeated address moves to the top.
    static QStringList withNewest(const QString &entered, const QStringList &entries);
    // Replaces the section by the first Capacity entries. False when a write failed
    // (ini.lastError() says why); nothing more is written after a failure.
    static bool save(ProfileStore &ini, const QString &section, const QStringList &entries);
};

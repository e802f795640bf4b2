#pragma once

#include <QString>
#include <QStringList>

class ProfileStore;

// The search dialog's keywords in TW.ini [Find]: "Count" and the keys "0".."Count-1",
// most recent first, with no length limit. The replace dialog keeps its replacements the
// same way in [Replace].
class SearchHistory
{
public:
    static inline const QString FindSection = QStringLiteral("Find");
    static inline const QString ReplaceSection = QStringLiteral("Replace");

    static QStringList load(const ProfileStore &ini, const QString &section = FindSection);
    // The list after searching for keyword: empty entries dropped, the last earlier copy
    // of the keyword (compared exactly) removed, the keyword put first.
    static QStringList withKeyword(const QString &keyword, const QStringList &entries);
    // Writes the entries and Count in one atomic update; false, with the file unchanged,
    // when one of them cannot be written.
    static bool save(ProfileStore &ini, const QStringList &entries, const QString &section = FindSection);
    // The entries an INI line can hold: those with a line break stay out of the file.
    static QStringList storable(const QStringList &entries);
};

#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The plain rules of the settings and property dialogs.
namespace SettingsText {

// A document name for two label lines: up to 50 characters on the first line alone,
// a longer one as its folder's first 46 characters + ".." and "../" + the file name.
struct SplitName
{
    QString first;
    QString more;
};
SplitName splitName(const QString &name);

// The text of the first TITLE element, from the line holding "<TITLE>" to "</TITLE>" on
// the same line (empty when it ends elsewhere); none when "</HEAD>" or "<BODY" comes first.
std::optional<QString> title(const QStringList &lines);
// Every "<A HREF=" in the lines, letters in either case.
int linkCount(const QStringList &lines);

// TW.ini's style code: 1 bold, 2 italic, 3 both, 0 any other combination.
int fontStyleCode(bool bold, bool italic, bool underline, bool strikeOut);

// Two folder paths name the same folder (a trailing "/" or "." parts aside).
bool sameFolder(const QString &a, const QString &b);

} // namespace SettingsText

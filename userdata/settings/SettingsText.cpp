#include "userdata/settings/SettingsText.h"

#include "editing/AsciiCase.h"

#include <QDir>

namespace SettingsText {

SplitName splitName(const QString &name)
{
    if (name.size() <= 50)
        return {name, QString()};
    const int slash = name.lastIndexOf(QLatin1Char('/'));
    const QString folder = name.left(slash + 1);
    return {folder.left(46) + QStringLiteral(".."), QStringLiteral("../") + name.mid(slash + 1)};
}

std::optional<QString> title(const QStringList &lines)
{
    static const QString open = QStringLiteral("<TITLE>");
    static const QString close = QStringLiteral("</TITLE>");
    for (const QString &line : lines) {
        // ASCII upper case keeps every position, so the title is cut from the line as written.
        const QString upper = AsciiCase::upper(line);
        const int start = upper.indexOf(open);
        if (start >= 0) {
            const int from = start + open.size();
            const int end = upper.indexOf(close, from);
            return end < 0 ? QString() : line.mid(from, end - from);
        }
        if (upper.contains(QStringLiteral("</HEAD>")) || upper.contains(QStringLiteral("<BODY")))
            return std::nullopt;
    }
    return std::nullopt;
}

int linkCount(const QStringList &lines)
{
    int count = 0;
    for (const QString &line : lines)
        count += AsciiCase::upper(line).count(QStringLiteral("<A HREF="));
    return count;
}

int fontStyleCode(bool bold, bool italic, bool underline, bool strikeOut)
{
    if (underline || strikeOut)
        return 0;
    return (bold ? 1 : 0) + (italic ? 2 : 0);
}

bool sameFolder(const QString &a, const QString &b)
{
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

} // namespace SettingsText

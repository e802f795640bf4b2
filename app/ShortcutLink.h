#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>

class CommandHost;

// Internet shortcut files (".url"), given on the command line or dropped on the window,
// become a link in the active document instead of being opened.
class ShortcutLink : public QObject
{
    Q_OBJECT
public:
    // Takes over the command line's ".url" files.
    explicit ShortcutLink(CommandHost &host);

    // The address of a shortcut's bytes: its first line (CP932) that begins with
    // "URL=", without those four characters; none without such a line.
    static std::optional<QString> addressIn(const QByteArray &bytes);
    // The link's text: the shortcut's file name without its extension.
    static QString titleOf(const QString &file);
    // The link in the tag case (0 lower, other upper); address and title keep theirs.
    static QString linkText(const QString &address, const QString &title, int tagCase);

    // Puts the shortcut's link at the caret of the active document, opening a new page
    // first when none is open. False only when the file cannot be read (the user was told).
    static bool InsertShortcutLink(CommandHost &host, const QString &file);
};

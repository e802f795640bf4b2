#pragma once

#include <QString>

// Texts shared by the user data dialogs and their command groups.
namespace UserDataText {
inline const QString MessageTitle = QStringLiteral("Tagwell");
inline QString writeFailed(const QString &reason)
{
    return QStringLiteral("書き込めませんでした。\r\n") + reason;
}
} // namespace UserDataText

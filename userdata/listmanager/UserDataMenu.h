#pragma once

#include "app/CommandHost.h"

#include <QStringList>

#include <functional>

class QMenu;

// The user data submenus of the Tool menu: their first entry (the list manager) stays;
// after a separator, one numbered entry per name, rebuilt from the list as it is now.
class UserDataMenu
{
public:
    // chosen gets the entry's number (from 1) and the name its caption holds.
    static void rebuild(CommandHost &host, QMenu *sub, const QStringList &names, CommandNeed need,
                        const std::function<void(int number, const QString &name)> &chosen);
};

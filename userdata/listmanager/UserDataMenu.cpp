#include "userdata/listmanager/UserDataMenu.h"

#include "userdata/listmanager/MenuCaption.h"

#include <QAction>
#include <QMenu>

void UserDataMenu::rebuild(CommandHost &host, QMenu *sub, const QStringList &names, CommandNeed need,
                           const std::function<void(int, const QString &)> &chosen)
{
    const QList<QAction *> entries = sub->actions();
    for (qsizetype i = entries.size() - 1; i >= 1; --i) {
        sub->removeAction(entries.at(i));
        delete entries.at(i);
    }
    if (names.isEmpty())
        return;
    sub->addSeparator();
    for (int n = 1; n <= names.size(); ++n) {
        auto *entry = new QAction(MenuCaption::entry(n, names.at(n - 1)), sub);
        entry->setData(n);
        host.bindAction(entry, [chosen, n, entry] { chosen(n, MenuCaption::nameOf(entry->text())); }, need);
        sub->addAction(entry);
    }
}

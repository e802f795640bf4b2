#include "app/CommandRegistry.h"

#include <QAbstractButton>
#include <QAction>
#include <QMenu>
#include <QToolButton>

CommandRegistry::CommandRegistry(QWidget *window, std::function<bool(CommandNeed)> needMet)
    : QObject(window), window_(window), needMet_(std::move(needMet))
{
}

QObject *CommandRegistry::item(const QString &name) const
{
    // The enabling rules look items up on every state change: search the tree once per name.
    const auto cached = itemCache_.constFind(name);
    if (cached != itemCache_.constEnd() && !cached->isNull())
        return cached->data();
    QObject *found = window_->findChild<QAction *>(name);
    if (!found)
        found = window_->findChild<QAbstractButton *>(name);
    if (!found)
        found = window_->findChild<QMenu *>(name);
    if (found)
        itemCache_.insert(name, found);
    return found;
}

QMenu *CommandRegistry::menu(const QString &name) const
{
    if (auto *m = qobject_cast<QMenu *>(item(name)))
        return m;
    return window_->findChild<QMenu *>(name);
}

std::function<void()> CommandRegistry::guarded(std::function<void()> operation, CommandNeed need) const
{
    // A short-cut can arrive after the state changed and before the item followed it.
    return [this, operation = std::move(operation), need] {
        if (needMet_(need))
            operation();
    };
}

void CommandRegistry::bind(const QString &name, std::function<void()> operation, CommandNeed need)
{
    QObject *obj = item(name);
    if (auto *a = qobject_cast<QAction *>(obj)) {
        bindAction(a, std::move(operation), need);
        return;
    }
    auto *b = qobject_cast<QAbstractButton *>(obj);
    if (!b)
        qFatal("no command item named %s", qPrintable(name));
    connect(b, &QAbstractButton::clicked, this, guarded(std::move(operation), need));
    markBuilt(b);
    if (need != CommandNeed::Nothing)
        needs_.append({b, need});
    // Available from now on; the enabling rules narrow it to the current state.
    setItemEnabled(b, needMet_(need));
}

void CommandRegistry::bindAction(QAction *action, std::function<void()> operation, CommandNeed need)
{
    connect(action, &QAction::triggered, this, guarded(std::move(operation), need));
    markBuilt(action);
    if (need != CommandNeed::Nothing)
        needs_.append({action, need});
    // Only this item: walking every need on each bind would make start-up quadratic.
    setItemEnabled(action, needMet_(need));
}

void CommandRegistry::markBuilt(QObject *item)
{
    if (built_.contains(item))
        return;
    built_.insert(item);
    // Submenu entries are deleted on every rebuild; a later item at the same address
    // must not count as built.
    connect(item, &QObject::destroyed, this, [this](QObject *gone) { built_.remove(gone); });
}

void CommandRegistry::applyNeeds()
{
    // Entries of rebuilt submenus come and go.
    needs_.removeIf([](const BoundNeed &n) { return n.item.isNull(); });
    for (const BoundNeed &n : std::as_const(needs_))
        setItemEnabled(n.item.data(), needMet_(n.need));
}

void CommandRegistry::setItemEnabled(QObject *obj, bool on)
{
    if (auto *m = qobject_cast<QMenu *>(obj)) {
        m->menuAction()->setEnabled(on);
        return;
    }
    if (auto *a = qobject_cast<QAction *>(obj)) {
        // A sub-menu is as available as its items; a command only once connected.
        a->setEnabled(on && (a->menu() || built_.contains(a)));
        return;
    }
    if (auto *w = qobject_cast<QWidget *>(obj))
        w->setEnabled(on && built_.contains(obj));
}

void CommandRegistry::setItemChecked(const QString &name, bool on)
{
    if (auto *a = qobject_cast<QAction *>(item(name)))
        a->setChecked(on);
    else if (auto *b = qobject_cast<QAbstractButton *>(item(name)))
        b->setChecked(on);
}

void CommandRegistry::disableUnbuilt()
{
    const auto actions = window_->findChildren<QAction *>();
    for (QAction *a : actions) {
        if (!a->menu() && !a->isSeparator() && !built_.contains(a))
            a->setEnabled(false);
    }
    const auto buttons = window_->findChildren<QToolButton *>();
    for (QToolButton *b : buttons) {
        // Buttons that belong to Qt's own widgets (tab scroll arrows) are not commands.
        if (!b->objectName().isEmpty() && !b->objectName().startsWith(QLatin1String("qt_")) && !built_.contains(b))
            b->setEnabled(false);
    }
}

bool CommandRegistry::hasEnabledShortcut(const QKeySequence &keys) const
{
    // The window's own short-cuts win over the box's built-in keys (Ctrl+Z runs the
    // program's Undo, Shift+Enter the line break), as long as their item is available.
    const auto actions = window_->findChildren<QAction *>();
    for (const QAction *a : actions) {
        if (a->isEnabled() && !a->menu() && a->shortcuts().contains(keys))
            return true;
    }
    return false;
}

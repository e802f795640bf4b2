#pragma once

#include "app/CommandHost.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class QKeySequence;

// The window's command items (menu items, tool buttons, pop-up items) by object name:
// which are bound to an operation, what each needs, and their enabled state. An item
// that is not bound stays disabled whatever a rule says.
class CommandRegistry : public QObject
{
    Q_OBJECT
public:
    // needMet answers whether the current state meets a need.
    CommandRegistry(QWidget *window, std::function<bool(CommandNeed)> needMet);

    QObject *item(const QString &name) const;
    QMenu *menu(const QString &name) const;
    void bind(const QString &name, std::function<void()> operation, CommandNeed need);
    void bindAction(QAction *action, std::function<void()> operation, CommandNeed need);
    bool isBuilt(QObject *item) const { return built_.contains(item); }

    void setItemEnabled(QObject *item, bool on);
    void setItemEnabled(const QString &name, bool on) { setItemEnabled(item(name), on); }
    void setItemChecked(const QString &name, bool on);
    // Every item bound with a need follows it.
    void applyNeeds();
    // Disables every item of the window that nothing was bound to.
    void disableUnbuilt();
    // True when an enabled command of the window has the key sequence.
    bool hasEnabledShortcut(const QKeySequence &keys) const;

private:
    std::function<void()> guarded(std::function<void()> operation, CommandNeed need) const;
    void markBuilt(QObject *item);

    struct BoundNeed
    {
        QPointer<QObject> item;
        CommandNeed need;
    };
    QWidget *window_;
    std::function<bool(CommandNeed)> needMet_;
    QSet<QObject *> built_;
    QList<BoundNeed> needs_;
    mutable QHash<QString, QPointer<QObject>> itemCache_;
};

#pragma once

#include <QObject>

class QAction;
class QCoreApplication;
class QMenu;

// Access keys in menus as users of the other platform know them: a key that several
// items of one menu share moves the highlight to the next of them (Enter then acts on
// the one chosen), while a key held by one item acts at once. Qt's own menus jump
// into the first submenu of a shared key instead.
class MenuAccessKeys : public QObject
{
    Q_OBJECT
public:
    // Watches every menu of the program.
    static void install(QCoreApplication &app);

    // The item a press of key moves to in menu: the next item after the highlighted
    // one that has key as its access key (wrapping), or null when fewer than two share it.
    static QAction *nextSharing(const QMenu *menu, QChar key);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};

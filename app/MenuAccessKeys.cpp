#include "app/MenuAccessKeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

namespace {
QChar accessKey(const QAction *action)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
    if (mnemonic.isEmpty())
        return QChar();
    return QChar(char16_t(mnemonic[0].key() & 0xFFFF)).toUpper();
}

bool selectable(const QAction *a)
{
    return a->isVisible() && a->isEnabled() && !a->isSeparator();
}
} // namespace

void MenuAccessKeys::install(QCoreApplication &app)
{
    app.installEventFilter(new MenuAccessKeys(&app));
}

QAction *MenuAccessKeys::nextSharing(const QMenu *menu, QChar key)
{
    key = key.toUpper();
    QList<QAction *> sharing;
    const auto actions = menu->actions();
    for (QAction *a : actions) {
        if (selectable(a) && accessKey(a) == key)
            sharing << a;
    }
    if (sharing.size() < 2)
        return nullptr;
    const qsizetype current = sharing.indexOf(menu->activeAction());
    return sharing.at(current < 0 ? 0 : (current + 1) % sharing.size());
}

bool MenuAccessKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    auto *menu = qobject_cast<QMenu *>(watched);
    if (!menu || !menu->isVisible())
        return QObject::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    if ((mods != Qt::NoModifier && mods != Qt::AltModifier) || key->text().size() != 1)
        return QObject::eventFilter(watched, event);
    const QChar pressed = key->text().at(0).toUpper();
    QAction *target = nextSharing(menu, pressed);
    bool actNow = false;
    if (!target) {
        // Qt counts disabled items as sharing a key too, and would only highlight the one
        // available item; it acts at once here.
        int available = 0, all = 0;
        const auto actions = menu->actions();
        for (QAction *a : actions) {
            if (a->isVisible() && !a->isSeparator() && accessKey(a) == pressed) {
                ++all;
                if (selectable(a)) {
                    ++available;
                    target = a;
                }
            }
        }
        if (available != 1 || all == 1)
            return QObject::eventFilter(watched, event);
        actNow = true;
    }
    // The arrow keys move the highlight without opening a submenu, which setActiveAction would.
    const int limit = int(menu->actions().size()) + 1;
    for (int i = 0; i < limit && menu->activeAction() != target; ++i) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &down);
    }
    if (actNow && menu->activeAction() == target) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &enter);
    }
    return true;
}

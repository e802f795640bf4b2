#include "app/FileDrop.h"

#include "app/CommandHost.h"
#include "app/ShortcutLink.h"

#include <QAbstractScrollArea>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

FileDrop::FileDrop(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.window()->setAcceptDrops(true);
    host.window()->installEventFilter(this);
    // Installed with the window, before any document box exists.
    connect(&host.events(), &HostEvents::editBoxCreated, this, &FileDrop::watch);
}

void FileDrop::watch(QWidget *box)
{
    // The box would take a dropped file as text: its drag events come here first.
    box->installEventFilter(this);
    if (auto *area = qobject_cast<QAbstractScrollArea *>(box))
        area->viewport()->installEventFilter(this);
}

QStringList FileDrop::localFiles(const QMimeData *data)
{
    QStringList names;
    if (!data || !data->hasUrls())
        return names;
    const auto urls = data->urls();
    for (const QUrl &url : urls) {
        if (url.isLocalFile())
            names << url.toLocalFile();
    }
    return names;
}

QString FileDrop::extensionOf(const QString &name)
{
    const QString file = QFileInfo(name).fileName();
    const qsizetype dot = file.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : file.mid(dot).toLower();
}

bool FileDrop::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (localFiles(drag->mimeData()).isEmpty())
            break;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        const QStringList names = localFiles(drop->mimeData());
        if (names.isEmpty())
            break;
        drop->acceptProposedAction();
        // Opening may ask questions; the file manager is not kept waiting for its drop to end.
        QTimer::singleShot(0, this, [this, names] { handleDroppedFiles(names); });
        return true;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void FileDrop::handleDroppedFiles(const QStringList &names)
{
    for (const QString &name : names) {
        const QString ext = extensionOf(name);
        if (ext == QLatin1String(".url")) {
            // An unreadable shortcut ends the drop; the user has been told.
            if (!ShortcutLink::InsertShortcutLink(host_, name))
                return;
            continue;
        }
        if (ext != QLatin1String(".html") && ext != QLatin1String(".htm") && ext != QLatin1String(".txt"))
            continue;
        // Already open: ignored without a word.
        if (host_.documentNames().contains(name))
            continue;
        const int before = int(host_.documentNames().size());
        host_.openDocument(name);
        if (host_.documentNames().size() == before)
            return; // it could not be read; the user has been told
    }
}

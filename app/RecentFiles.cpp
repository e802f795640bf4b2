#include "app/RecentFiles.h"

#include "app/CommandHost.h"
#include "app/SettingsKeys.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"


#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include <algorithm>

namespace {
const QString Section = QString::fromUtf16(SettingsKeys::HistorySection);
const QString CountKey = QStringLiteral("Count");
const char *const NameProperty = "historyName";
const char *const PositionProperty = "historyPosition";

QString fileNamePart(const QString &name)
{
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? name : name.mid(slash + 1);
}
} // namespace

RecentFiles::RecentFiles(CommandHost &host)
    : QObject(host.window()), host_(host), menu_(host.menu(QStringLiteral("FileHistory"))),
      blank_(host.window()->findChild<QAction *>(QStringLiteral("HisBlank")))
{
    Q_ASSERT(menu_ && blank_);
    host.bind(QStringLiteral("OpenHome"), [this] { OpenHomeClick(); });
    host.bind(QStringLiteral("OpenHomeSpd"), [this] { OpenHomeClick(); });
    connect(host.menu(QStringLiteral("MenuFile")), &QMenu::aboutToShow, this, &RecentFiles::BuildHistoryMenu);
    connect(&host.events(), &HostEvents::openingChecked, this, &RecentFiles::AddToHistory);
}

QString RecentFiles::caption(int number, const QString &name)
{
    // A '&' in a path is shown as itself, not as a mnemonic.
    QString shown = name;
    shown.replace(QLatin1Char('&'), QLatin1String("&&"));
    return QLatin1Char('&') + QString::number(number) + QLatin1Char(' ') + shown;
}

QString RecentFiles::nameOf(const QAction *item)
{
    return item->property(NameProperty).toString();
}

QAction *RecentFiles::newEntry(const QString &text, const QString &name, int position)
{
    auto *a = new QAction(text, menu_);
    a->setProperty(NameProperty, name);
    a->setProperty(PositionProperty, position);
    connect(a, &QAction::triggered, this, [this, a] { HistoryItemClick(a); });
    return a;
}

void RecentFiles::clearMenu()
{
    const auto actions = menu_->actions();
    for (QAction *a : actions) {
        menu_->removeAction(a);
        if (a != blank_)
            a->deleteLater();
    }
}

QStringList RecentFiles::entries() const
{
    QStringList out;
    const auto actions = menu_->actions();
    for (const QAction *a : actions) {
        if (a->property(NameProperty).isValid())
            out << nameOf(a);
    }
    return out;
}

void RecentFiles::BuildHistoryMenu()
{
    clearMenu();
    const ProfileStore ini(host_.settingsPath());
    int c = ini.readInteger(Section, CountKey, 0);
    if (c == 0) {
        blank_->setEnabled(false);
        menu_->addAction(blank_);
        return;
    }
    c = std::min(c, MaxShown);
    for (int i = 1; i <= c; ++i) {
        const QString name = ini.readString(Section, QString::number(i));
        menu_->addAction(newEntry(caption(i, name), name, i - 1));
    }
}

void RecentFiles::AddToHistory(const QString &name)
{
    // Start from what TW.ini holds: the submenu is only rebuilt when the File menu
    // opens, and saving a stale one would lose the stored entries.
    BuildHistoryMenu();
    const auto actions = menu_->actions();
    if (actions.size() == 1 && actions.first() == blank_) {
        menu_->removeAction(actions.first());
    } else {
        for (QAction *a : actions) {
            if (a->property(NameProperty).isValid() && nameOf(a) == name) {
                menu_->removeAction(a);
                a->deleteLater();
                break;
            }
        }
    }
    const auto rest = menu_->actions();
    QAction *entry = newEntry(caption(1, name), name, 0);
    if (rest.isEmpty())
        menu_->addAction(entry);
    else
        menu_->insertAction(rest.first(), entry);
    SaveHistory();
    BuildHistoryMenu();
}

bool RecentFiles::SaveHistory()
{
    QStringList names;
    const auto actions = menu_->actions();
    for (const QAction *a : actions) {
        if (a->property(NameProperty).isValid())
            names << nameOf(a);
    }
    ProfileStore ini(host_.settingsPath());
    bool ok = ini.writeInteger(Section, CountKey, int(names.size()));
    for (int k = 0; k < names.size(); ++k)
        ok = ini.writeString(Section, QString::number(k + 1), names.at(k)) && ok;
    host_.settingsWritten(ok, ini);
    if (names.isEmpty())
        BuildHistoryMenu();
    return ok;
}

void RecentFiles::HistoryItemClick(QAction *item)
{
    const QString name = nameOf(item);
    const QFileInfo info(name);
    if (info.exists() && !info.isDir()) {
        if (host_.checkNotOpen(name)) {
            host_.openDocument(name);
            // A file that could not be read left no tab: the load error ends the command.
            if (host_.documentNames().contains(name))
                AddToHistory(name);
        }
        return;
    }
    host_.showInfo(QStringLiteral("\"") + fileNamePart(name) + QStringLiteral("\" は見つかりませんでした。\r\n") +
                   QStringLiteral("ヒストリから削除します。"));
    const int position = item->property(PositionProperty).toInt();
    const auto actions = menu_->actions();
    if (position >= 0 && position < actions.size()) {
        QAction *gone = actions.at(position);
        menu_->removeAction(gone);
        gone->deleteLater();
    }
    SaveHistory();
}

void RecentFiles::OpenHomeClick()
{
    const Platform::FileAnswer answer = host_.runOpenDialog(SettingsKeys::readHomeFolder(ProfileStore(host_.settingsPath()), host_.dialogFolder()));
    if (answer.files.isEmpty())
        return;
    QStringList files;
    for (const QString &f : answer.files)
        files << QFileInfo(f).absoluteFilePath();
    std::sort(files.begin(), files.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    for (const QString &f : files)
        host_.openChecked(f);
}

#include "userdata/filesets/FileSetCommands.h"

#include "app/CommandHost.h"
#include "userdata/filesets/FileSetBox.h"
#include "userdata/filesets/FileSetFile.h"
#include "userdata/filesets/FileSetSource.h"
#include "userdata/listmanager/MenuCaption.h"
#include "userdata/listmanager/RegistBox.h"
#include "userdata/listmanager/UserDataText.h"
#include "userdata/listmanager/slListBox.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

FileSetCommands::FileSetCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("FileSet"), [this] { FileSetClick(); });
    for (const char *name : {"FileSetSpd", "FileSet2Spd"})
        host.bind(QLatin1String(name), [this] { FileSetSpdClick(); });
    if (QMenu *file = host.menu(QStringLiteral("MenuFile")))
        connect(file, &QMenu::aboutToShow, this, &FileSetCommands::RebuildFileSetMenu);
    connect(&host.events(), &HostEvents::userDataChanged, this, [this](UserData kind) {
        if (kind == UserData::FileSets)
            RebuildFileSetMenu();
    });
}

QString FileSetCommands::iniPath() const
{
    return host_.programFolder() + FileSetFile::fileName();
}

void FileSetCommands::RebuildFileSetMenu()
{
    QMenu *sub = host_.menu(QStringLiteral("MenuFileSet"));
    if (!sub)
        return;
    const QList<QAction *> entries = sub->actions();
    for (QAction *a : entries) {
        sub->removeAction(a);
        delete a;
    }
    const QStringList titles = FileSetFile(iniPath()).titles();
    if (titles.isEmpty()) {
        sub->addAction(QStringLiteral("(なし)"))->setEnabled(false);
        return;
    }
    for (int i = 0; i < titles.size(); ++i) {
        auto *entry = new QAction(MenuCaption::entry(i + 1, titles.at(i)), sub);
        host_.bindAction(entry, [this, entry] { OpenFileSet(MenuCaption::nameOf(entry->text())); });
        sub->addAction(entry);
    }
}

void FileSetCommands::OpenFileSet(const QString &title)
{
    const FileSetFile file(iniPath());
    if (!file.hasSet(title)) {
        Platform::instance().messageOnScreenCentre(
            host_.window(), Platform::MessageKind::Warning, UserDataText::MessageTitle,
            QStringLiteral("FileSet \"") + title + QStringLiteral("\" は見つかりませんでした。\r\nファイルセットのオープンを中止します。"),
            Platform::Buttons::Ok);
        return;
    }
    for (const QString &name : file.files(title)) {
        if (QFileInfo(name).isFile() && host_.checkNotOpen(name))
            host_.openDocument(name);
    }
}

void FileSetCommands::openStartupSets()
{
    for (const QString &title : FileSetFile::readList(host_.settingsPath()))
        OpenFileSet(title);
}

void FileSetCommands::FileSetSpdClick()
{
    TslListBox picker(TslListBox::FileSets, FileSetFile(iniPath()).titles(), host_.window());
    host_.place(&picker, Placement::AtCursor);
    if (Platform::instance().execDialog(&picker) != QDialog::Accepted || picker.selectedIndex() < 0)
        return;
    OpenFileSet(picker.selectedText());
}

QString FileSetCommands::editSet(QWidget *over, std::optional<QString> oldTitle, const QStringList &others)
{
    FileSetSource source = oldTitle ? FileSetSource::changedSet(iniPath(), *oldTitle, others)
                                    : FileSetSource::newSet(iniPath(), others);
    TRegistBox editor(source, over);
    editor.setAddHandler([this, &editor, &source] {
        const Platform::FileAnswer chosen = host_.runOpenDialog(QString());
        const int last = source.addFiles(chosen.files);
        editor.refresh(last >= 0 ? last : editor.selectedIndex());
    });
    editor.setHelpHandler([this] { host_.showNotYetNotice(); });
    editor.move(over->pos() + QPoint(30, 30));
    if (Platform::instance().execDialog(&editor) != QDialog::Accepted)
        return QString();
    return source.title;
}

void FileSetCommands::FileSetClick()
{
    TFileSetBox box(iniPath(), host_.settingsPath(), host_.window());
    box.setAddHandler([this, &box] { return editSet(&box, std::nullopt, box.titles()); });
    box.setChangeHandler([this, &box] { return editSet(&box, box.selectedTitle(), box.titles()); });
    host_.place(&box, Placement::UpperThird);
    Platform::instance().execDialog(&box);
    // The set editor writes FS.ini at its own OK, so the menu may be stale after Cancel too.
    Q_EMIT host_.events().userDataChanged(UserData::FileSets);
}

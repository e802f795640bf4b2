#include "userdata/templates/TemplateCommands.h"

#include "app/CommandHost.h"
#include "editing/IEditBox.h"
#include "editing/TagInserter.h"
#include "userdata/templates/EditTempBox.h"
#include "userdata/listmanager/RegistBox.h"
#include "userdata/templates/TemplateFiles.h"
#include "userdata/templates/TemplateSource.h"
#include "userdata/listmanager/UserDataMenu.h"
#include "userdata/listmanager/slListBox.h"

#include <QAction>
#include <QMenu>

TemplateCommands::TemplateCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("TempProperty"), [this] { TempPropertyClick(); });
    for (const char *name : {"AddTemp", "PopAddTemp"})
        host.bind(QLatin1String(name), [this] { AddTempClick(); }, CommandNeed::Selection);
    for (const char *name : {"TemplateSpd", "PopTemplate"})
        host.bind(QLatin1String(name), [this] { TemplateSpdClick(); }, CommandNeed::Document);
    if (QMenu *tools = host.menu(QStringLiteral("MenuTool")))
        connect(tools, &QMenu::aboutToShow, this, &TemplateCommands::RebuildTemplateMenu);
    connect(&host.events(), &HostEvents::userDataChanged, this, [this](UserData kind) {
        if (kind == UserData::Templates)
            RebuildTemplateMenu();
    });
}

QString TemplateCommands::folder() const
{
    return host_.programFolder() + QStringLiteral("Temp/");
}

void TemplateCommands::RebuildTemplateMenu()
{
    QMenu *sub = host_.menu(QStringLiteral("ToolTemp"));
    if (!sub)
        return;
    UserDataMenu::rebuild(host_, sub, TemplateFiles(folder()).titles(), CommandNeed::Document,
                          [this](int, const QString &title) { insertTemplate(title); });
}

void TemplateCommands::insertTemplate(const QString &title)
{
    QString text;
    if (!host_.hasDocument() || !TemplateFiles(folder()).readTemplate(title, text))
        return;
    TagInserter(host_.editContext()).InsertTagText(text, true);
}

void TemplateCommands::TemplateSpdClick()
{
    if (!host_.hasDocument())
        return;
    TslListBox picker(TslListBox::Templates, TemplateFiles(folder()).titles(), host_.window());
    host_.place(&picker, Placement::AtCursor);
    if (Platform::instance().execDialog(&picker) != QDialog::Accepted || picker.selectedIndex() < 0)
        return;
    insertTemplate(picker.selectedText());
}

void TemplateCommands::AddTempClick()
{
    if (!host_.hasDocument())
        return;
    IEditBox &edit = host_.editContext().box;
    if (edit.selLength() <= 0)
        return;
    TEditTempBox box(TEditTempBox::AddFromWindow, folder(), {}, host_.window());
    box.setMemoFont(host_.editorAppearance().editor);
    box.setText(edit.selectedText());
    connect(&box, &TEditTempBox::helpRequested, this, [this] { host_.showNotYetNotice(); });
    host_.place(&box, Placement::FromWindow, QPoint(100, 100));
    if (Platform::instance().execDialog(&box) != QDialog::Accepted)
        return;
    Q_EMIT host_.events().userDataChanged(UserData::Templates);
}

void TemplateCommands::TempPropertyClick()
{
    TemplateSource source(folder());
    TRegistBox box(source, host_.window());
    // The editor font, which the main window keeps also while no document is open.
    const QFont memoFont = host_.editorAppearance().editor;
    auto edit = [this, &box, memoFont](bool change) {
        const RegistEntry *current = box.selectedEntry();
        if (change && !current)
            return;
        TEditTempBox entry(change ? TEditTempBox::ChangeInList : TEditTempBox::AddToList, folder(),
                           box.source().list().titles(), &box);
        entry.setMemoFont(memoFont);
        if (change)
            entry.setTemplate(current->title, TemplateSource::pendingText(*current));
        connect(&entry, &TEditTempBox::helpRequested, this, [this] { host_.showNotYetNotice(); });
        entry.move(box.pos() + QPoint(change ? -30 : -40, 0));
        if (Platform::instance().execDialog(&entry) != QDialog::Accepted)
            return;
        const RegistEntry made = TemplateSource::entry(entry.title(), entry.text());
        if (change)
            box.replaceSelected(made);
        else
            box.appendEntry(made);
    };
    box.setAddHandler([edit] { edit(false); });
    box.setChangeHandler([edit] { edit(true); });
    box.setHelpHandler([this] { host_.showNotYetNotice(); });
    host_.place(&box, Placement::UpperThird);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted)
        return;
    Q_EMIT host_.events().userDataChanged(UserData::Templates);
}

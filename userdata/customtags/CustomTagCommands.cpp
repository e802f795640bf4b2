#include "userdata/customtags/CustomTagCommands.h"

#include "app/CommandHost.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/TagInserter.h"
#include "editing/UndoSnapshot.h"
#include "userdata/customtags/AddTagBox.h"
#include "userdata/customtags/CustomTagFile.h"
#include "userdata/customtags/CustomTagSource.h"
#include "userdata/listmanager/RegistBox.h"
#include "userdata/listmanager/UserDataMenu.h"
#include "userdata/listmanager/slListBox.h"

#include <QAction>
#include <QMenu>

CustomTagCommands::CustomTagCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("TagReg"), [this] { TagRegClick(); });
    for (const char *name : {"CustomTagSpd", "PopCustom"})
        host.bind(QLatin1String(name), [this] { CustomTagSpdClick(); }, CommandNeed::Document);
    if (QMenu *tools = host.menu(QStringLiteral("MenuTool")))
        connect(tools, &QMenu::aboutToShow, this, &CustomTagCommands::RebuildCustomTagMenu);
    connect(&host.events(), &HostEvents::userDataChanged, this, [this](UserData kind) {
        if (kind == UserData::CustomTags)
            RebuildCustomTagMenu();
    });
}

QString CustomTagCommands::iniPath() const
{
    return host_.programFolder() + CustomTagFile::fileName();
}

void CustomTagCommands::RebuildCustomTagMenu()
{
    QMenu *sub = host_.menu(QStringLiteral("ToolTag"));
    if (!sub)
        return;
    QStringList names;
    for (const CustomTag &tag : CustomTagFile(iniPath()).readAll(QStringLiteral("Tag")))
        names << tag.name;
    UserDataMenu::rebuild(host_, sub, names, CommandNeed::Document, [this](int n, const QString &) { CustomTagMenuClick(n); });
}

void CustomTagCommands::CustomTagMenuClick(int number)
{
    if (!host_.hasDocument())
        return;
    const CustomTag tag = CustomTagFile(iniPath()).read(number);
    const bool pair = tag.foot != CustomTagFile::NoFoot;
    EditContext ctx = host_.editContext();
    IEditBox &box = ctx.box;
    // As typed by the user: no case change, but Undo takes it back like any insertion.
    ctx.snapshot.take(box);
    EditBoxUpdateGuard guard(box);
    const int start = box.selStart();
    const QString selected = box.selectedText();
    const QString text = pair ? tag.head + selected + tag.foot : tag.head;
    RangeEdit::replace(box, start, selected, text);
    box.setSelection(start + int(text.size()), 0);
}

void CustomTagCommands::CustomTagSpdClick()
{
    if (!host_.hasDocument())
        return;
    const QList<CustomTag> tags = CustomTagFile(iniPath()).readAll(QString());
    QStringList names;
    for (const CustomTag &t : tags)
        names.append(t.name);
    TslListBox picker(TslListBox::CustomTags, names, host_.window());
    host_.place(&picker, Placement::AtCursor);
    if (Platform::instance().execDialog(&picker) != QDialog::Accepted || !host_.hasDocument())
        return;
    const int k = picker.selectedIndex();
    if (k < 0)
        return;
    const CustomTag tag = CustomTagFile(iniPath()).read(k + 1);
    TagInserter inserter(host_.editContext());
    if (tag.foot != CustomTagFile::NoFoot)
        inserter.InsertTagPair(tag.head, tag.foot);
    else
        inserter.InsertTagText(tag.head, false);
}

void CustomTagCommands::TagRegClick()
{
    CustomTagSource source(iniPath());
    TRegistBox box(source, host_.window());
    const bool upper = host_.tagCase() != 0;
    auto edit = [this, &box, upper](bool change) {
        TAddTagBox entry(upper, &box);
        const RegistEntry *current = box.selectedEntry();
        if (change) {
            if (!current)
                return;
            entry.setEntry(current->title, current->data.value(0), current->data.value(1));
        }
        entry.move(box.pos() + QPoint(change ? -30 : -20, 0));
        connect(&entry, &TAddTagBox::helpRequested, this, [this] { host_.showNotYetNotice(); });
        if (Platform::instance().execDialog(&entry) != QDialog::Accepted)
            return;
        const RegistEntry made = CustomTagSource::entry(entry.name(), entry.head(), entry.foot());
        if (change)
            box.replaceSelected(made);
        else
            box.appendEntry(made);
    };
    box.setAddHandler([edit] { edit(false); });
    box.setChangeHandler([edit] { edit(true); });
    box.setHelpHandler([this] { host_.showNotYetNotice(); });
    host_.place(&box, Placement::FromWindow, QPoint(270, 100));
    if (Platform::instance().execDialog(&box) != QDialog::Accepted)
        return;
    Q_EMIT host_.events().userDataChanged(UserData::CustomTags);
}

#include "wizards/links/LinkCommands.h"

#include "app/CommandHost.h"
#include "app/SettingsKeys.h"
#include "editing/IEditBox.h"
#include "platform/ProfileStore.h"
#include "wizards/links/AddressHistory.h"
#include "wizards/links/InputBox.h"
#include "wizards/links/LinkMarkup.h"
#include "wizards/shared/RelativePath.h"

#include <QFontDatabase>

namespace {

QString fileNamePart(const QString &name)
{
    return name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
}
} // namespace

LinkCommands::LinkCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    using W = Where;
    struct Binding
    {
        const char *item;
        int mode;
        Where where;
    };
    static const Binding bindings[] = {
        {"lnkFile", LinkMarkup::FileLink, W::UpperThird},
        {"PoplnkFile", LinkMarkup::FileLink, W::UpperThird},
        {"lnkFileSpd", LinkMarkup::FileLink, W::AtCursor},
        {"lnkHP", LinkMarkup::HomePage, W::Offset},
        {"PoplnkHP", LinkMarkup::HomePage, W::Offset},
        {"lnkHPSpd", LinkMarkup::HomePage, W::AtCursor},
        {"lnkMail", LinkMarkup::Mail, W::Offset},
        {"PoplnkMail", LinkMarkup::Mail, W::Offset},
        {"lnkMailSpd", LinkMarkup::Mail, W::AtCursor},
        {"lnkFTP", LinkMarkup::Ftp, W::Offset},
        {"PoplnkFTP", LinkMarkup::Ftp, W::Offset},
        {"lnkFTPspd", LinkMarkup::Ftp, W::AtCursor},
        {"lnkMark", LinkMarkup::Mark, W::Offset},
        {"PoplnkMark", LinkMarkup::Mark, W::Offset},
        {"lnkMarkSpd", LinkMarkup::Mark, W::AtCursor},
        {"lnkJumpMark", LinkMarkup::JumpMark, W::Offset},
        {"PoplnkJumpMark", LinkMarkup::JumpMark, W::Offset},
        {"lnkJumpMarkSpd", LinkMarkup::JumpMark, W::Offset},
        {"lnkJumpFile", LinkMarkup::JumpFile, W::Offset},
        {"PoplnkJumpFile", LinkMarkup::JumpFile, W::Offset},
        {"lnkJumpFileSpd", LinkMarkup::JumpFile, W::AtCursor},
        {"frmSrc", LinkMarkup::FrameSource, W::UpperThird},
        {"PopfrmSrc", LinkMarkup::FrameSource, W::UpperThird},
        {"FrameSrcSpd", LinkMarkup::FrameSource, W::AtCursor},
        {"image1", LinkMarkup::BackgroundImage, W::UpperThird},
        {"family1", LinkMarkup::FontFamily, W::UpperThird},
    };
    for (const Binding &b : bindings)
        host_.bind(QLatin1String(b.item), [this, b] { openInputBox(b.mode, b.where); }, CommandNeed::Document);
}

void LinkCommands::openInputBox(int mode, Where where)
{
    if (!host_.hasDocument())
        return;
    TInputBox box(host_.window());
    prepare(box, mode);
    switch (where) {
    case Where::AtCursor: host_.place(&box, Placement::AtCursor); break;
    case Where::UpperThird: host_.place(&box, Placement::UpperThird); break;
    case Where::Offset: host_.place(&box, Placement::FromWindow, QPoint(150, 100)); break;
    }
    Platform::instance().execDialog(&box);
}

void LinkCommands::prepare(TInputBox &box, int mode)
{
    box.setMode(mode);
    const QStringList names = host_.documentNames();
    const int active = host_.activeDocumentIndex();
    const QString activeName = host_.activeDocumentName();
    QStringList entries;
    int chosen = -1;
    switch (mode) {
    case LinkMarkup::HomePage:
    case LinkMarkup::Mail:
    case LinkMarkup::Ftp:
        entries = AddressHistory::load(ProfileStore(host_.settingsPath()), AddressHistory::sectionOf(mode));
        break;
    case LinkMarkup::JumpMark:
        if (IEditBox *b = host_.documentBox(active))
            entries = LinkMarkup::marksIn(b->lines());
        break;
    case LinkMarkup::JumpFile:
        for (int i = 0; i < names.size(); ++i) {
            IEditBox *b = host_.documentBox(i);
            if (i == active || !b)
                continue;
            const QStringList marks = LinkMarkup::marksIn(b->lines());
            for (const QString &mark : marks)
                entries << LinkMarkup::markInDocument(fileNamePart(names.at(i)), mark);
        }
        break;
    case LinkMarkup::FileLink:
    case LinkMarkup::FrameSource:
        for (int i = 0; i < names.size(); ++i) {
            if (i != active)
                entries << RelativePath::of(names.at(i), activeName);
        }
        break;
    case LinkMarkup::FontFamily: {
        entries = LinkMarkup::familyNames(QFontDatabase::families());
        chosen = SettingsKeys::read(ProfileStore(host_.settingsPath()), SettingsKeys::FontFamily);
        break;
    }
    default:
        break;
    }
    // Only the mark lists and the font list start with an entry chosen.
    if (mode == LinkMarkup::JumpMark || mode == LinkMarkup::JumpFile)
        chosen = entries.isEmpty() ? -1 : 0;
    box.setEntries(entries, chosen);
    if (TInputBox::hasBrowse(mode)) {
        box.setBrowseBase(activeName, host_.firstBrowseFolder());
        connect(&box, &TInputBox::firstBrowseUsed, this, [this] { host_.setFirstBrowseUsed(); });
    }
    connect(&box, &QDialog::accepted, this, [this, &box] { apply(box); });
}

void LinkCommands::apply(const TInputBox &box)
{
    if (!host_.hasDocument())
        return;
    const int mode = box.mode();
    const QString input = box.input();
    LinkMarkup::apply(LinkMarkup::forMode(mode, input, host_.styleCase()), host_.editContext());

    const QString section = AddressHistory::sectionOf(mode);
    if (!section.isEmpty()) {
        ProfileStore ini(host_.settingsPath());
        host_.settingsWritten(AddressHistory::save(ini, section, AddressHistory::withNewest(input, box.entries())), ini);
    } else if (mode == LinkMarkup::FontFamily) {
        // A typed name that is not an installed font chooses no entry.
        ProfileStore ini(host_.settingsPath());
        host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::FontFamily, box.chosenIndex()), ini);
    }
}

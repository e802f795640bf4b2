#include "wizards/links/LinkFileCommands.h"

#include "app/CommandHost.h"
#include "app/DialogPlacement.h"
#include "editing/IEditBox.h"
#include "platform/ProfileStore.h"
#include "wizards/links/LinkBox.h"
#include "wizards/links/LinkChecker.h"
#include "wizards/links/LinkTargets.h"

namespace {
const QString Section = QStringLiteral("LinkBox");
const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");
} // namespace

LinkFileCommands::LinkFileCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("LinkFile"), [this] { LinkFileClick(); }, CommandNeed::Document);
}

void LinkFileCommands::LinkFileClick()
{
    if (!host_.hasDocument())
        return;
    // Each window checks against its own page's folder; the process's current folder is
    // left alone, so two windows never mix their folders.
    const QString folder = LinkTargets::folderOf(host_.activeDocumentName());
    if (folder.isEmpty()) {
        host_.showInfo(SaveFirst);
        return;
    }
    QWidget *main = host_.window();
    auto *box = new TLinkBox(main);
    {
        const ProfileStore ini(host_.settingsPath());
        box->resize(ini.readInteger(Section, WidthKey, 400), ini.readInteger(Section, HeightKey, 300));
        box->move(DialogPlacement::upperThird(main->frameGeometry(), box->frameGeometry().size()));
    }
    // The checker goes with the window, which cancels whatever is still running.
    auto *checker = new LinkChecker(folder, LinkTargets::scan(host_.editContext().box.text()), box);
    // Every row shows at once, pending until its look-up answers.
    box->showRows(checker->rows());
    connect(checker, &LinkChecker::rowsChecked, box,
            [box, checker](const QList<int> &indexes) { box->updateRows(checker->rows(), indexes); });
    connect(checker, &LinkChecker::finished, box, &TLinkBox::finish);
    connect(box, &TLinkBox::sizeToKeep, this, [this](const QSize &size) {
        ProfileStore ini(host_.settingsPath());
        host_.settingsWritten(ini.writeInteger(Section, WidthKey, size.width())
                                  && ini.writeInteger(Section, HeightKey, size.height()),
                              ini);
    });
    connect(box, &TLinkBox::openRequested, this, [this, box](const QStringList &paths) {
        int opened = 0;
        for (const QString &path : paths) {
            if (host_.checkNotOpen(path)) {
                host_.openChecked(path);
                ++opened;
            }
        }
        if (opened > 0) {
            box->showMinimized();
            host_.window()->activateWindow();
        }
    });
    box->show();
    checker->start();
}

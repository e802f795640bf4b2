#include "userdata/search/SearchCommands.h"

#include "app/CommandHost.h"
#include "app/DialogPlacement.h"
#include "editing/IEditBox.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "userdata/search/DocumentSearch.h"
#include "userdata/search/FindBox.h"
#include "userdata/search/JumpScan.h"
#include "userdata/search/SearchHistory.h"
#include "userdata/search/SelectBox.h"
#include "userdata/search/SearchBox.h"

#include <QWidget>

#include <algorithm>
#include <climits>
#include <memory>

namespace {
const QString FindSection = QStringLiteral("Find");
const QString SelectSection = QStringLiteral("SelectBox");
const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");

// Sizes the window from its keys, then puts it in the upper third of the main window.
void placeSized(QWidget *main, QWidget *window, const QSize &size)
{
    window->resize(size);
    window->move(DialogPlacement::upperThird(main->frameGeometry(), window->frameGeometry().size()));
}
} // namespace

SearchCommands::SearchCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    for (const char *name : {"SearchFind", "PFindFind"})
        host.bind(QLatin1String(name), [this] { SearchFindClick(); }, CommandNeed::Document);
    for (const char *name : {"SearchJump", "PFindJump"})
        host.bind(QLatin1String(name), [this] { SearchJumpClick(); }, CommandNeed::Document);
    for (const char *name : {"SearchLink", "PopJumpToLink"})
        host.bind(QLatin1String(name), [this] { SearchLinkClick(); }, CommandNeed::Document);
}

void SearchCommands::SearchFindClick()
{
    if (!host_.hasDocument())
        return;
    IEditBox *document = &host_.editContext().box;
    TSearchBox dialog(host_.window());
    if (document->selLength() > 0)
        dialog.setKeyword(DocumentSearch::firstLine(document->selectedText()));
    dialog.setHistory(SearchHistory::load(ProfileStore(host_.settingsPath())));
    dialog.setSearch([this, document](TSearchBox &d) { return startSearch(d, document); });
    host_.place(&dialog, Placement::UpperThird);
    Platform::instance().execDialog(&dialog);
}

bool SearchCommands::startSearch(TSearchBox &dialog, IEditBox *document)
{
    const QString keyword = dialog.keyword();
    const QStringList history = SearchHistory::withKeyword(keyword, dialog.history());
    {
        ProfileStore ini(host_.settingsPath());
        host_.settingsWritten(SearchHistory::save(ini, history), ini);
    }
    dialog.setHistory(history);
    Q_EMIT searched(keyword, dialog.caseSensitive());

    const QString text = document->text();
    QList<SearchHit> hits = DocumentSearch::findAll(text, keyword, dialog.caseSensitive());
    if (hits.isEmpty()) {
        Platform::instance().message(&dialog, Platform::MessageKind::Information, Messages::InfoTitle, NotFound,
                                     Platform::Buttons::Ok, dialog.pos());
        return false;
    }

    auto *results = new TFindBox(host_.window());
    results->setResults(text, std::move(hits), int(keyword.size()));
    const ProfileStore ini(host_.settingsPath());
    placeSized(host_.window(), results,
               QSize(ini.readInteger(FindSection, WidthKey, 300), ini.readInteger(FindSection, HeightKey, 200)));

    // The window keeps its document until that document closes.
    auto target = std::make_shared<IEditBox *>(document);
    connect(&host_.events(), &HostEvents::documentClosing, results, [target](IEditBox *box) {
        if (*target == box)
            *target = nullptr;
    });
    connect(results, &TFindBox::jumpRequested, this,
            [this, target](int line, int column, int length) { jumpTo(*target, line, column, length); });
    connect(results, &TFindBox::sizeToKeep, this, [this](const QSize &size) {
        ProfileStore ini(host_.settingsPath());
        host_.settingsWritten(ini.writeInteger(FindSection, WidthKey, size.width())
                                  && ini.writeInteger(FindSection, HeightKey, size.height()),
                              ini);
    });
    connect(results, &TFindBox::helpRequested, this, [this] { host_.showNotYetNotice(); });
    results->show();
    return true;
}

void SearchCommands::jumpTo(IEditBox *box, int line, int column, int length)
{
    if (!box || !host_.activateDocument(box))
        return;
    const int lines = box->lineCount();
    if (lines <= 0)
        return;
    if (line >= lines) {
        line = lines - 1;
        column = INT_MAX;
    }
    const int lineLength = int(box->line(line).size());
    column = std::clamp(column, 0, lineLength);
    length = std::clamp(length, 0, lineLength - column);
    host_.selectAndShow(line, column, length);
    QWidget *main = host_.window();
    main->raise();
    main->activateWindow();
}

void SearchCommands::SearchJumpClick()
{
    runJumpList(JumpScan::Comments);
}

void SearchCommands::SearchLinkClick()
{
    runJumpList(JumpScan::Links);
}

void SearchCommands::runJumpList(int mode)
{
    if (!host_.hasDocument())
        return;
    const QList<JumpRow> rows = JumpScan::scan(host_.editContext().box.text(), mode);
    QWidget *main = host_.window();
    if (rows.isEmpty()) {
        Platform::instance().message(main, Platform::MessageKind::Information, Messages::InfoTitle, NotFound,
                                     Platform::Buttons::Ok, QPoint(main->width() / 2, main->height() / 2));
        return;
    }
    TSelectBox dialog(main);
    dialog.setRows(rows, mode);
    {
        const ProfileStore ini(host_.settingsPath());
        placeSized(main, &dialog,
                   QSize(ini.readInteger(SelectSection, WidthKey, 300), ini.readInteger(SelectSection, HeightKey, 260)));
    }
    Platform::instance().execDialog(&dialog);
    {
        ProfileStore ini(host_.settingsPath());
        host_.settingsWritten(ini.writeInteger(SelectSection, WidthKey, dialog.width())
                                  && ini.writeInteger(SelectSection, HeightKey, dialog.height()),
                              ini);
    }
    const std::optional<JumpRow> row = dialog.chosen();
    if (row && host_.hasDocument())
        host_.selectAndShow(row->line, row->column, int(JumpScan::startMarker(mode).size()));
}

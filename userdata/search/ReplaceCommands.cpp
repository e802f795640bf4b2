#include "userdata/search/ReplaceCommands.h"

#include "app/CommandHost.h"
#include "editing/IEditBox.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "userdata/search/DocumentReplace.h"
#include "userdata/search/ReplaceBox.h"
#include "userdata/search/SearchCommands.h"
#include "userdata/search/SearchHistory.h"

#include <QAction>
#include <QKeySequence>
#include <QWidget>

ReplaceCommands::ReplaceCommands(CommandHost &host, SearchCommands &search)
    : QObject(host.window()), host_(host), search_(search)
{
    host.bind(QStringLiteral("SearchReplace"), [this] { SearchReplaceClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("SearchNext"), [this] { SearchNextClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("SearchPrev"), [this] { SearchPrevClick(); }, CommandNeed::Document);
    connect(&search, &SearchCommands::searched, this, &ReplaceCommands::remember);
    connect(&host.events(), &HostEvents::shortcutsChanged, this, &ReplaceCommands::assignKeys);
    assignKeys();
}

void ReplaceCommands::assignKeys()
{
    QWidget *window = host_.window();
    const auto holder = [window](const QKeySequence &keys, const QAction *self) {
        const auto actions = window->findChildren<QAction *>();
        for (const QAction *a : actions) {
            if (a != self && a->shortcuts().contains(keys))
                return true;
        }
        return false;
    };
    const std::pair<const char *, QKeySequence> wanted[] = {{"SearchNext", QKeySequence(Qt::Key_F3)},
                                                            {"SearchPrev", QKeySequence(Qt::SHIFT | Qt::Key_F3)}};
    for (const auto &[name, keys] : wanted) {
        auto *a = window->findChild<QAction *>(QLatin1String(name));
        if (a)
            a->setShortcut(holder(keys, a) ? QKeySequence() : keys);
    }
}

void ReplaceCommands::remember(const QString &keyword, bool caseSensitive)
{
    lastKeyword_ = keyword;
    lastCase_ = caseSensitive;
}

void ReplaceCommands::SearchNextClick()
{
    findAgain(false);
}

void ReplaceCommands::SearchPrevClick()
{
    findAgain(true);
}

void ReplaceCommands::findAgain(bool backwards)
{
    if (!host_.hasDocument())
        return;
    if (lastKeyword_.isEmpty()) {
        search_.SearchFindClick();
        return;
    }
    IEditBox &box = host_.editContext().box;
    const DocumentReplace::Outcome outcome = DocumentReplace::find(box, lastKeyword_, lastCase_, backwards);
    if (outcome == DocumentReplace::Outcome::NotFound) {
        QWidget *main = host_.window();
        Platform::instance().message(main, Platform::MessageKind::Information, Messages::InfoTitle,
                                     SearchCommands::NotFound, Platform::Buttons::Ok,
                                     QPoint(main->width() / 2, main->height() / 2));
        return;
    }
    if (outcome == DocumentReplace::Outcome::Wrapped)
        host_.showStatusNote(backwards ? WrappedToEnd : WrappedToStart);
    const int start = box.selStart();
    const int line = box.lineFromPos(start);
    host_.selectAndShow(line, start - box.posFromLine(line), box.selLength());
}

void ReplaceCommands::SearchReplaceClick()
{
    if (!host_.hasDocument())
        return;
    IEditBox &box = host_.editContext().box;
    TReplaceBox dialog(host_.window());
    const QString selected = box.selLength() > 0 ? box.selectedText() : QString();
    if (!selected.isEmpty())
        dialog.setFindText(selected);
    // Text over several lines is what to work in rather than what to find.
    const bool spansLines = selected.contains(QLatin1Char('\n'));
    scopeStart_ = box.selStart();
    scopeEnd_ = spansLines ? box.selStart() + box.selLength() : -1;
    dialog.setSelectionScope(spansLines, spansLines);
    {
        const ProfileStore ini(host_.settingsPath());
        dialog.setFindHistory(SearchHistory::load(ini, SearchHistory::FindSection));
        dialog.setReplaceHistory(SearchHistory::load(ini, SearchHistory::ReplaceSection));
    }
    dialog.setHandler([this](TReplaceBox &d, TReplaceBox::Action action) { act(d, int(action)); });
    host_.place(&dialog, Placement::UpperThird);
    Platform::instance().execDialog(&dialog);
}

void ReplaceCommands::act(TReplaceBox &dialog, int action)
{
    if (!host_.hasDocument())
        return;
    const auto kind = TReplaceBox::Action(action);
    DocumentReplace::Request request;
    request.find = dialog.findText();
    request.replacement = dialog.replacement();
    request.caseSensitive = dialog.caseSensitive();
    remember(request.find, request.caseSensitive);

    {
        const QStringList finds = SearchHistory::withKeyword(request.find, dialog.findHistory());
        QStringList replacements = dialog.replaceHistory();
        if (kind != TReplaceBox::Action::FindNext)
            replacements = SearchHistory::withKeyword(request.replacement, replacements);
        ProfileStore ini(host_.settingsPath());
        bool ok = SearchHistory::save(ini, finds, SearchHistory::FindSection);
        if (kind != TReplaceBox::Action::FindNext)
            ok = SearchHistory::save(ini, SearchHistory::storable(replacements), SearchHistory::ReplaceSection) && ok;
        host_.settingsWritten(ok, ini);
        dialog.setFindHistory(finds);
        dialog.setReplaceHistory(replacements);
    }

    DocumentReplace::Scope scope;
    const EditContext context = host_.editContext();
    if (dialog.inSelection() && scopeEnd_ >= 0) {
        scope = {scopeStart_, scopeEnd_};
        // The scope itself selected: the work starts at its beginning.
        if (context.box.selStart() == scopeStart_ && context.box.selLength() == scopeEnd_ - scopeStart_)
            context.box.setSelection(scopeStart_, 0);
    }
    const auto tell = [&dialog](const QString &text) {
        Platform::instance().message(&dialog, Platform::MessageKind::Information, Messages::InfoTitle, text,
                                     Platform::Buttons::Ok, dialog.pos());
    };

    if (kind == TReplaceBox::Action::ReplaceAll) {
        const int count = DocumentReplace::replaceAll(context, request, scope);
        if (!scope.whole())
            scopeEnd_ = scope.end;
        tell(count > 0 ? replacedText(count) : SearchCommands::NotFound);
        return;
    }
    const DocumentReplace::Outcome outcome =
        kind == TReplaceBox::Action::Replace
            ? DocumentReplace::replace(context, request, scope)
            : DocumentReplace::find(context.box, request.find, request.caseSensitive, false, scope);
    if (!scope.whole())
        scopeEnd_ = scope.end;
    if (outcome == DocumentReplace::Outcome::NotFound) {
        tell(SearchCommands::NotFound);
        return;
    }
    if (outcome == DocumentReplace::Outcome::Wrapped)
        host_.showStatusNote(WrappedToStart);
    const IEditBox &box = context.box;
    const int start = box.selStart();
    const int line = box.lineFromPos(start);
    host_.selectAndShow(line, start - box.posFromLine(line), box.selLength());
}

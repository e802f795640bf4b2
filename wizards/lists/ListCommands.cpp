#include "wizards/lists/ListCommands.h"

#include "app/CommandHost.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/lists/ListSet.h"
#include "wizards/lists/ListOption.h"

ListCommands::ListCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    for (const char *name : {"ListWizard", "PopListWizard", "ListSpd"})
        host.bind(QLatin1String(name), [this] { ListWizardClick(); }, CommandNeed::Document);
    for (const char *name : {"lstOpt", "PoplstOpt"})
        host.bind(QLatin1String(name), [this] { lstOptClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("LstOptSpd"), [this] { LstOptSpdClick(); }, CommandNeed::Document);
}

void ListCommands::ListWizardClick()
{
    if (!host_.hasDocument())
        return;
    TListSet box(host_.window());
    host_.place(&box, Placement::UpperThird);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    const ListMarkup::Options options = box.options();
    TagInserter inserter(host_.editContext());
    if (options.kind == ListMarkup::Lettered) {
        const ListMarkup::Pair pair = ListMarkup::lettered(options, host_.tabSpaces());
        inserter.InsertTagPairWithText(pair.head, pair.text, pair.foot);
    } else {
        inserter.InsertCasedText(ListMarkup::block(options, host_.tabSpaces()));
    }
}

void ListCommands::lstOptClick()
{
    runListOption(false);
}

void ListCommands::LstOptSpdClick()
{
    runListOption(true);
}

void ListCommands::runListOption(bool atCursor)
{
    if (!host_.hasDocument())
        return;
    TListOption box(host_.window());
    host_.place(&box, atCursor ? Placement::AtCursor : Placement::Centered);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    // One insertion, so that one undo takes the whole option back.
    TagInserter(host_.editContext()).InsertTagText(box.insertion(host_.tagCase()), true);
}

#include "wizards/tables/TableCommands.h"

#include "app/CommandHost.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/tables/TagOpt.h"
#include "wizards/tables/TableBox.h"

TableCommands::TableCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    for (const char *name : {"TableWizard", "TableSpd", "PopTableWizard"})
        host.bind(QLatin1String(name), [this] { TableWizardClick(); }, CommandNeed::Document);
    for (const char *name : {"tTagOption", "PopTblOpt"})
        host.bind(QLatin1String(name), [this] { tTagOptionClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("TblOptSpd"), [this] { TblOptSpdClick(); }, CommandNeed::Document);
}

void TableCommands::TableWizardClick()
{
    if (!host_.hasDocument())
        return;
    TTableBox box(host_.window());
    host_.place(&box, Placement::UpperThird);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    TagInserter(host_.editContext()).InsertTagText(box.insertion(host_.tagCase(), host_.tabSpaces()), true);
}

void TableCommands::tTagOptionClick()
{
    runTagOptions(false);
}

void TableCommands::TblOptSpdClick()
{
    runTagOptions(true);
}

void TableCommands::runTagOptions(bool atCursor)
{
    if (!host_.hasDocument())
        return;
    TTagOpt box(host_.window());
    if (atCursor)
        host_.place(&box, Placement::AtCursor);
    else
        host_.place(&box, Placement::FromWindow, QPoint(200, 100));
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    // The whole string, values included, follows the tag case.
    TagInserter(host_.editContext()).InsertTagText(box.insertion(), false);
}

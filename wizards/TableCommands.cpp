#include "wizards/TableCommands.h"

#include "app/MainForm.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/TOpt.h"
#include "wizards/Table.h"

TableCommands::TableCommands(TMainForm &form) : QObject(&form), form_(form)
{
    for (const char *name : {"TableWizard", "TableSpd", "PopTableWizard"})
        form.bind(QLatin1String(name), [this] { TableWizardClick(); });
    for (const char *name : {"tTagOption", "PopTblOpt"})
        form.bind(QLatin1String(name), [this] { tTagOptionClick(); });
    form.bind(QStringLiteral("TblOptSpd"), [this] { TblOptSpdClick(); });
}

void TableCommands::TableWizardClick()
{
    // Ctrl+T can still arrive while no document is open.
    if (!form_.activeBox())
        return;
    TTableBox box(&form_);
    form_.PlaceUpperThird(&box);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !form_.activeBox())
        return;
    TagInserter(form_.editContext()).InsertTagText(box.insertion(form_.tagCase(), form_.tabSpaces()), true);
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
    if (!form_.activeBox())
        return;
    TTagOpt box(&form_);
    if (atCursor)
        form_.PlaceAtCursor(&box);
    else
        box.move(form_.pos() + QPoint(200, 100));
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !form_.activeBox())
        return;
    // The whole string, values included, follows the tag case.
    TagInserter(form_.editContext()).InsertTagText(box.insertion(), false);
}

#include "wizards/frames/FrameCommands.h"

#include "app/CommandHost.h"
#include "platform/HelpTopic.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/frames/FrameBox.h"
#include "wizards/frames/FrmOptBox.h"

FrameCommands::FrameCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("frmWizard"), [this] { frmWizardClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("frmOption"), [this] { frmOptionClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("FrmOptSpd"), [this] { FrmOptSpdClick(); }, CommandNeed::Document);
}

void FrameCommands::frmWizardClick()
{
    if (!host_.hasDocument())
        return;
    const QString active = host_.activeDocumentName();
    const QString from = active == CommandHost::untitledName() ? QString() : active;
    TFrameBox box(FrameMarkup::sourceChoices(host_.documentNames(), host_.activeDocumentIndex(), CommandHost::untitledName()),
                  from, host_.window());
    connect(&box, &TFrameBox::helpRequested, &box,
            [&box](const QString &page, const QString &anchor) { HelpTopic::ShowHelpTopic(&box, page, anchor); });
    host_.place(&box, Placement::UpperThird);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    TagInserter inserter(host_.editContext());
    inserter.InsertTagText(box.insertion(host_.tagCase()), true);
}

void FrameCommands::frmOptionClick()
{
    runOptions(false);
}

void FrameCommands::FrmOptSpdClick()
{
    runOptions(true);
}

void FrameCommands::runOptions(bool atCursor)
{
    if (!host_.hasDocument())
        return;
    TFrmOptBox box(host_.tagCase(), host_.window());
    connect(&box, &TFrmOptBox::helpRequested, &box,
            [&box](const QString &page, const QString &anchor) { HelpTopic::ShowHelpTopic(&box, page, anchor); });
    host_.place(&box, atCursor ? Placement::AtCursor : Placement::UpperThird);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    const QString text = box.insertion();
    if (!text.isEmpty())
        TagInserter(host_.editContext()).InsertTagText(text, true);
}

#include "wizards/frames/FrameCommands.h"

#include "app/CommandHost.h"
#include "platform/HelpTopic.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/frames/FrameBox.h"
#include "wizards/frames/FrmOptBox.h"

FrameCommands::FrameCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    // Menu and pop-up items place the dialogs in the upper third, tool buttons at the pointer.
    host.bind(QStringLiteral("frmWizard"), [this] { runWizard(false); }, CommandNeed::Document);
    host.bind(QStringLiteral("PopfrmWizard"), [this] { runWizard(false); }, CommandNeed::Document);
    host.bind(QStringLiteral("FrameSpd"), [this] { runWizard(true); }, CommandNeed::Document);
    host.bind(QStringLiteral("frmOption"), [this] { runOptions(false); }, CommandNeed::Document);
    host.bind(QStringLiteral("PopfrmOpt"), [this] { runOptions(false); }, CommandNeed::Document);
    host.bind(QStringLiteral("FrmOptSpd"), [this] { runOptions(true); }, CommandNeed::Document);
}

void FrameCommands::frmWizardClick()
{
    runWizard(false);
}

void FrameCommands::FrameSpdClick()
{
    runWizard(true);
}

void FrameCommands::runWizard(bool atCursor)
{
    if (!host_.hasDocument())
        return;
    const QString active = host_.activeDocumentName();
    const QString from = active == CommandHost::untitledName() ? QString() : active;
    TFrameBox box(FrameMarkup::sourceChoices(host_.documentNames(), host_.activeDocumentIndex(), CommandHost::untitledName()),
                  from, host_.window());
    connect(&box, &TFrameBox::helpRequested, &box,
            [&box](const QString &page, const QString &anchor) { HelpTopic::ShowHelpTopic(&box, page, anchor); });
    host_.place(&box, atCursor ? Placement::AtCursor : Placement::UpperThird);
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

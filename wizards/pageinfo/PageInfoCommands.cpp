#include "wizards/pageinfo/PageInfoCommands.h"

#include "platform/HelpTopic.h"
#include "editing/IEditBox.h"
#include "platform/Platform.h"
#include "wizards/pageinfo/PageInfoBox.h"
#include "wizards/pageinfo/PageInfoMarkup.h"

PageInfoCommands::PageInfoCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("HtmlBasic"), [this] { HtmlBasicClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("PopHtmlBasic"), [this] { HtmlBasicClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("HtmlBasicSpd"), [this] { HtmlBasicSpdClick(); }, CommandNeed::Document);
}

void PageInfoCommands::HtmlBasicClick()
{
    run(Placement::UpperThird);
}

void PageInfoCommands::HtmlBasicSpdClick()
{
    run(Placement::AtCursor);
}

void PageInfoCommands::run(Placement placement)
{
    // A short-cut can still arrive while no document is open.
    if (!host_.hasDocument())
        return;
    PageInfoMarkup::PageInfo info = PageInfoMarkup::read(PageInfoMarkup::linesOf(host_.editContext().box.text()));
    info.charset = host_.activeDocumentIsUtf8() ? QStringLiteral("UTF-8") : QStringLiteral("Shift_JIS");
    TPageInfoBox box(info, [this](const QColor &initial) { return host_.chooseColor(initial); }, host_.window());
    connect(&box, &TPageInfoBox::helpRequested, &box,
            [&box](const QString &page, const QString &anchor) { HelpTopic::ShowHelpTopic(&box, page, anchor); });
    host_.place(&box, placement);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    PageInfoMarkup::apply(host_.editContext(), box.fields());
}

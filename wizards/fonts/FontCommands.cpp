#include "wizards/fonts/FontCommands.h"

#include "editing/IEditBox.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "wizards/fonts/FontBox.h"
#include "wizards/fonts/HeaderBox.h"
#include "wizards/fonts/LineSet.h"
#include "wizards/fonts/SizeBox.h"

FontCommands::FontCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    const auto bind = [&host](std::initializer_list<const char *> names, std::function<void()> operation) {
        for (const char *name : names)
            host.bind(QLatin1String(name), operation, CommandNeed::Document);
    };
    bind({"FontWizard", "PopFontWizard"}, [this] { FontWizardClick(); });
    bind({"FontSpd"}, [this] { FontSpdClick(); });
    bind({"fSize", "PopFontSize"}, [this] { fSizeClick(); });
    bind({"fSizeSpd"}, [this] { fSizeSpdClick(); });
    bind({"aHeader", "PopArngHeader"}, [this] { aHeaderClick(); });
    bind({"aHeaderSpd"}, [this] { aHeaderSpdClick(); });
    bind({"imgHRWizard", "PopimgHRWizard"}, [this] { imgHRWizardClick(); });
    bind({"imgHRWizardSpd"}, [this] { imgHRWizardSpdClick(); });
}

void FontCommands::FontWizardClick() { runFont(Placement::FromWindow, QPoint(180, 70)); }
void FontCommands::FontSpdClick() { runFont(Placement::AtCursor); }
void FontCommands::fSizeClick() { runSize(Placement::FromWindow, QPoint(200, 80)); }
void FontCommands::fSizeSpdClick() { runSize(Placement::AtCursor); }
void FontCommands::aHeaderClick() { runHeader(Placement::UpperThird); }
void FontCommands::aHeaderSpdClick() { runHeader(Placement::AtCursor); }
void FontCommands::imgHRWizardClick() { runRule(Placement::UpperThird); }
void FontCommands::imgHRWizardSpdClick() { runRule(Placement::AtCursor); }

bool FontCommands::confirmed(QDialog &dialog, Placement placement, QPoint offset)
{
    host_.place(&dialog, placement, offset);
    return Platform::instance().execDialog(&dialog) == QDialog::Accepted && host_.hasDocument();
}

void FontCommands::runFont(Placement placement, QPoint offset)
{
    // A short-cut can still arrive while no document is open.
    if (!host_.hasDocument())
        return;
    TFontBox box(host_.editContext().box.selectedText(),
                 [this](const QColor &initial) { return host_.chooseColor(initial); }, host_.window());
    if (!confirmed(box, placement, offset))
        return;
    const FontMarkup::Pair tags = box.tags();
    TagInserter(host_.editContext()).InsertTagPair(tags.head, tags.foot);
}

void FontCommands::runSize(Placement placement, QPoint offset)
{
    if (!host_.hasDocument())
        return;
    TSizeBox box(host_.editContext().box.selectedText(), host_.window());
    if (!confirmed(box, placement, offset))
        return;
    const FontMarkup::Pair tags = box.tags();
    TagInserter(host_.editContext()).InsertTagPair(tags.head, tags.foot);
}

void FontCommands::runHeader(Placement placement)
{
    if (!host_.hasDocument())
        return;
    THeaderBox box(host_.window());
    if (!confirmed(box, placement))
        return;
    const FontMarkup::Pair tags = box.tags();
    TagInserter(host_.editContext()).InsertTagPair(tags.head, tags.foot);
}

void FontCommands::runRule(Placement placement)
{
    if (!host_.hasDocument())
        return;
    TLineSet box(host_.window());
    if (!confirmed(box, placement))
        return;
    TagInserter(host_.editContext()).InsertTagText(box.tag(), false);
}

#include "wizards/lists/MarqueeCommands.h"

#include "app/CommandHost.h"
#include "editing/IEditBox.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "wizards/lists/MarqueeBox.h"

MarqueeCommands::MarqueeCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    for (const char *name : {"HtmlMarquee", "fMarqueeSpd"})
        host.bind(QLatin1String(name), [this] { HtmlMarqueeClick(); }, CommandNeed::Document);
}

void MarqueeCommands::HtmlMarqueeClick()
{
    if (!host_.hasDocument())
        return;
    ProfileStore ini(host_.settingsPath());
    const QString selected = host_.editContext().box.selectedText();
    auto choose = [this](const std::optional<RgbColor> &preset) -> std::optional<RgbColor> {
        const RgbColor start = preset.value_or(RgbColor{255, 255, 255});
        const std::optional<QColor> c = host_.chooseColor(QColor(start.red, start.green, start.blue));
        if (!c)
            return std::nullopt;
        return RgbColor{c->red(), c->green(), c->blue()};
    };
    TMarqueeBox box(MarqueeMarkup::read(ini), selected, choose, host_.window());
    host_.place(&box, Placement::UpperThird);
    if (Platform::instance().execDialog(&box) != QDialog::Accepted || !host_.hasDocument())
        return;
    // Only the tag and attribute names follow the tag case: the text is the user's own.
    TagInserter(host_.editContext()).InsertTagText(box.insertion(host_.tagCase()), true);
    host_.settingsWritten(MarqueeMarkup::write(ini, box.settings()), ini);
}

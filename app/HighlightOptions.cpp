#include "app/HighlightOptions.h"

#include "app/CommandHost.h"
#include "app/EditBox.h"
#include "app/HtmlColoring.h"
#include "app/SettingsKeys.h"
#include "platform/ProfileStore.h"

namespace {
const QString Item = QStringLiteral("OptHighlight");
}

HighlightOptions::HighlightOptions(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(Item, [this] { OptHighlightClick(); });
    on_ = SettingsKeys::readChoice(ProfileStore(host.settingsPath()), SettingsKeys::Highlight) == 1;
    host.setItemChecked(Item, on_);
    connect(&host.events(), &HostEvents::editBoxCreated, this,
            [this](QWidget *box) { apply(qobject_cast<EditBox *>(box)); });
}

void HighlightOptions::OptHighlightClick()
{
    on_ = !on_;
    host_.setItemChecked(Item, on_);
    for (int i = 0; i < host_.documentNames().size(); ++i)
        apply(dynamic_cast<EditBox *>(host_.documentBox(i)));
    ProfileStore ini(host_.settingsPath());
    host_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::Highlight, on_ ? 1 : 0), ini);
}

void HighlightOptions::apply(EditBox *box) const
{
    if (!box)
        return;
    HtmlColoring *coloring = HtmlColoring::of(box);
    if (on_ && !coloring)
        new HtmlColoring(box);
    else if (!on_ && coloring)
        delete coloring;
}

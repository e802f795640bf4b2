#include "wizards/lists/DateCommands.h"

#include "app/CommandHost.h"
#include "editing/TagInserter.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "wizards/lists/TimeBox.h"

namespace {
const QString Section = QStringLiteral("DateValue");
}

DateCommands::DateCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    host.bind(QStringLiteral("ToolDate"), [this] { ToolDateClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("TimeSpd"), [this] { TimeSpdClick(); }, CommandNeed::Document);
    host.bind(QStringLiteral("PopDate"), [this] { PopDateClick(); }, CommandNeed::Document);
}

void DateCommands::ToolDateClick()
{
    run(false, QPoint(150, 150));
}

void DateCommands::TimeSpdClick()
{
    run(true, QPoint());
}

void DateCommands::PopDateClick()
{
    run(false, QPoint(150, 200));
}

void DateCommands::run(bool atCursor, QPoint offset)
{
    if (!host_.hasDocument())
        return;
    ProfileStore ini(host_.settingsPath());
    const std::array<int, 3> saved = {ini.readInteger(Section, QStringLiteral("Date"), 0),
                                      ini.readInteger(Section, QStringLiteral("Time"), 0),
                                      ini.readInteger(Section, QStringLiteral("Day"), 0)};
    TTimeBox box(parts_, saved, ini.readString(Section, QStringLiteral("Order"), QStringLiteral("000")),
                 DateFormat::Conventions::system(), host_.window());
    connect(&box, &TTimeBox::helpRequested, this, [this] { host_.showNotYetNotice(); });
    host_.place(&box, atCursor ? Placement::AtCursor : Placement::FromWindow, offset);
    const int result = Platform::instance().execDialog(&box);
    parts_ = box.parts();
    if (result != QDialog::Accepted || !host_.hasDocument())
        return;
    // An empty preview has nothing to insert, and must not take the selection away.
    const QString text = box.preview();
    if (!text.isEmpty())
        TagInserter(host_.editContext()).InsertTagText(text, true);
    bool ok = ini.writeInteger(Section, QStringLiteral("Date"), parts_.index(DateParts::Date)) &&
              ini.writeInteger(Section, QStringLiteral("Time"), parts_.index(DateParts::Time)) &&
              ini.writeInteger(Section, QStringLiteral("Day"), parts_.index(DateParts::Day)) &&
              ini.writeString(Section, QStringLiteral("Order"), parts_.order());
    host_.settingsWritten(ok, ini);
}

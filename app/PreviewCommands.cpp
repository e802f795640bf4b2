#include "app/PreviewCommands.h"

#include "app/CommandHost.h"
#include "app/SettingsKeys.h"
#include "platform/HelpTopic.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"

PreviewCommands::PreviewCommands(CommandHost &host) : QObject(host.window()), host_(host)
{
    for (const char *name : {"HtmlPrevMain", "PreviewSpd", "HtmlPrevMain1"})
        host.bind(QLatin1String(name), [this] { HtmlPrevMainClick(); });
    for (const char *name : {"HtmlPrevSub", "Preview2Spd", "HtmlPrevSub1"})
        host.bind(QLatin1String(name), [this] { HtmlPrevSubClick(); });
    for (const char *name : {"HelpContents", "HelpSpd"})
        host.bind(QLatin1String(name), [this] { HelpContentsClick(); });
}

QString PreviewCommands::savedForPreview()
{
    // A short-cut key still arrives while no page is open.
    if (!host_.hasDocument())
        return QString();
    if (!host_.saveIfModified())
        return QString();
    // Save as may have given an untitled page its name.
    const QString name = host_.activeDocumentName();
    // An untitled page has no file a browser could show.
    return name == CommandHost::untitledName() ? QString() : name;
}

void PreviewCommands::HtmlPrevMainClick()
{
    const QString name = savedForPreview();
    // Without a handler for the file on this desktop, the main browser shows it.
    if (!name.isEmpty())
        HelpTopic::showPage(host_.window(), name);
}

void PreviewCommands::HtmlPrevSubClick()
{
    const QString name = savedForPreview();
    if (name.isEmpty())
        return;
    const QString browser = SettingsKeys::readSubBrowser(ProfileStore(host_.settingsPath()));
    // Without a sub browser nothing visible happens.
    if (!browser.trimmed().isEmpty())
        Platform::instance().startProgram(browser, name);
}

void PreviewCommands::HelpContentsClick()
{
    HelpTopic::showPage(host_.window(), host_.programFolder() + QStringLiteral("Help/Help.html"));
}

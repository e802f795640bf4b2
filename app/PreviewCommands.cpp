#include "app/PreviewCommands.h"

#include "app/MainForm.h"
#include "platform/Platform.h"
#include "platform/ProfileStore.h"

PreviewCommands::PreviewCommands(TMainForm &form) : QObject(&form), form_(form)
{
    for (const char *name : {"HtmlPrevMain", "PreviewSpd", "HtmlPrevMain1"})
        form.bind(QLatin1String(name), [this] { HtmlPrevMainClick(); });
    for (const char *name : {"HtmlPrevSub", "Preview2Spd", "HtmlPrevSub1"})
        form.bind(QLatin1String(name), [this] { HtmlPrevSubClick(); });
    for (const char *name : {"HelpContents", "HelpSpd"})
        form.bind(QLatin1String(name), [this] { HelpContentsClick(); });
}

QString PreviewCommands::savedForPreview()
{
    // A short-cut key still arrives while no page is open.
    if (form_.tabCount() == 0 || !form_.activeBox())
        return QString();
    if (!form_.SaveIfModified())
        return QString();
    // Save as may have given an untitled page its name.
    const QString name = form_.ActiveDocumentName();
    // An untitled page has no file a browser could show.
    return name == TMainForm::NewPage ? QString() : name;
}

void PreviewCommands::HtmlPrevMainClick()
{
    const QString name = savedForPreview();
    if (!name.isEmpty())
        Platform::instance().openWithShell(name);
}

void PreviewCommands::HtmlPrevSubClick()
{
    const QString name = savedForPreview();
    if (name.isEmpty())
        return;
    const QString browser =
        ProfileStore(form_.iniPath()).readString(QStringLiteral("Browser"), QStringLiteral("SubPath"));
    // Without a sub browser nothing visible happens.
    if (!browser.trimmed().isEmpty())
        Platform::instance().startProgram(browser, name);
}

void PreviewCommands::HelpContentsClick()
{
    Platform::instance().openWithShell(form_.programFolder() + QStringLiteral("Help/Help.html"));
}

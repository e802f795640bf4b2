#include "platform/HelpTopic.h"

#include "platform/Platform.h"
#include "platform/ProfileStore.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

QString HelpTopic::address(const QString &programFolder, const QString &page, const QString &anchor)
{
    QUrl url = QUrl::fromLocalFile(programFolder + QStringLiteral("Help/") + page);
    QString fragment = anchor;
    if (fragment.startsWith(QLatin1Char('#')))
        fragment.remove(0, 1);
    if (!fragment.isEmpty())
        url.setFragment(fragment);
    // Encoded, so that a folder with spaces or Japanese names stays one valid address.
    return QString::fromLatin1(url.toEncoded());
}

QString HelpTopic::program(const QString &setting)
{
    const QString path = setting.trimmed();
    if (path.isEmpty())
        return QString();
    if (path.contains(QLatin1Char('/'))) {
        const QFileInfo info(path);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    // A bare name ("firefox") is looked up the way a shell would.
    return QStandardPaths::findExecutable(path);
}

void HelpTopic::ShowHelpTopic(QWidget *parent, const QString &page, const QString &anchor)
{
    Q_UNUSED(parent);
    const QString folder = ProgramFolder::path();
    const QString browser = program(ProfileStore(folder + QStringLiteral("TW.ini"))
                                        .readString(QStringLiteral("Browser"), QStringLiteral("MainPath")));
    const QString url = address(folder, page, anchor);
    // The shell's result is not looked at: a missing browser or page shows nothing.
    if (browser.isEmpty())
        Platform::instance().openWithShell(url);
    else
        Platform::instance().startProgram(browser, url);
}

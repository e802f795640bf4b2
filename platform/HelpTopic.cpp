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
    // Only a browser keeps the anchor; the desktop's handler may drop it.
    showPage(parent, address(ProgramFolder::path(), page, anchor), true);
}

bool HelpTopic::showPage(QWidget *parent, const QString &page, bool mainBrowserFirst)
{
    Platform &platform = Platform::instance();
    const QString setting = ProfileStore(ProgramFolder::path() + QStringLiteral("TW.ini"))
                                .readString(QStringLiteral("Browser"), QStringLiteral("MainPath"));
    const QString browser = program(setting);
    auto viaBrowser = [&] { return !browser.isEmpty() && platform.startProgram(browser, page); };
    auto viaShell = [&] { return platform.openWithShell(page); };
    if (mainBrowserFirst ? viaBrowser() || viaShell() : viaShell() || viaBrowser())
        return true;
    platform.message(parent, Platform::MessageKind::Warning, Messages::AppTitle, failureText(page, setting, !browser.isEmpty(), mainBrowserFirst),
                     Platform::Buttons::Ok);
    return false;
}

QString HelpTopic::failureText(const QString &page, const QString &mainBrowserSetting, bool found, bool mainBrowserFirst)
{
    const QUrl url(page);
    const QString shown = url.isLocalFile() ? url.toLocalFile() : page;
    const QString setting = mainBrowserSetting.trimmed();
    QString browser;
    if (setting.isEmpty())
        browser = QStringLiteral("・メインブラウザ（設定されていません）");
    else if (!found)
        browser = QStringLiteral("・メインブラウザ「%1」（見つかりません）").arg(setting);
    else
        browser = QStringLiteral("・メインブラウザ「%1」").arg(setting);
    const QString shell = QStringLiteral("・デスクトップでこの種類のファイルを開くプログラム");
    const QString tried = mainBrowserFirst ? browser + QStringLiteral("\r\n") + shell : shell + QStringLiteral("\r\n") + browser;
    return QStringLiteral("ブラウザで表示できませんでした。\r\n\r\n%1\r\n\r\n"
                          "次の方法を試しましたが、どれも起動できませんでした。\r\n%2\r\n\r\n"
                          "ブラウザは「設定」メニューの「プレビューブラウザ...」で設定できます。")
        .arg(shown, tried);
}

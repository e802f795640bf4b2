#pragma once

#include <QString>

class QWidget;

// Help pages live in Help/ beside the executable. The dialogs' help buttons show a
// topic of them in the main browser named in TW.ini, or in the desktop's web browser
// while none is set up.
class HelpTopic
{
public:
    // page: a file name inside Help/ ("Tips.html"); anchor: "#Image" or empty.
    static void ShowHelpTopic(QWidget *parent, const QString &page, const QString &anchor);

    // The topic's address: a file URL of programFolder + "Help/" + page, with the anchor.
    static QString address(const QString &programFolder, const QString &page, const QString &anchor);
    // The program a browser setting names, or empty when it names none that exists here.
    static QString program(const QString &setting);

    // Shows a page (a file or a file address) in a browser, trying the desktop's handler
    // for it and the main browser named in TW.ini, in that order or, with mainBrowserFirst,
    // the other way round. When neither starts, a warning names the page, what was tried
    // and where a browser is set; false then.
    static bool showPage(QWidget *parent, const QString &page, bool mainBrowserFirst = false);
    // That warning's text; mainBrowserSetting as TW.ini holds it, found: whether it names
    // a program here.
    static QString failureText(const QString &page, const QString &mainBrowserSetting, bool found,
                               bool mainBrowserFirst);
};

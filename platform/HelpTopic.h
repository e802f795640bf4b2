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
};

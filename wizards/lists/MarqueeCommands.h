#pragma once

#include <QObject>

class CommandHost;

// The marquee dialog, from the menu and its tool button; its settings live in TW.ini.
class MarqueeCommands : public QObject
{
    Q_OBJECT
public:
    explicit MarqueeCommands(CommandHost &host);

    void HtmlMarqueeClick(); // PlaceUpperThird

private:
    CommandHost &host_;
};

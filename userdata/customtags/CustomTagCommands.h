#pragma once

#include <QObject>
#include <QString>

class CommandHost;

// The custom tag commands: the list manager (TagReg), the Tools submenu built from
// CustomTag.ini, and the picker (CustomTagSpd, PopCustom).
class CustomTagCommands : public QObject
{
    Q_OBJECT
public:
    explicit CustomTagCommands(CommandHost &host);

    void TagRegClick();
    void CustomTagSpdClick();
    void RebuildCustomTagMenu();
    // A submenu entry: the entry's tags read afresh and inserted exactly as stored.
    void CustomTagMenuClick(int number);

private:
    QString iniPath() const;

    CommandHost &host_;
};

#pragma once

#include <QObject>
#include <QString>

class CommandHost;

// The page template commands: the list manager (TempProperty), adding the selection
// (AddTemp, PopAddTemp), the Tools submenu built from Temp/Title.lst, and the picker
// (TemplateSpd, PopTemplate).
class TemplateCommands : public QObject
{
    Q_OBJECT
public:
    explicit TemplateCommands(CommandHost &host);

    void TempPropertyClick();
    void AddTempClick();
    void TemplateSpdClick();
    void RebuildTemplateMenu();
    // A submenu entry or the picker: the template named is inserted as stored.
    void insertTemplate(const QString &title);

private:
    QString folder() const;

    CommandHost &host_;
};

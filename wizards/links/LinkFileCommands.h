#pragma once

#include <QObject>

class CommandHost;

// The link file list: the local pages and style sheets the active page links to.
class LinkFileCommands : public QObject
{
    Q_OBJECT
public:
    static inline const QString SaveFirst = QStringLiteral("一度ファイルを保存してから実行してください。");

    explicit LinkFileCommands(CommandHost &host);

    void LinkFileClick();

private:
    CommandHost &host_;
};

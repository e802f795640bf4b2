#pragma once

#include <QObject>

class CommandHost;
class IEditBox;
class TSearchBox;

// The Search menu's document search and jump lists, with their pop-up items.
class SearchCommands : public QObject
{
    Q_OBJECT
public:
    static inline const QString NotFound = QStringLiteral("見つかりませんでした。");

    explicit SearchCommands(CommandHost &host);

    void SearchFindClick();
    void SearchJumpClick(); // comments
    void SearchLinkClick(); // link tags
    // Selects length characters at line and column of box, showing its tab first; a line or
    // column that is no longer there is taken as the end of the document or line. Nothing
    // happens when box has been closed (null).
    void jumpTo(IEditBox *box, int line, int column, int length);

Q_SIGNALS:
    // The search dialog searched for keyword (Find next goes on from it).
    void searched(const QString &keyword, bool caseSensitive);

private:
    bool startSearch(TSearchBox &dialog, IEditBox *document);
    void runJumpList(int mode);

    CommandHost &host_;
};

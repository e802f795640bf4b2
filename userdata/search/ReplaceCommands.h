#pragma once

#include <QObject>
#include <QString>

class CommandHost;
class SearchCommands;
class TReplaceBox;

// The Search menu's Replace, and Find next / Find previous (F3 and Shift+F3 unless the
// preview keys or another command hold them) of the text searched last in the search or
// the replace dialog.
class ReplaceCommands : public QObject
{
    Q_OBJECT
public:
    static inline const QString WrappedToStart = QStringLiteral("文書の末尾まで検索したので、先頭から検索しました。");
    static inline const QString WrappedToEnd = QStringLiteral("文書の先頭まで検索したので、末尾から検索しました。");
    static QString replacedText(int count) { return QStringLiteral("%1 個を置き換えました。").arg(count); }

    ReplaceCommands(CommandHost &host, SearchCommands &search);

    void SearchReplaceClick();
    void SearchNextClick();
    void SearchPrevClick();
    // Gives F3 and Shift+F3 to Find next and previous where no other command holds them.
    void assignKeys();

private:
    void act(TReplaceBox &dialog, int action);
    void remember(const QString &keyword, bool caseSensitive);
    void findAgain(bool backwards);

    CommandHost &host_;
    SearchCommands &search_;
    QString lastKeyword_;
    bool lastCase_ = false;
    // The selection the dialog was opened on, following the replacements made inside it.
    int scopeStart_ = 0;
    int scopeEnd_ = -1;
};

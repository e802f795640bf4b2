#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

struct EditContext;

// The HTML menu's, HTML tool bar's and editing pop-up menu's commands that insert
// fixed markup. Each command is one row of data; its menu item, tool button and
// pop-up item all run it through run().
class FixedTags
{
public:
    enum class Kind {
        Pair,          // head and foot around the selection (tag case applies)
        Single,        // one tag in place of the selection (tag case applies)
        Entity,        // a character entity, never case-converted
        PairOrSingle,  // with a selection Pair, without one the head as Single
        LineEndTag,    // with a selection the tag after every selected line, else Single
        LineStartTag,  // with a selection the tag before every selected line, else Single
        CommentMenu,   // with a selection Pair; without one the comment input box is wanted
        CommentButton, // with a selection the comment input box is wanted; without one Pair
    };

    struct Command
    {
        QString menuItem;   // empty where the command has none
        QString toolButton; // empty where the command has none
        QString popupItem;  // empty where the command has none
        Kind kind;
        QString head; // the tag, or the text of Single and Entity
        QString foot;
    };

    enum class Outcome {
        Done,
        // The caller opens the comment input box; its typed text then replaces the selection.
        CommentBoxUpperThird, // started from a menu or pop-up item
        CommentBoxAtCursor,   // started from the tool button
        Unknown,              // the name is not a fixed tag command
    };

    static const QList<Command> &commands();
    // The command run by a menu item, tool button or pop-up item of this name, or null.
    static const Command *find(QStringView componentName);
    // Every component name bound to a fixed tag command.
    static QStringList names();
    // Component names of the commands on the same menus that open a dialog built
    // elsewhere; they stay disabled until that dialog exists.
    static const QStringList &dialogCommandNames();

    static Outcome run(QStringView componentName, const EditContext &context);
    static Outcome run(const Command &command, const EditContext &context);

    // The per-line rule: every line of the selected text gets the tag (already in
    // its case) at its end or at its start, empty lines included; a final line
    // break of the selection gives no further line and stays at the end.
    static QString tagEveryLine(QStringView selection, const QString &tag, bool atEnd);
};

#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

// Splits lines of HTML into the coloured pieces of the editing box: tags, attribute names
// and values, comments, character entities, DOCTYPE and other declarations, and the
// contents of STYLE and SCRIPT. One line at a time, from the state the line before ended
// in, so that only the lines on screen need tokenizing; what a line break continues (a
// comment, a tag, a quoted value, a style sheet) lives in that small state.
class HtmlScanner
{
public:
    enum class Kind : quint8 { Tag, AttributeName, AttributeValue, Comment, Entity, Declaration, Style, Script };
    static constexpr int KindCount = 8;

    // A piece of a line: start and length in UTF-16 units. Text outside every run is plain.
    struct Run
    {
        int start = 0;
        int length = 0;
        Kind kind = Kind::Tag;
        friend bool operator==(const Run &, const Run &) = default;
    };

    // The state at the start of a document; every state is a number 0 .. StateLimit - 1.
    static constexpr int TextState = 0;
    static constexpr int StateLimit = 1 << 7;

    // Tokenizes one line (its line break not included) that begins in state entry and gives
    // the state at its end. Runs, in order, neither empty nor overlapping, are appended to
    // runs when given; without them the scan only follows the state, and faster.
    // An entry state out of range is read as TextState.
    static int scanLine(QStringView line, int entry, QList<Run> *runs = nullptr);

    // The end state of every line of a whole text, one byte each, lines separated as a text
    // document separates its blocks: at CR LF, a lone CR, LF, U+2029, U+FDD0 and U+FDD1.
    static QByteArray lineEndStates(QStringView text);
};

#pragma once

#include <QString>

// The markup of the list wizard and of the list tag options. Every tag is built in upper
// case; the caller's insertion applies the tag case.
class ListMarkup
{
public:
    enum Kind { Bulleted = 0, Numbered = 1, Lettered = 2, Definition = 3 };

    struct Options
    {
        int kind = Bulleted;
        int items = 1;
        int start = 1;       // numbered only
        int letterStyle = 0; // lettered only: 0 to 3 give "a", "A", "i", "I"
        int definitions = 1; // definition lines under each term
    };

    // A whole list block for the bulleted, numbered and definition kinds, lines joined
    // with "\n", every item indented by tabSpaces.
    static QString block(const Options &options, const QString &tabSpaces);

    // The lettered kind goes in around the selection: head, then the letter that keeps its
    // case, then the selection, then the items and the end tag.
    struct Pair
    {
        QString head;
        QString text;
        QString foot;
    };
    static Pair lettered(const Options &options, const QString &tabSpaces);

    static QString letterOf(int style);

    enum Target { ForLI = 0, ForOL = 1 };
    // "TYPE=" + letter + " VALUE=" or " START=" + number, already in the tag case: the
    // letter keeps its case, the names follow tagCase.
    static QString option(int target, const QString &typeLetter, int number, int tagCase);
};

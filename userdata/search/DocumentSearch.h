#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One occurrence of the searched text: where it is and where its row's text lies in the
// text searched (the line from just before the occurrence, cut after RowTextLimit
// characters). No text is copied: a page of one letter has a row per character.
struct SearchHit
{
    int line = 0;       // from 0
    int column = 0;     // from the line start, in characters of the text
    qsizetype from = 0; // where the row's text starts in the text searched
    int length = 0;     // how many characters the row shows
};

// Every occurrence of a keyword in a document, line by line.
class DocumentSearch
{
public:
    // A row shows at most this much of its line: a one-line page of many megabytes
    // would otherwise hold the rest of the line once per occurrence.
    static constexpr int RowTextLimit = 200;

    // text holds one '\n' per line break. Without case distinction only the single-byte
    // letters compare blind to case. An empty keyword, or one with a line break, finds
    // nothing (the search is line by line).
    static QList<SearchHit> findAll(QStringView text, const QString &keyword, bool caseSensitive);

    // The text a row shows, out of the text that was searched.
    static QStringView rowText(QStringView text, const SearchHit &hit) { return text.mid(hit.from, hit.length); }

    // A keyword as the search takes it, from a selection or typed or pasted into the
    // dialog: its first line only.
    static QString firstLine(const QString &text);
};

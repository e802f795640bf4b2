#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One occurrence of the searched text: where it is and what its row shows.
struct SearchHit
{
    int line = 0;   // from 0
    int column = 0; // from the line start, in characters of the text
    QString text;   // the line from just before the occurrence, cut after RowTextLimit characters
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

    // The keyword the dialog takes from a selection: its first line only.
    static QString keywordFromSelection(const QString &selection);
};

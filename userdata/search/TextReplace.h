#pragma once

#include <QString>
#include <QStringView>

// Finding and replacing a text in a document's text, with or without case distinction
// (without it only the single-byte letters compare blind to case, as in the search).
// Offsets are in characters of the text given; an occurrence never starts in the second
// half of a surrogate pair.
class TextReplace
{
public:
    // The first occurrence starting in [from, end) and ending by end; -1 when there is none.
    static qsizetype findNext(QStringView text, QStringView key, qsizetype from, qsizetype end, bool caseSensitive);
    // The last occurrence starting at or after begin and ending by before; -1 when there is none.
    static qsizetype findPrevious(QStringView text, QStringView key, qsizetype begin, qsizetype before,
                                  bool caseSensitive);
    // Whether key stands at pos.
    static bool matchesAt(QStringView text, QStringView key, qsizetype pos, bool caseSensitive);
    // Occurrences that do not overlap, counted from the start.
    static int count(QStringView text, QStringView key, bool caseSensitive);

    struct Result
    {
        QString text;  // the text with every occurrence replaced
        int count = 0; // how many were replaced
    };
    // Every occurrence, from the start, each after the end of the one before. *position, when
    // given, is an offset into text that is moved to the same place in the result (inside a
    // replaced occurrence it goes to the end of its replacement).
    static Result replaceAll(QStringView text, QStringView key, QStringView replacement, bool caseSensitive,
                             qsizetype *position = nullptr);
};

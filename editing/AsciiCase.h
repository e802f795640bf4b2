#pragma once

#include <QString>
#include <QStringView>

// Case conversion of the program's tags and of user selections. Only the
// single-byte letters A-Z and a-z change: every other character, full-width
// letters and the rest of Japanese text included, stays as it is.
class AsciiCase
{
public:
    static QString upper(QStringView text);
    static QString lower(QStringView text);
    static QString convert(QStringView text, bool toUpper) { return toUpper ? upper(text) : lower(text); }

    // Index of needle in text from the given index on, comparing ASCII letters
    // without regard to case and every other character exactly; -1 if absent.
    static qsizetype indexOf(QStringView text, QStringView needle, qsizetype from = 0);
    static bool contains(QStringView text, QStringView needle) { return indexOf(text, needle) >= 0; }

    // A case setting is 0 for lower case; any other value counts as upper case, so
    // that a hand-edited settings file never makes the two rules disagree.
    static bool isUpper(int caseSetting) { return caseSetting != 0; }
    static QString forSetting(QStringView text, int caseSetting) { return convert(text, isUpper(caseSetting)); }
};

#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;
class QSize;

// What the font and size dialogs' samples show of a selection: the first lines that fit in
// the sample's box, each cut short with an ellipsis where it is wider, so that a long
// selection never makes the dialog grow.
class SampleText
{
public:
    struct Lines
    {
        QStringList lines;
        bool more = false; // lines were left out after these
    };
    // The first lines of text, at most maxLines (at least one); CR LF, CR, LF and the
    // paragraph and line separators end a line. Reads no further than it needs.
    static Lines firstLines(const QString &text, int maxLines);

    // The text a box of that size shows in that font: as many lines as its height holds,
    // each elided to its width, the last marked with an ellipsis when lines were left out.
    static QString fit(const QString &text, const QFontMetrics &metrics, const QSize &box);

    static constexpr QChar Ellipsis = QChar(0x2026);
};

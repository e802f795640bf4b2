#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <optional>

struct EditContext;

// The page frame the page information dialog edits: HTML, HEAD, TITLE, the author,
// keywords and software META tags, and the six BODY attributes the dialog manages.
// Lines are compared without regard to ASCII letter case.
class PageInfoMarkup
{
public:
    enum BodyItem { BgColor, Background, Text, Link, VLink, ALink };
    static constexpr int BodyItemCount = 6;
    // "BGCOLOR", "BACKGROUND", "TEXT", "LINK", "VLINK", "ALINK".
    static QString bodyAttributeName(int item);
    // One value per managed attribute; none where it is absent (or is to be removed).
    using BodyValues = std::array<std::optional<QString>, BodyItemCount>;

    // What the dialog shows when it opens.
    struct PageInfo
    {
        QString title;
        bool authorFound = false;
        QString author;
        QString keywords; // a non-empty value checks the keywords item
        BodyValues body;  // each value as written between its quotes
        // The document's own encoding as a charset ("Shift_JIS", "UTF-8"); the dialog offers
        // to declare it.
        QString charset;
    };
    static PageInfo read(const QStringList &lines);

    // What OK writes.
    struct Fields
    {
        bool titleEdited = false;
        QString title;
        bool author = false;
        QString authorText;
        bool keywords = false;
        QString keywordsText;
        bool software = false;
        // A value equal to the one written leaves that attribute untouched.
        BodyValues body;
        // Declared in a Content-Type META (an existing declaration's value is replaced);
        // empty writes nothing.
        QString charset;
    };
    // The fields of the dialog confirmed without any change.
    static Fields unchanged(const PageInfo &info);

    // The document's lines with the frame rebuilt.
    static QStringList rebuild(const QStringList &lines, const Fields &fields, int tagCase);

    // Rebuilds the active box's text: the undo snapshot first, then one replacement of
    // the stretch that changed, the caret back at the offset where the selection started.
    // False when nothing changed (then neither the box nor the snapshot is touched).
    static bool apply(const EditContext &context, const Fields &fields);

    // The box's text as lines: an empty text has none.
    static QStringList linesOf(const QString &text);

    // Index in line of the start tag of that name ("<BODY"): the name followed by a
    // blank, ">" or the line's end, any letter case; -1 if there is none.
    static qsizetype startTagIn(QStringView line, QStringView openName);
};

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// The charset a page declares in its head, in a META (`<meta charset="...">` or the content
// of a Content-Type META), so that converting the page's encoding can bring it along.
class CharsetDeclaration
{
public:
    struct Found
    {
        int start = 0; // of the charset's value in the text
        int length = 0;
        QString value;
    };
    // The first declaration before the head ends (</HEAD> or <BODY), any case, quotes optional.
    static std::optional<Found> find(QStringView text);
    // The value to declare for a document in Shift-JIS or UTF-8.
    static QString valueFor(bool utf8) { return utf8 ? QStringLiteral("UTF-8") : QStringLiteral("Shift_JIS"); }
    // True when value names the same encoding (case and the forms people write ignored).
    static bool names(QStringView value, bool utf8);
};

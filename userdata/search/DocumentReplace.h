#pragma once

#include <QString>

struct EditContext;
class IEditBox;

// Find next, find previous and replacing in an editing box, on top of TextReplace: what
// the replace dialog and the F3 keys do to the document.
class DocumentReplace
{
public:
    struct Request
    {
        QString find;        // one line
        QString replacement; // may hold line breaks
        bool caseSensitive = false;
    };

    // Where the dialog works: the whole document, or a stretch of it that follows the
    // replacements made inside it.
    struct Scope
    {
        int start = 0;
        int end = -1; // -1: the whole document
        bool whole() const { return end < 0; }
    };

    enum class Outcome { NotFound, Found, Wrapped };

    // Selects the next occurrence after the selection (the previous one before it when
    // backwards), going round at the scope's ends.
    static Outcome find(IEditBox &box, const QString &key, bool caseSensitive, bool backwards, const Scope &scope);
    static Outcome find(IEditBox &box, const QString &key, bool caseSensitive, bool backwards);
    // Replaces the selection when it is an occurrence (the undo snapshot taken first), then
    // selects the next one.
    static Outcome replace(const EditContext &context, const Request &request, Scope &scope);
    // Every occurrence in the scope as one change behind one undo snapshot; the caret stays
    // where it was (a scope that is a selection stays selected). Returns how many.
    static int replaceAll(const EditContext &context, const Request &request, Scope &scope);
};

#pragma once

struct EditContext;

// Line commands of the Edit menu. Lines are the box's lines; the lines a
// selection covers are the caret's line and one more for every line break inside
// the selection, a break that ends the selection not counted.
class LineTools
{
public:
    // One space before each covered line; the same text stays selected. No undo snapshot.
    static void indent(const EditContext &context);
    // One leading space off each covered line that has one; the same text, less the
    // removed spaces, stays selected. No undo snapshot. False when no line changed.
    static bool unindent(const EditContext &context);
    // Deletes the caret's line with its line break (the last line: only its text);
    // the caret goes to the start of the line that took its place. Takes the undo snapshot.
    // Both do nothing at all on an empty document.
    static void deleteLine(const EditContext &context);
    // A copy of the caret's line above it; the caret goes to the start of the lower
    // copy. The clipboard is not used. Takes the undo snapshot.
    static void copyLine(const EditContext &context);
};

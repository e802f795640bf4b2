#pragma once

#include "editing/EditContext.h"

#include <QString>
#include <QStringView>

// The insertion primitives every tag command goes through. Each one takes the
// undo snapshot first, then replaces the selection (or inserts at the caret)
// as a programmatic change, which clears the box's own undo, so that Undo
// falls through to the snapshot.
class TagInserter
{
public:
    explicit TagInserter(const EditContext &context) : ctx_(context) {}

    // head + selection + foot, caret after the foot; with no selection the caret
    // stands between the two tags. Lower tag case lowers head and foot; upper
    // case inserts them as given.
    void InsertTagPair(const QString &head, const QString &foot);
    // As InsertTagPair with an inner text after the head that never changes case.
    // With no selection the caret ends after the inner text, before the foot.
    void InsertTagPairWithText(const QString &head, const QString &text, const QString &foot);
    // Trailing characters of code 32 or less are cut; the text is lowered when
    // keepCase is false and the tag case is lower. Caret after the text.
    void InsertTagText(const QString &text, bool keepCase);
    // The text in the tag case (upper case too), caret after it. Used by the list,
    // marquee and tag dictionary dialogs.
    void InsertCasedText(const QString &text);

    // For commands that rewrite the selected text itself (per-line tags, case
    // conversion, tag removal): blanks at the end of the result's last line are
    // cut, but a line break that ended the selection stays after the result, so
    // the next line is never joined onto the last selected one. Caret after it.
    void RewriteSelection(const QString &result);

    QString TagCase(QStringView text) const;
    QString StyleCase(QStringView text) const;

    // Cuts trailing characters of code 32 or less (blanks, control characters, line breaks).
    static QString trimTrailing(QStringView text);
    // Cuts trailing blanks of the last line only: a line break ends the cut, and a
    // final line break is kept after the trimmed last line before it.
    static QString trimLastLineBlanks(QStringView text);

private:
    void replaceSelection(const QString &replacement);
    void wrapSelection(const QString &head, const QString &foot);

    EditContext ctx_; // a copy, so that an inserter may outlive the context it was made from
};

#pragma once

#include <QString>
#include <QStringList>

// What the editing commands need of an editing box. The text is held with one
// '\n' per line break; every offset and length is counted on that text.
// The widget box and the in-memory box used by tests both implement it.
class IEditBox
{
public:
    virtual ~IEditBox() = default;

    virtual QString text() const = 0;
    virtual int length() const = 0;
    // The whole text as the box stores it, for copies that only ever go back into the
    // box through replaceRange: the same offsets as text(), but a line break may be
    // another character the box reads as one (a text widget's paragraph separator),
    // which spares a pass over a long document.
    virtual QString storedText() const { return text(); }

    // Selection start is the lower end; the caret stands at its upper end.
    virtual int selStart() const = 0;
    virtual int selLength() const = 0;
    virtual void setSelection(int start, int length) = 0;
    virtual QString selectedText() const { return text().mid(selStart(), selLength()); }

    // Programmatic change of [start, start+length): not undoable by the box's own
    // undo (it clears that history) and marks the box modified. Selection after
    // it is left to the caller.
    virtual void replaceRange(int start, int length, const QString &replacement) = 0;
    // The user's own edit of the selection (cut, paste, delete): the box's own undo
    // covers it. The caret ends after the text.
    virtual void typeOverSelection(const QString &text)
    {
        const int start = selStart();
        replaceRange(start, selLength(), text);
        setSelection(start + int(text.size()), 0);
    }
    // The whole text at once (loading, the snapshot swap); clears the box's own undo.
    virtual void setWholeText(const QString &text) = 0;

    virtual int lineCount() const = 0;
    virtual QString line(int index) const = 0;
    virtual int lineFromPos(int pos) const = 0;
    virtual int posFromLine(int index) const = 0;
    QStringList lines() const { return text().split(QLatin1Char('\n')); }

    virtual bool isModified() const = 0;
    virtual void setModified(bool modified) = 0;

    // The box's own undo of the user's typing and clipboard actions.
    virtual bool canUndo() const = 0;
    virtual void undo() = 0;

    // Where the view stands, to put it back after a change that must not move it. A box
    // without a view (a string in tests) has nothing to keep.
    struct View
    {
        int vertical = 0;   // the vertical scroll position
        int horizontal = 0; // the horizontal one
    };
    virtual View view() const { return {}; }
    virtual void setView(const View &) {}

    // Redrawing held off during multi-step changes; calls nest.
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;
};

// Holds the box's redrawing off for one scope, so it resumes also on early return.
class EditBoxUpdateGuard
{
public:
    explicit EditBoxUpdateGuard(IEditBox &box) : box_(box) { box_.beginUpdate(); }
    ~EditBoxUpdateGuard() { box_.endUpdate(); }
    EditBoxUpdateGuard(const EditBoxUpdateGuard &) = delete;
    EditBoxUpdateGuard &operator=(const EditBoxUpdateGuard &) = delete;

private:
    IEditBox &box_;
};

#pragma once

#include "editing/IEditBox.h"

// An editing box held in a string: the engine's commands run on it in tests and fuzzing.
class StringEditBox : public IEditBox
{
public:
    explicit StringEditBox(const QString &text = QString());

    QString text() const override { return text_; }
    int length() const override { return int(text_.size()); }
    int selStart() const override { return selStart_; }
    int selLength() const override { return selLength_; }
    void setSelection(int start, int length) override;
    void replaceRange(int start, int length, const QString &replacement) override;
    void setWholeText(const QString &text) override;
    int lineCount() const override;
    QString line(int index) const override;
    int lineFromPos(int pos) const override;
    int posFromLine(int index) const override;
    bool isModified() const override { return modified_; }
    void setModified(bool modified) override { modified_ = modified; }
    bool canUndo() const override { return hasOwnUndo_; }
    void undo() override;
    void beginUpdate() override { ++updateDepth_; }
    void endUpdate() override { --updateDepth_; }

    // Stands for the user typing: replaces the selection and can be undone by the box itself.
    void type(const QString &typed);
    int updateDepth() const { return updateDepth_; }

    // What the programmatic changes cost, for checking that commands replace only
    // what changes: calls, characters removed and put in, and whole-text loads.
    struct Changes
    {
        int replaceCalls = 0;
        int removedChars = 0;
        int insertedChars = 0;
        int wholeTextCalls = 0;
        int callsOutsideUpdate = 0; // replaceRange or setWholeText with redrawing not held off
    };
    const Changes &changes() const { return changes_; }
    void resetChanges() { changes_ = Changes(); }

private:
    QString text_;
    int selStart_ = 0;
    int selLength_ = 0;
    bool modified_ = false;
    QString ownUndo_; // text before the last typing
    bool hasOwnUndo_ = false;
    int updateDepth_ = 0;
    Changes changes_;
};

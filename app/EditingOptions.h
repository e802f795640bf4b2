#pragma once

#include <QObject>

class TMainForm;

// The Options menu's line numbers and undo of many steps, and the Redo that goes with the
// latter. Both are read from TW.ini at start, written at once when changed and applied to
// every editing box, open or made later.
class EditingOptions : public QObject
{
    Q_OBJECT
public:
    explicit EditingOptions(TMainForm &form);

    void OptLineNumbersClick();
    void OptMultiUndoClick();
    void EditRedoClick();

    bool lineNumbers() const { return lineNumbers_; }
    bool multiUndo() const { return multiUndo_; }

private:
    void applyTo(QWidget *box);
    void applyToAll();
    void refreshItems();

    TMainForm &form_;
    bool lineNumbers_ = false;
    bool multiUndo_ = false;
};

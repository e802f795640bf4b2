#pragma once

#include "editing/IEditBox.h"

#include <QPlainTextEdit>

#include <functional>
#include <memory>

class UndoHistory;

// The editing box of one document tab: plain text, the Tab key typed as spaces,
// Ctrl+Up and Ctrl+Down scrolling, and the IEditBox view the commands work on.
// Pastes never go through Qt's own mime handling (it crashes on X11 when nobody owns
// the clipboard): they read text through the Platform seam, and every text that comes
// in has its line separators turned into ordinary line breaks.
class EditBox : public QPlainTextEdit, public IEditBox
{
    Q_OBJECT
public:
    explicit EditBox(QWidget *parent = nullptr);
    ~EditBox() override;

    // Undo of many steps, typing and commands alike, in a history of the box's own (bounded
    // in memory); off, the box undoes its last typing only and commands clear that.
    void setMultiLevelUndo(bool on);
    bool multiLevelUndo() const { return history_ != nullptr; }
    bool canRedo() const;
    void redo();
    const UndoHistory *undoHistory() const { return history_.get(); }
    // A file's text in place of the box's: no step of the history, which starts afresh;
    // followed by textLoaded.
    void loadText(const QString &text);

    void setTabSpaces(const QString &spaces) { tabSpaces_ = spaces; }
    QString tabSpaces() const { return tabSpaces_; }
    void setWordWrap(bool on);
    void setBoxColor(const QColor &background, const QColor &textColor);
    // The inner margin around the text, in pixels.
    void setInnerMargin(int horizontal, int vertical);

    // IEditBox
    QString text() const override;
    // Line breaks as U+2029: without the pass that text() makes to turn them into '\n'.
    QString storedText() const override;
    int length() const override;
    int selStart() const override;
    int selLength() const override;
    void setSelection(int start, int length) override;
    QString selectedText() const override;
    void replaceRange(int start, int length, const QString &replacement) override;
    void typeOverSelection(const QString &text) override;
    void setWholeText(const QString &text) override;
    int lineCount() const override;
    QString line(int index) const override;
    int lineFromPos(int pos) const override;
    int posFromLine(int index) const override;
    bool isModified() const override;
    void setModified(bool modified) override;
    bool canUndo() const override;
    void undo() override;
    void beginUpdate() override;
    void endUpdate() override;
    View view() const override;
    void setView(const View &view) override;

    // Asked for every short-cut candidate: true when the window has a command for it,
    // which then runs instead of the box's own handling of the key.
    void setWindowShortcutTest(std::function<bool(const QKeySequence &)> test) { windowShortcut_ = std::move(test); }

    // The program's Paste: the clipboard's text at the selection; nothing without text.
    void pasteClipboardText();
    // A middle click: the X selection's text at the caret, when it holds text.
    void pasteSelectionText();

    // Space kept free at the left of the text, for a line number gutter beside it.
    void setGutterWidth(int width);
    int gutterWidth() const { return gutterWidth_; }
    // The lines on screen: number from 0, top and height in the viewport's coordinates.
    struct ShownLine
    {
        int number;
        int top;
        int height;
    };
    QList<ShownLine> shownLines() const;

    int firstVisibleLine() const;
    // Scrolls the view by whole lines and columns of the average character width.
    void scrollBy(int columns, int lines);

Q_SIGNALS:
    // From the destructor, while the box is still one: what watches it lets go before its
    // base classes go (their events would reach a box that is no longer an EditBox).
    void destroying();
    // The whole text was just replaced by a file's, lines as the document split them: what
    // follows the text can learn it from the string in one go.
    void textLoaded(const QString &text);

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void insertTyped(const QString &text);
    // Return or keypad Enter with these modifiers: the window's command for Return, if any.
    bool runWindowReturnCommand(Qt::KeyboardModifiers modifiers);

    void applyMargins();
    // Keeps the history of every change to the text the box hears of.
    void recordChange(int position, int removed, int added);
    // Undo or redo from the history; false when there was nothing to do.
    bool stepHistory(bool back);

    QString tabSpaces_ = QStringLiteral("  ");
    int sideMargin_ = 0;
    int gutterWidth_ = 0;
    std::unique_ptr<UndoHistory> history_;
    QString mirror_;       // the text as the history last saw it
    bool replaying_ = false; // the history's own undo or redo
    int groupDepth_ = 0;
    std::function<bool(const QKeySequence &)> windowShortcut_;
};

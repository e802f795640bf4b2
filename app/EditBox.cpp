#include "app/EditBox.h"

#include "editing/LineSeparators.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>

#include <algorithm>

EditBox::EditBox(QWidget *parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(false);
    setFrameShape(QFrame::NoFrame);
    // Long files: no rich text, no undo merging across programmatic changes.
    setUndoRedoEnabled(true);
    setCenterOnScroll(false);
}

void EditBox::setWordWrap(bool on)
{
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    setHorizontalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void EditBox::setBoxColor(const QColor &background, const QColor &textColor)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Window, background);
    pal.setColor(QPalette::Text, textColor);
    setPalette(pal);
    setAutoFillBackground(true);
}

void EditBox::setInnerMargin(int horizontal, int vertical)
{
    // The document margin is uniform; the viewport margins add the difference on the sides.
    document()->setDocumentMargin(vertical);
    const int side = std::max(0, horizontal - vertical);
    setViewportMargins(side, 0, side, 0);
}

QString EditBox::storedText() const
{
    return document()->toRawText();
}

QString EditBox::text() const
{
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps every character.
    QString raw = document()->toRawText();
    LineSeparators::toNewlines(raw);
    return raw;
}

int EditBox::length() const
{
    return document()->characterCount() - 1;
}

int EditBox::selStart() const
{
    return textCursor().selectionStart();
}

int EditBox::selLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

QString EditBox::selectedText() const
{
    // Only the selection, not a copy of the whole document.
    QString s = textCursor().selectedText();
    LineSeparators::toNewlines(s);
    return s;
}

void EditBox::setSelection(int start, int len)
{
    const int total = length();
    start = std::clamp(start, 0, total);
    len = std::clamp(len, 0, total - start);
    QTextCursor c(document());
    c.setPosition(start);
    c.setPosition(start + len, QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void EditBox::replaceRange(int start, int len, const QString &replacement)
{
    const int total = length();
    start = std::clamp(start, 0, total);
    len = std::clamp(len, 0, total - start);
    QTextDocument *doc = document();
    // Turning undo off and on again clears the box's own history, so the next
    // Undo falls through to the program's snapshot.
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.setPosition(start);
    c.setPosition(start + len, QTextCursor::KeepAnchor);
    c.insertText(replacement);
    doc->setUndoRedoEnabled(true);
    doc->setModified(true);
    setTextCursor(c);
}

void EditBox::setWholeText(const QString &text)
{
    const bool wasModified = isModified();
    setPlainText(text);
    document()->setModified(wasModified);
}

int EditBox::lineCount() const
{
    return document()->blockCount();
}

QString EditBox::line(int index) const
{
    const QTextBlock block = document()->findBlockByNumber(index);
    return block.isValid() ? block.text() : QString();
}

int EditBox::lineFromPos(int pos) const
{
    pos = std::clamp(pos, 0, length());
    return document()->findBlock(pos).blockNumber();
}

int EditBox::posFromLine(int index) const
{
    const QTextBlock block = document()->findBlockByNumber(index);
    return block.isValid() ? block.position() : -1;
}

bool EditBox::isModified() const
{
    return document()->isModified();
}

void EditBox::setModified(bool modified)
{
    document()->setModified(modified);
}

bool EditBox::canUndo() const
{
    return document()->isUndoAvailable();
}

void EditBox::undo()
{
    QPlainTextEdit::undo();
}

// Qt paints in the event loop, once, after the whole change: nothing is drawn half
// way through anyway. Switching the viewport's updates off and on would instead
// repaint all of it afterwards, which on a long document costs more than the change.
void EditBox::beginUpdate()
{
}

void EditBox::endUpdate()
{
}

int EditBox::firstVisibleLine() const
{
    return firstVisibleBlock().blockNumber();
}

void EditBox::scrollBy(int columns, int lines)
{
    if (lines != 0)
        verticalScrollBar()->setValue(verticalScrollBar()->value() + lines);
    if (columns != 0) {
        const int step = std::max(1, fontMetrics().averageCharWidth());
        horizontalScrollBar()->setValue(horizontalScrollBar()->value() + columns * step);
    }
}

bool EditBox::event(QEvent *event)
{
    if (event->type() == QEvent::ShortcutOverride && windowShortcut_) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QKeyCombination combo(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key()));
        if (windowShortcut_(QKeySequence(combo))) {
            event->ignore(); // the window's short-cut takes the key
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void EditBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    if (event->key() == Qt::Key_Tab && mods == Qt::NoModifier) {
        insertPlainText(tabSpaces_); // typed, so the box's own undo covers it
        event->accept();
        return;
    }
    if (mods == Qt::ControlModifier && (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down)) {
        scrollBy(0, event->key() == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditBox::typeOverSelection(const QString &text)
{
    QTextCursor c = textCursor();
    c.insertText(text);
    setTextCursor(c);
    ensureCursorVisible();
}

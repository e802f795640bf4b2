#include "app/EditBox.h"

#include "editing/LineSeparators.h"
#include "editing/UndoHistory.h"
#include "platform/Platform.h"

#include <QAction>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
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
    // Connected first, so that the history hears of a change before anything that reacts
    // to it (a highlighter's own re-formatting) reports another.
    connect(document(), &QTextDocument::contentsChange, this, &EditBox::recordChange);
}

EditBox::~EditBox()
{
    Q_EMIT destroying();
}

void EditBox::setMultiLevelUndo(bool on)
{
    if (on == multiLevelUndo())
        return;
    if (on) {
        history_ = std::make_unique<UndoHistory>();
        mirror_ = storedText();
        // The document's own stack would keep every removed text for the whole session.
        document()->setUndoRedoEnabled(false);
    } else {
        history_.reset();
        mirror_ = QString();
        document()->setUndoRedoEnabled(true);
    }
}

void EditBox::recordChange(int position, int removed, int added)
{
    if (!history_ || replaying_)
        return;
    Q_UNUSED(added);
    const int total = length();
    position = std::clamp(position, 0, int(mirror_.size()));
    // Qt counts the document's closing separator in some changes; what the text lost and
    // gained follows from the lengths.
    removed = std::clamp(removed, 0, int(mirror_.size()) - position);
    const int gained = total - (int(mirror_.size()) - removed);
    if (gained < 0 || position + gained > total) {
        mirror_ = storedText();
        history_->clear();
        return;
    }
    QTextCursor range(document());
    range.setPosition(position);
    range.setPosition(position + gained, QTextCursor::KeepAnchor);
    const QString put = range.selectedText();
    // A change of formats only (a highlighter) reports the same text again.
    if (removed == gained && QStringView(mirror_).mid(position, removed) == put)
        return;
    const bool command = groupDepth_ > 0;
    if (command)
        history_->record(mirror_, position, removed, put, UndoHistory::Kind::Command);
    else
        history_->record(mirror_, position, removed, put, UndoHistory::Kind::Typing);
    mirror_.replace(position, removed, put);
    // The document's own flag follows its undo stack, which is off here.
    if (!document()->isModified())
        document()->setModified(true);
}

bool EditBox::stepHistory(bool back)
{
    if (!history_)
        return false;
    const auto apply = [this](int position, int len, const QString &text) {
        const QString shown = mirror_.mid(position, len);
        QTextCursor c(document());
        c.setPosition(position);
        c.setPosition(position + len, QTextCursor::KeepAnchor);
        replaying_ = true;
        c.insertText(text);
        replaying_ = false;
        mirror_.replace(position, len, text);
        return shown;
    };
    const int caret = back ? history_->undo(apply) : history_->redo(apply);
    if (caret < 0)
        return false;
    document()->setModified(true);
    setSelection(caret, 0);
    ensureCursorVisible();
    return true;
}

bool EditBox::canRedo() const
{
    return history_ ? history_->canRedo() : document()->isRedoAvailable();
}

void EditBox::redo()
{
    if (history_)
        stepHistory(false);
    else
        QPlainTextEdit::redo();
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
    sideMargin_ = std::max(0, horizontal - vertical);
    applyMargins();
}

void EditBox::setGutterWidth(int width)
{
    gutterWidth_ = std::max(0, width);
    applyMargins();
}

void EditBox::applyMargins()
{
    const QMargins margins(sideMargin_ + gutterWidth_, 0, sideMargin_, 0);
    // Setting them again lays the viewport out again, which a long wrapped document pays for.
    if (viewportMargins() != margins)
        setViewportMargins(margins);
}

QList<EditBox::ShownLine> EditBox::shownLines() const
{
    QList<ShownLine> lines;
    const int bottom = viewport()->height();
    const QPointF origin = contentOffset();
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        if (!block.isVisible())
            continue;
        const QRectF shape = blockBoundingGeometry(block).translated(origin);
        if (shape.top() > bottom)
            break;
        lines.append({block.blockNumber(), int(shape.top()), int(shape.height())});
    }
    return lines;
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
    if (history_) {
        // One step in the box's own history, with the other changes of the same command.
        beginUpdate();
        QTextCursor c(doc);
        c.setPosition(start);
        c.setPosition(start + len, QTextCursor::KeepAnchor);
        c.insertText(LineSeparators::plainLines(replacement));
        doc->setModified(true);
        setTextCursor(c);
        endUpdate();
        return;
    }
    // Turning undo off and on again clears the box's own history, so the next
    // Undo falls through to the program's snapshot.
    doc->setUndoRedoEnabled(false);
    QTextCursor c(doc);
    c.setPosition(start);
    c.setPosition(start + len, QTextCursor::KeepAnchor);
    c.insertText(LineSeparators::plainLines(replacement));
    doc->setUndoRedoEnabled(true);
    doc->setModified(true);
    setTextCursor(c);
}

void EditBox::setWholeText(const QString &text)
{
    const bool wasModified = isModified();
    loadText(LineSeparators::plainLines(text));
    document()->setModified(wasModified);
}

void EditBox::loadText(const QString &text)
{
    replaying_ = true;
    setPlainText(text);
    replaying_ = false;
    if (history_) {
        history_->clear();
        mirror_ = storedText();
    }
    Q_EMIT textLoaded(text);
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
    return history_ ? history_->canUndo() : document()->isUndoAvailable();
}

void EditBox::undo()
{
    if (history_)
        stepHistory(true);
    else
        QPlainTextEdit::undo();
}

// Qt paints in the event loop, once, after the whole change: nothing is drawn half
// way through anyway. Switching the viewport's updates off and on would instead
// repaint all of it afterwards, which on a long document costs more than the change.
void EditBox::beginUpdate()
{
    // A command's changes between these make one step of the history.
    if (groupDepth_++ == 0 && history_)
        history_->beginGroup(selStart());
}

void EditBox::endUpdate()
{
    if (groupDepth_ > 0 && --groupDepth_ == 0 && history_)
        history_->endGroup();
}

IEditBox::View EditBox::view() const
{
    return {verticalScrollBar()->value(), horizontalScrollBar()->value()};
}

void EditBox::setView(const View &view)
{
    verticalScrollBar()->setValue(view.vertical);
    horizontalScrollBar()->setValue(view.horizontal);
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

void EditBox::insertTyped(const QString &text)
{
    // Typed, so the box's own undo covers it.
    insertPlainText(LineSeparators::plainLines(text));
    ensureCursorVisible();
}

void EditBox::pasteClipboardText()
{
    Platform &platform = Platform::instance();
    if (!platform.clipboardHasText())
        return;
    insertTyped(platform.clipboardText());
}

void EditBox::pasteSelectionText()
{
    Platform &platform = Platform::instance();
    if (isReadOnly() || !platform.selectionHasText())
        return;
    insertTyped(platform.selectionText());
}

bool EditBox::runWindowReturnCommand(Qt::KeyboardModifiers modifiers)
{
    const QKeySequence keys(QKeyCombination(modifiers, Qt::Key_Return));
    if (!windowShortcut_ || !windowShortcut_(keys))
        return false;
    const auto actions = window()->findChildren<QAction *>();
    for (QAction *a : actions) {
        if (a->isEnabled() && !a->menu() && a->shortcuts().contains(keys)) {
            a->trigger();
            return true;
        }
    }
    return false;
}

void EditBox::keyPressEvent(QKeyEvent *event)
{
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    const int key = event->key();
    // Shift+Tab arrives as Backtab. Either, with any modifier the window did not take,
    // types the tab spaces: the Tab key never moves the focus out of the text.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        insertPlainText(tabSpaces_); // typed, so the box's own undo covers it
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteClipboardText();
        event->accept();
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        // The keypad's Enter is Return; Shift never makes a soft line separator.
        if (key == Qt::Key_Enter && runWindowReturnCommand(mods)) {
            event->accept();
            return;
        }
        QKeyEvent plain(event->type(), Qt::Key_Return, mods & ~Qt::ShiftModifier, QStringLiteral("\r"),
                        event->isAutoRepeat(), ushort(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    if (mods == Qt::ControlModifier && (key == Qt::Key_Up || key == Qt::Key_Down)) {
        scrollBy(0, key == Qt::Key_Up ? -1 : 1);
        event->accept();
        return;
    }
    if (LineSeparators::needsPlainLines(event->text()) && !(mods & (Qt::ControlModifier | Qt::AltModifier))) {
        insertTyped(event->text());
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void EditBox::typeOverSelection(const QString &text)
{
    insertTyped(text);
}

void EditBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        event->accept(); // the paste happens on release, as Qt's own would
        return;
    }
    QPlainTextEdit::mousePressEvent(event);
}

void EditBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::MiddleButton) {
        if (!isReadOnly() && Platform::instance().selectionHasText()) {
            setTextCursor(cursorForPosition(event->position().toPoint()));
            pasteSelectionText();
        }
        event->accept();
        return;
    }
    QPlainTextEdit::mouseReleaseEvent(event);
}

void EditBox::inputMethodEvent(QInputMethodEvent *event)
{
    if (!LineSeparators::needsPlainLines(event->commitString())) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent plain(event->preeditString(), event->attributes());
    plain.setCommitString(LineSeparators::plainLines(event->commitString()), event->replacementStart(),
                          event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&plain);
    event->setAccepted(plain.isAccepted());
}

bool EditBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source && source->hasText();
}

void EditBox::insertFromMimeData(const QMimeData *source)
{
    // Dropped text only (the clipboard never comes here): as plain text, lines as lines.
    if (source && source->hasText() && !isReadOnly())
        insertTyped(source->text());
}

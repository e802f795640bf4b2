#include "app/DocumentJournal.h"

#include "recovery/JournalWriter.h"

#include <QDateTime>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <utility>

namespace {
// A change this large is cheaper taken with the whole text.
constexpr qsizetype LargeChange = 1 << 20;
// Journaled characters beyond the text's own length (plus this) start a new journal, which
// keeps reading one back quick.
constexpr qsizetype CompactSlack = 1 << 19;
constexpr qsizetype RecordCost = 32;
// A journal that could not be written (a full disk) is tried again this much later, not at
// every change: each try copies and writes the whole text.
constexpr qint64 RetryMs = 30000;
} // namespace

DocumentJournal::DocumentJournal(QPlainTextEdit *box, JournalWriter &writer, const QString &path, MetaSource meta,
                                 std::function<void()> flushed, QObject *parent)
    : QObject(parent), box_(box), doc_(box->document()), writer_(writer), path_(path), meta_(std::move(meta)),
      flushed_(std::move(flushed))
{
    timer_.setSingleShot(true);
    timer_.setInterval(FlushDelayMs);
    connect(&timer_, &QTimer::timeout, this, &DocumentJournal::flush);
    connect(doc_, &QTextDocument::contentsChange, this, &DocumentJournal::changed);
    connect(doc_, &QTextDocument::modificationChanged, this, &DocumentJournal::modificationChanged);
    if (doc_->isModified())
        modificationChanged(true);
}

DocumentJournal::~DocumentJournal()
{
    flush();
}

void DocumentJournal::schedule()
{
    if (!timer_.isActive())
        timer_.start(FlushDelayMs);
}

void DocumentJournal::modificationChanged(bool modified)
{
    if (!modified) {
        // Saved, or undone back to what the file holds: nothing left to recover.
        discard();
        return;
    }
    if (state_ == State::Clean) {
        state_ = State::NeedsStart;
        schedule();
    }
}

void DocumentJournal::changed(int position, int removed, int added)
{
    if (state_ != State::Started)
        return; // the text the journal starts with will hold it
    // Qt reports a whole new text one character too long on both sides; the lengths settle it.
    const qsizetype docLength = doc_->characterCount() - 1;
    const qsizetype pos = std::clamp<qsizetype>(position, 0, length_);
    const qsizetype gone = std::min<qsizetype>(removed, length_ - pos);
    const qsizetype come = std::clamp<qsizetype>(added, 0, docLength - pos);
    if (length_ - gone + come != docLength || come > LargeChange) {
        state_ = State::NeedsStart;
        pending_.clear();
        schedule();
        return;
    }
    QString inserted;
    if (come > 0) {
        QTextCursor cursor(doc_);
        cursor.setPosition(int(pos));
        cursor.setPosition(int(pos + come), QTextCursor::KeepAnchor);
        inserted = cursor.selectedText();
    }
    record(pos, gone, inserted);
    length_ = docLength;
    schedule();
}

void DocumentJournal::record(qsizetype position, qsizetype removed, const QString &inserted)
{
    if (!pending_.isEmpty()) {
        JournalRecord::Change &last = pending_.last();
        const qsizetype lastEnd = last.position + last.inserted.size();
        // Typing, and backspacing over what was just typed, stay one record.
        if (removed == 0 && position == lastEnd) {
            last.inserted += inserted;
            last.time = QDateTime::currentMSecsSinceEpoch();
            return;
        }
        if (inserted.isEmpty() && removed > 0 && position + removed == lastEnd && removed <= last.inserted.size()) {
            last.inserted.chop(removed);
            last.time = QDateTime::currentMSecsSinceEpoch();
            return;
        }
    }
    pending_.append({QDateTime::currentMSecsSinceEpoch(), int(position), int(removed), inserted});
}

void DocumentJournal::flush()
{
    timer_.stop();
    if (!box_ || closed_)
        return;
    if (!doc_->isModified()) {
        discard();
        return;
    }
    const JournalRecord::Meta meta = meta_();
    if (state_ == State::Clean)
        state_ = State::NeedsStart;
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const bool failed = written_ && writer_.needsRestart(path_);
    if (failed && now - lastStart_ < RetryMs) {
        state_ = State::NeedsStart;
        pending_.clear();
        timer_.start(int(RetryMs - (now - lastStart_)));
        if (flushed_)
            flushed_();
        return;
    }
    if (state_ == State::Started && (meta != lastMeta_ || failed || sinceStart_ > length_ + CompactSlack))
        state_ = State::NeedsStart;
    if (state_ == State::NeedsStart) {
        // The one copy of the whole text; the writer encodes and writes it on its own thread.
        const QString text = doc_->toRawText();
        lastStart_ = now;
        writer_.start(path_, meta, text, superseded_.isEmpty() ? now : supersededTime_, superseded_);
        superseded_.clear();
        written_ = true;
        lastMeta_ = meta;
        length_ = text.size();
        sinceStart_ = 0;
        pending_.clear();
        state_ = State::Started;
    } else if (!pending_.isEmpty()) {
        for (const JournalRecord::Change &c : std::as_const(pending_))
            sinceStart_ += c.inserted.size() + RecordCost;
        writer_.append(path_, pending_);
        pending_.clear();
    }
    if (flushed_)
        flushed_();
}

void DocumentJournal::close()
{
    discard();
    closed_ = true;
    disconnect(doc_, nullptr, this, nullptr);
}

void DocumentJournal::discard()
{
    timer_.stop();
    pending_.clear();
    state_ = State::Clean;
    if (written_)
        writer_.remove(path_);
    written_ = false;
}

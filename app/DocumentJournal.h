#pragma once

#include "recovery/JournalRecord.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <functional>

class JournalWriter;
class QPlainTextEdit;
class QTextDocument;

// Keeps one document's recovery journal current while it is modified: each change the box
// reports is kept as a copy of the change alone, and within a second (or at once when asked)
// handed to the writer. The whole text is copied only when a journal starts: when the
// document becomes modified, when its description changes, or when the changes outgrow it.
// Saved or undone back to its file, the document has no journal.
class DocumentJournal : public QObject
{
    Q_OBJECT
public:
    using MetaSource = std::function<JournalRecord::Meta()>;
    static constexpr int FlushDelayMs = 1000;

    DocumentJournal(QPlainTextEdit *box, JournalWriter &writer, const QString &path, MetaSource meta,
                    std::function<void()> flushed, QObject *parent = nullptr);
    // Brings the journal up to date: the document stays recoverable after a window that
    // went without closing its documents.
    ~DocumentJournal() override;

    QString path() const { return path_; }
    void flush();
    // The document is closing without its changes: no journal is left behind.
    void close();
    // The document was restored from another journal, which its first write replaces; the
    // text keeps the time it was last changed.
    void supersede(const QString &oldJournal, qint64 lastChange)
    {
        superseded_ = oldJournal;
        supersededTime_ = lastChange;
    }

private:
    enum class State { Clean, NeedsStart, Started };
    void changed(int position, int removed, int added);
    void modificationChanged(bool modified);
    void schedule();
    void discard();
    void record(qsizetype position, qsizetype removed, const QString &inserted);

    QPointer<QPlainTextEdit> box_;
    QTextDocument *doc_;
    JournalWriter &writer_;
    QString path_;
    MetaSource meta_;
    std::function<void()> flushed_;
    QTimer timer_;
    State state_ = State::Clean;
    bool written_ = false;
    bool closed_ = false;
    JournalRecord::Meta lastMeta_;
    qsizetype length_ = 0;         // the text's length as the journal has it
    qsizetype sinceStart_ = 0;     // characters journaled since the text was
    QList<JournalRecord::Change> pending_;
    QString superseded_;
    qint64 supersededTime_ = 0;
    qint64 lastStart_ = 0; // when the whole text was last handed over
};

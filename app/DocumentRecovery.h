#pragma once

#include "recovery/JournalFolder.h"
#include "recovery/JournalReader.h"

#include <QHash>
#include <QObject>
#include <QString>

#include <memory>

class CommandHost;
class DocumentJournal;
class DocumentTabs;
class EditBox;
class JournalWriter;
class QWidget;

// Unsaved work that survives a crash, a kill or a power cut: a journal for every modified
// document in the user's state folder (see JournalFolder), kept current within about a
// second of the last change and at every tab switch; removed when the document is saved,
// closed without its changes, or undone back to its file. At start the journals a run left
// behind are offered back.
class DocumentRecovery : public QObject
{
    Q_OBJECT
public:
    DocumentRecovery(CommandHost &host, DocumentTabs &tabs);
    // Brings every journal up to date and lets go of this run's session: documents still
    // open and modified stay recoverable.
    ~DocumentRecovery() override;

    // The journals of runs that did not end cleanly: unreadable ones reported and set aside,
    // the others offered in one dialog; restored ones open as modified tabs.
    void offerAtStart();
    // Hands every document's changes to the writer now.
    void flushAll();
    // Waits until the writer has written what it was handed.
    void waitWritten();
    // Journals on or off (the benchmark compares both); off removes the open documents' journals.
    void setEnabled(bool on);
    QString folderPath() const { return folder_.path(); }
    qint64 bytesWritten() const;

private:
    struct Offer
    {
        QString path;
        JournalReader::Result journal;
    };
    void attach(QWidget *widget);
    void detach(EditBox *box);
    void restore(const Offer &offer);
    void reportWriteFailure();
    void reportUnreadable(const QStringList &lines);
    static QString diskState(const JournalRecord::Meta &meta);

    CommandHost &host_;
    DocumentTabs &tabs_;
    JournalFolder folder_;
    std::unique_ptr<JournalWriter> writer_;
    QHash<EditBox *, DocumentJournal *> journals_;
    bool enabled_ = true;
    bool failureShown_ = false;
};

#pragma once

#include <QDateTime>
#include <QDialog>
#include <QList>
#include <QString>

class QComboBox;
class QTreeWidget;

// Offers back the documents whose unsaved changes a run that ended without closing them
// left behind: each with its name, when it was last changed and how its file on disk stands,
// and what to do with it (restore, discard, keep for later). OK does what each row says
// (every row restores at first); あとで keeps them all for later.
class TRecoveryDialog : public QDialog
{
    Q_OBJECT
public:
    enum class Choice { Restore, Discard, Keep };
    struct Entry
    {
        QString title;     // file name, or 無題
        QString path;      // the file's full name; empty when untitled
        QDateTime lastChange;
        QString diskState; // how the file on disk stands since it was last read or saved
        QString note;      // what could not be read of the changes, if anything
    };

    explicit TRecoveryDialog(const QList<Entry> &entries, QWidget *parent = nullptr);

    // One per entry, in order; every one Keep when the dialog was left without OK.
    QList<Choice> choices() const;

private:
    QTreeWidget *list_;
    QList<QComboBox *> actions_;
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QLockFile;

// Where this program folder's recovery journals live, in the user's state folder
// ($XDG_STATE_HOME, else ~/.local/state) under tagwell/recovery/<key of the program folder>,
// so another installation never sees them. Each run holds a lock file of its own session;
// a journal whose session's lock can be taken was left by a run that ended without cleaning
// up (a crash, a kill, a power cut) or kept for later, and only then is it offered.
class JournalFolder
{
public:
    explicit JournalFolder(const QString &programFolder);
    // Lets go of every lock it holds.
    ~JournalFolder();

    static QString stateHome();
    QString path() const { return path_; }
    // Where journals that cannot be read are kept aside.
    QString asidePath() const { return path_ + QStringLiteral("aside/"); }

    // Takes this run's session lock; false (and journals off) when the folder is not usable.
    bool open();
    bool isOpen() const { return !session_.isEmpty(); }
    QString lastError() const { return error_; }
    // A new journal name of this session.
    QString newJournalPath();

    // The journals of sessions no running program holds, their sessions now held by this one
    // until releaseClaimed(); sorted by name.
    QStringList claimOrphans();
    void releaseClaimed();
    // Moves the journal into the aside folder; its new path, or empty when it could not be moved.
    QString setAside(const QString &journal);
    // Copies it there, for a journal that is still offered.
    QString copyAside(const QString &journal);

    static constexpr const char *Suffix = ".twj";

private:
    QString sessionOf(const QString &fileName) const;

    QString path_;
    QString session_;
    QString error_;
    int serial_ = 0;
    std::unique_ptr<QLockFile> own_;
    QList<std::shared_ptr<QLockFile>> claimed_;
};

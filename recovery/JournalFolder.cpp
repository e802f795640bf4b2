#include "recovery/JournalFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QSet>

namespace {
std::unique_ptr<QLockFile> lockFor(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // Only a dead owner makes a lock stale: a program left open for days keeps its journals.
    lock->setStaleLockTime(0);
    return lock;
}
} // namespace

JournalFolder::JournalFolder(const QString &programFolder)
{
    const QByteArray key = QCryptographicHash::hash(QFileInfo(programFolder).absoluteFilePath().toUtf8(),
                                                    QCryptographicHash::Sha1)
                               .toHex()
                               .left(16);
    path_ = stateHome() + QStringLiteral("tagwell/recovery/") + QString::fromLatin1(key) + QLatin1Char('/');
}

JournalFolder::~JournalFolder()
{
    releaseClaimed();
}

QString JournalFolder::stateHome()
{
    QString home = qEnvironmentVariable("XDG_STATE_HOME");
    // A relative XDG_STATE_HOME is invalid and ignored, as desktops do.
    if (home.isEmpty() || QDir::isRelativePath(home))
        home = QDir::homePath() + QStringLiteral("/.local/state");
    if (!home.endsWith(QLatin1Char('/')))
        home += QLatin1Char('/');
    return home;
}

bool JournalFolder::open()
{
    if (isOpen())
        return true;
    if (!QDir().mkpath(path_)) {
        error_ = QStringLiteral("フォルダー \"") + path_ + QStringLiteral("\" を作れません。");
        return false;
    }
    QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString id = QString::number(QRandomGenerator::system()->generate64(), 16);
        auto lock = lockFor(path_ + id + QStringLiteral(".lock"));
        if (lock->tryLock(0)) {
            own_ = std::move(lock);
            session_ = id;
            return true;
        }
    }
    error_ = QStringLiteral("フォルダー \"") + path_ + QStringLiteral("\" に書き込めません。");
    return false;
}

QString JournalFolder::newJournalPath()
{
    return path_ + session_ + QLatin1Char('-') + QString::number(++serial_) + QLatin1String(Suffix);
}

QString JournalFolder::sessionOf(const QString &fileName) const
{
    const qsizetype dash = fileName.indexOf(QLatin1Char('-'));
    return dash > 0 ? fileName.left(dash) : QString();
}

QStringList JournalFolder::claimOrphans()
{
    QStringList out;
    const QDir dir(path_);
    const QStringList journals =
        dir.entryList({QString(QStringLiteral("*") + QLatin1String(Suffix))}, QDir::Files, QDir::Name);
    QSet<QString> tried;
    QSet<QString> taken;
    for (const QString &name : journals) {
        const QString session = sessionOf(name);
        if (session.isEmpty() || session == session_)
            continue;
        if (!tried.contains(session)) {
            tried.insert(session);
            std::shared_ptr<QLockFile> lock = lockFor(path_ + session + QStringLiteral(".lock"));
            if (lock->tryLock(0)) {
                claimed_.append(lock);
                taken.insert(session);
            }
        }
        if (taken.contains(session))
            out << path_ + name;
    }
    // Locks of ended sessions that left no journal: taken and let go, which removes them.
    for (const QString &name : dir.entryList({QStringLiteral("*.lock")}, QDir::Files)) {
        const QString session = name.chopped(5);
        if (session != session_ && !tried.contains(session))
            lockFor(path_ + name)->tryLock(0);
    }
    return out;
}

void JournalFolder::releaseClaimed()
{
    claimed_.clear(); // unlocking removes the lock files; the journals left wait for a later run
}

QString JournalFolder::setAside(const QString &journal)
{
    if (!QDir().mkpath(asidePath()))
        return QString();
    const QString target = asidePath() + QFileInfo(journal).fileName();
    QFile::remove(target);
    return QFile::rename(journal, target) ? target : QString();
}

QString JournalFolder::copyAside(const QString &journal)
{
    if (!QDir().mkpath(asidePath()))
        return QString();
    const QString target = asidePath() + QFileInfo(journal).fileName();
    QFile::remove(target);
    return QFile::copy(journal, target) ? target : QString();
}

#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class ProfileText;

// One INI file of the program (TW.ini, CustomTag.ini, FS.ini), read and written with the
// rules of the Windows profile functions so that files carried over from Windows come back
// unchanged apart from the keys written (ProfileText has the rules). Every call opens the
// file afresh; nothing is cached. A missing file, section or key, or a file that cannot be
// read, gives the caller's default. Every write replaces the whole file atomically, so a
// crash or a full disk leaves the old file; a failed write returns false and lastError()
// says why.
class ProfileStore
{
public:
    explicit ProfileStore(const QString &path);

    QString path() const;

    QString readString(const QString &section, const QString &key, const QString &def = QString()) const;
    int readInteger(const QString &section, const QString &key, int def) const;
    bool readBool(const QString &section, const QString &key, bool def) const;

    bool writeString(const QString &section, const QString &key, const QString &value);
    bool writeInteger(const QString &section, const QString &key, int value);
    bool writeBool(const QString &section, const QString &key, bool value);

    bool eraseSection(const QString &section);

    bool hasSection(const QString &section) const;
    QStringList sectionNames() const;
    QStringList keyNames(const QString &section) const; // in file order

    // Several reads from one look at the file; false when an existing file cannot be read.
    bool read(ProfileText &text) const;
    // Several changes written as one: change edits the text (false, with a reason, refuses
    // and nothing is written), then the file is replaced once, atomically.
    bool update(const std::function<bool(ProfileText &text, QString *error)> &change);

    // The reason the last failed write failed, for the user; empty after a write that worked.
    QString lastError() const;

private:
    // A missing file reads as empty; false only when an existing file cannot be read.
    bool load(ProfileText &text, QString *error) const;
    bool save(const QByteArray &before, const ProfileText &text);
    bool failWith(const QString &reason);

    QString m_path;
    QString m_lastError;
};

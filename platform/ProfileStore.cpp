#include "platform/ProfileStore.h"

#include "platform/AtomicFile.h"
#include "platform/ProfileText.h"

#include <QDir>
#include <QFileInfo>

ProfileStore::ProfileStore(const QString &path)
    : m_path(path)
{
}

QString ProfileStore::path() const
{
    return m_path;
}

bool ProfileStore::load(ProfileText &text, QString *error) const
{
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink()) {
        text = ProfileText();
        return true;
    }
    QByteArray bytes;
    if (!AtomicFile::readAll(m_path, bytes, error))
        return false;
    text = ProfileText(bytes);
    return true;
}

QString ProfileStore::readString(const QString &section, const QString &key, const QString &def) const
{
    ProfileText text;
    if (!load(text, nullptr))
        return def;
    return text.value(section, key).value_or(def);
}

int ProfileStore::readInteger(const QString &section, const QString &key, int def) const
{
    ProfileText text;
    if (!load(text, nullptr))
        return def;
    const std::optional<QString> value = text.value(section, key);
    if (!value)
        return def;
    return ProfileText::parseInteger(*value).value_or(def);
}

bool ProfileStore::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool ProfileStore::failWith(const QString &reason)
{
    m_lastError = QDir::toNativeSeparators(m_path) + QStringLiteral(": ") + reason;
    return false;
}

bool ProfileStore::save(const QByteArray &before, const ProfileText &text)
{
    const QByteArray after = text.toBytes();
    // Nothing changed: leave the file alone (also when it could not be written).
    if (after == before && QFileInfo::exists(m_path)) {
        m_lastError.clear();
        return true;
    }
    QString reason;
    if (!AtomicFile::write(m_path, after, &reason))
        return failWith(reason);
    m_lastError.clear();
    return true;
}

bool ProfileStore::writeString(const QString &section, const QString &key, const QString &value)
{
    ProfileText text;
    QString reason;
    // Writing over a file that exists but could not be read would throw its other keys away.
    if (!load(text, &reason))
        return failWith(reason);
    const QByteArray before = text.toBytes();
    if (!text.setValue(section, key, value, &reason))
        return failWith(reason);
    return save(before, text);
}

bool ProfileStore::writeInteger(const QString &section, const QString &key, int value)
{
    return writeString(section, key, QString::number(value));
}

bool ProfileStore::writeBool(const QString &section, const QString &key, bool value)
{
    return writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

bool ProfileStore::eraseSection(const QString &section)
{
    ProfileText text;
    QString reason;
    if (!load(text, &reason))
        return failWith(reason);
    const QByteArray before = text.toBytes();
    if (!text.eraseSection(section)) {
        m_lastError.clear();
        return true;
    }
    return save(before, text);
}

bool ProfileStore::hasSection(const QString &section) const
{
    ProfileText text;
    return load(text, nullptr) && text.hasSection(section);
}

QStringList ProfileStore::sectionNames() const
{
    ProfileText text;
    if (!load(text, nullptr))
        return {};
    return text.sectionNames();
}

QStringList ProfileStore::keyNames(const QString &section) const
{
    ProfileText text;
    if (!load(text, nullptr))
        return {};
    return text.keyNames(section);
}

bool ProfileStore::read(ProfileText &text) const
{
    return load(text, nullptr);
}

bool ProfileStore::update(const std::function<bool(ProfileText &, QString *)> &change)
{
    ProfileText text;
    QString reason;
    if (!load(text, &reason))
        return failWith(reason);
    const QByteArray before = text.toBytes();
    if (!change(text, &reason))
        return failWith(reason);
    return save(before, text);
}

QString ProfileStore::lastError() const
{
    return m_lastError;
}

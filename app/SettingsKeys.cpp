#include "app/SettingsKeys.h"

#include "platform/ProfileStore.h"

namespace SettingsKeys {

QString customColorKey(int index)
{
    return QStringLiteral("Color") + QChar(u'A' + index);
}

int read(const ProfileStore &ini, const IntKey &key)
{
    return ini.readInteger(QString::fromUtf16(key.section), QString::fromUtf16(key.key), key.def);
}

int readChoice(const ProfileStore &ini, const IntKey &key)
{
    const int value = read(ini, key);
    return key.inRange(value) ? value : key.def;
}

QString read(const ProfileStore &ini, const TextKey &key, const QString &def)
{
    return ini.readString(QString::fromUtf16(key.section), QString::fromUtf16(key.key), def);
}

bool write(ProfileStore &ini, const IntKey &key, int value)
{
    return ini.writeInteger(QString::fromUtf16(key.section), QString::fromUtf16(key.key), value);
}

bool write(ProfileStore &ini, const TextKey &key, const QString &value)
{
    return ini.writeString(QString::fromUtf16(key.section), QString::fromUtf16(key.key), value);
}

QString readHomeFolder(const ProfileStore &ini, const QString &defaultFolder)
{
    const QString path = read(ini, HomeFolder);
    return path.isEmpty() || path == QString::fromUtf16(NoHomeFolder) ? defaultFolder : path;
}

QString readSubBrowser(const ProfileStore &ini)
{
    const QString path = read(ini, SubBrowser);
    return path.trimmed() == QString::fromUtf16(NoSubBrowser) ? QString() : path;
}

} // namespace SettingsKeys

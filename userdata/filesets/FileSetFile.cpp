#include "userdata/filesets/FileSetFile.h"

#include "platform/Cp932Codec.h"
#include "platform/ProfileStore.h"
#include "platform/ProfileText.h"

#include <algorithm>

namespace {

const QString CountKey = QStringLiteral("Count");

QStringList listOf(const ProfileText &text, const QString &section)
{
    const int count = ProfileText::parseInteger(text.value(section, CountKey).value_or(QString())).value_or(0);
    const int bound = std::min<qsizetype>(count, text.keyNames(section).size());
    QStringList values;
    for (int i = 0; i < bound; ++i)
        values.append(text.value(section, QString::number(i)).value_or(QString()));
    return values;
}

// Count and keys "0".. of a section; other keys of the section stay.
bool setList(ProfileText &text, const QString &section, const QStringList &values, QString *error)
{
    if (!text.setValue(section, CountKey, QString::number(values.size()), error))
        return false;
    for (int i = 0; i < values.size(); ++i) {
        if (!text.setValue(section, QString::number(i), values.at(i), error))
            return false;
    }
    return true;
}

bool finish(bool ok, const ProfileStore &store, QString *error)
{
    if (!ok && error)
        *error = store.lastError();
    return ok;
}

bool sameName(const QString &a, const QString &b)
{
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

} // namespace

QStringList FileSetFile::titles() const
{
    return readList(path_);
}

bool FileSetFile::hasSet(const QString &title) const
{
    return ProfileStore(path_).hasSection(title);
}

QStringList FileSetFile::files(const QString &title) const
{
    ProfileText text;
    if (!ProfileStore(path_).read(text))
        return {};
    return listOf(text, title);
}

bool FileSetFile::addSet(const QString &title, const QStringList &files, QString *error) const
{
    ProfileStore store(path_);
    return finish(store.update([&](ProfileText &text, QString *reason) {
        // Only Count and the new key: the lines of the other sets stay as the user wrote them.
        const QStringList listed = listOf(text, ListSection);
        const QStringList wanted = QStringList(listed) << title;
        if (!text.setValue(ListSection, CountKey, QString::number(wanted.size()), reason)
            || !text.setValue(ListSection, QString::number(listed.size()), title, reason))
            return false;
        // A damaged list (a Count beyond its keys, the new key's number taken by a stray
        // key) would not read back so; then it is written whole.
        if (listOf(text, ListSection) != wanted && !setList(text, ListSection, wanted, reason))
            return false;
        return setList(text, title, files, reason);
    }), store, error);
}

bool FileSetFile::changeSet(const QString &oldTitle, const QString &title, const QStringList &files, QString *error) const
{
    ProfileStore store(path_);
    return finish(store.update([&](ProfileText &text, QString *reason) {
        const QStringList all = listOf(text, ListSection);
        const qsizetype at = all.indexOf(oldTitle);
        text.eraseSection(oldTitle);
        // A set missing from the list (changed elsewhere meanwhile) is listed again.
        const bool listed = at < 0 ? setList(text, ListSection, QStringList(all) << title, reason)
                                   : text.setValue(ListSection, QString::number(at), title, reason);
        return listed && setList(text, title, files, reason);
    }), store, error);
}

bool FileSetFile::writeTitles(const QStringList &titles, QString *error) const
{
    ProfileStore store(path_);
    return finish(store.update([&](ProfileText &text, QString *reason) {
        text.eraseSection(ListSection);
        return setList(text, ListSection, titles, reason);
    }), store, error);
}

QStringList FileSetFile::readList(const QString &iniPath)
{
    ProfileText text;
    if (!ProfileStore(iniPath).read(text))
        return {};
    return listOf(text, ListSection);
}

bool FileSetFile::writeList(const QString &iniPath, const QStringList &titles, QString *error)
{
    ProfileStore store(iniPath);
    return finish(store.update([&](ProfileText &text, QString *reason) {
        text.eraseSection(ListSection);
        return titles.isEmpty() || setList(text, ListSection, titles, reason);
    }), store, error);
}

QString FileSetFile::titleProblem(const QString &title, const QStringList &others)
{
    if (title.contains(QLatin1Char('[')) || title.contains(QLatin1Char(']')))
        return QStringLiteral("タイトルに \"[\" と \"]\" は使えません。\r\nほかのタイトルを指定し直して下さい。");
    for (const QChar c : title) {
        if (c.unicode() < 0x20 || c.unicode() == 0x2028 || c.unicode() == 0x2029)
            return QStringLiteral("タイトルに改行などの制御文字は使えません。\r\nほかのタイトルを指定し直して下さい。");
    }
    if (title != title.trimmed())
        return QStringLiteral("タイトルの前後に空白は置けません。\r\nほかのタイトルを指定し直して下さい。");
    // The section header must read back as this title (no character CP932 lacks, no stray
    // byte that would pair with the closing bracket).
    int unencodable = 0;
    const QString header = QLatin1Char('[') + title + QLatin1Char(']');
    if (Cp932Codec::decode(Cp932Codec::encode(header, &unencodable)) != header || unencodable > 0)
        return QStringLiteral("タイトルに保存できない文字が含まれています。\r\nほかのタイトルを指定し直して下さい。");
    if (sameName(title, ListSection))
        return QStringLiteral("\"FileSet\" はタイトルに使えません。\r\nほかのタイトルを指定し直して下さい。");
    for (const QString &other : others) {
        if (sameName(title, other))
            return QStringLiteral("指定したタイトルはすでに存在します。\r\nほかのタイトルを指定し直して下さい。");
    }
    return QString();
}

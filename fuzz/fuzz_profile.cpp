// The INI files (TW.ini, CustomTag.ini, FS.ini) may come from anywhere: any bytes parse, come
// back unchanged when nothing is written, and writing one key changes that key only.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "platform/Cp932Codec.h"
#include "platform/ProfileText.h"

#include <QHash>
#include <QPair>
#include <QString>

namespace {

bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\v' || u == '\f' || u == 0x1A;
}

QString trimmed(const QString &s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

// Names match as the profile functions match them: blanks around dropped, ASCII letters
// without regard to case.
QString nameKey(const QString &name)
{
    QString key = trimmed(name);
    for (QChar &c : key) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + ('a' - 'A'));
    }
    return key;
}

using Values = QHash<QPair<QString, QString>, QString>; // (section key, key key) -> value

Values everyValue(const ProfileText &text)
{
    Values values;
    for (const QString &section : text.sectionNames()) {
        for (const QString &key : text.keyNames(section)) {
            const std::optional<QString> value = text.value(section, key);
            FUZZ_CHECK(value.has_value());
            values.insert({nameKey(section), nameKey(key)}, *value);
        }
    }
    return values;
}

// A name or value: the fuzzer's bytes as CP932 (what files hold) or as UTF-8 (what a user
// may type, characters CP932 lacks included).
QString textOf(const QByteArray &bytes, bool utf8)
{
    return utf8 ? QString::fromUtf8(bytes) : Cp932Codec::decode(bytes);
}

// Picks a name that is already there now and then, so that rewriting is tried as often as adding.
QString pick(const QStringList &names, uint8_t choice, const QString &fallback)
{
    if (names.isEmpty() || !(choice & 0x80))
        return fallback;
    return names.at((choice & 0x7F) % names.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t flags = input.byte();
    const uint8_t sectionChoice = input.byte();
    const uint8_t keyChoice = input.byte();
    const QString sectionArg = textOf(input.chunk(24), flags & 1);
    const QString keyArg = textOf(input.chunk(24), flags & 2);
    const QString value = textOf(input.chunk(48), flags & 4);
    const QByteArray file = input.rest();

    ProfileText text(file);
    FUZZ_CHECK(text.toBytes() == file);
    const Values before = everyValue(text);
    const QStringList sectionsBefore = text.sectionNames();

    const QString section = pick(sectionsBefore, sectionChoice, sectionArg);
    const QString key = pick(text.keyNames(section), keyChoice, keyArg);
    const QStringList keysBefore = text.keyNames(section);
    const bool sectionExisted = text.hasSection(section);

    QString error;
    if (!text.setValue(section, key, value, &error)) {
        FUZZ_CHECK(!error.isEmpty());
        FUZZ_CHECK(text.toBytes() == file);
        return 0;
    }

    // What a later read of the file sees.
    const ProfileText reread(text.toBytes());
    FUZZ_CHECK(reread.value(section, key) == value);
    const QPair<QString, QString> written{nameKey(section), nameKey(key)};
    Values after = everyValue(reread);
    FUZZ_CHECK(after.value(written) == value);
    after.remove(written);
    Values expected = before;
    expected.remove(written);
    FUZZ_CHECK(after == expected);

    QStringList sections = sectionsBefore;
    if (!sectionExisted)
        sections.append(trimmed(section));
    FUZZ_CHECK(reread.sectionNames() == sections);
    QStringList keys = keysBefore;
    bool keyExisted = false;
    for (const QString &k : keysBefore)
        keyExisted = keyExisted || nameKey(k) == nameKey(key);
    if (!keyExisted)
        keys.append(trimmed(key));
    FUZZ_CHECK(reread.keyNames(section) == keys);

    // Only the written line changes: the bytes that differ lie within the old key line (none
    // when a key is added), and what is new is that line, perhaps a header, and line ends.
    const QByteArray now = reread.toBytes();
    qsizetype common = 0;
    while (common < file.size() && common < now.size() && file[common] == now[common])
        ++common;
    qsizetype tail = 0;
    while (tail < file.size() - common && tail < now.size() - common
           && file[file.size() - 1 - tail] == now[now.size() - 1 - tail])
        ++tail;
    const QByteArray removed = file.mid(common, file.size() - common - tail);
    const QByteArray inserted = now.mid(common, now.size() - common - tail);
    FUZZ_CHECK(!removed.contains('\n') && !removed.contains('\r'));
    FUZZ_CHECK(inserted.count('\n') <= 3);
    return 0;
}

#include "platform/ProfileText.h"

#include "platform/Cp932Codec.h"

#include <QSet>

namespace {

const QByteArray CrLf("\r\n");

// The blanks the profile functions drop around names and values; 0x1A is the old
// end-of-file mark some editors left at the end.
bool isBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == ' ' || u == '\t' || u == '\v' || u == '\f' || u == 0x1A;
}

QStringView trimBlanks(QStringView s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && isBlank(s[from]))
        ++from;
    while (to > from && isBlank(s[to - 1]))
        --to;
    return s.mid(from, to - from);
}

bool isQuote(QChar c)
{
    return c == u'"' || c == u'\'';
}

QStringView unquote(QStringView s)
{
    if (s.size() >= 2 && isQuote(s.front()) && s.back() == s.front())
        return s.mid(1, s.size() - 2);
    return s;
}

char16_t foldAscii(char16_t c)
{
    return (c >= 'A' && c <= 'Z') ? char16_t(c + ('a' - 'A')) : c;
}

// The names are compared as the platform does for its own INI files: ASCII letters
// without regard to case, everything else exactly.
bool namesEqual(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (foldAscii(a[i].unicode()) != foldAscii(b[i].unicode()))
            return false;
    }
    return true;
}

QString foldedKey(QStringView name)
{
    QString folded(name.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < name.size(); ++i)
        folded[i] = QChar(foldAscii(name[i].unicode()));
    return folded;
}

bool hasLineBreakOrNul(QStringView s)
{
    for (QChar c : s) {
        if (c == u'\r' || c == u'\n' || c == u'\0')
            return true;
    }
    return false;
}

bool fail(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

bool encodeLine(const QString &text, QByteArray &bytes, QString *error)
{
    int unencodable = 0;
    bytes = Cp932Codec::encode(text, &unencodable);
    if (unencodable > 0)
        return fail(error, QStringLiteral("Shift-JIS で表せない文字を含むため書き込めません: %1").arg(text));
    return true;
}

} // namespace

ProfileText::ProfileText(QByteArrayView bytes)
{
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        qsizetype j = i;
        while (j < n && bytes[j] != '\r' && bytes[j] != '\n')
            ++j;
        const QByteArray raw = bytes.sliced(i, j - i).toByteArray();
        QByteArray end;
        if (j < n) {
            if (bytes[j] == '\r' && j + 1 < n && bytes[j + 1] == '\n')
                end = CrLf;
            else
                end = QByteArray(1, bytes[j]);
        }
        m_lines.append(parseLine(raw, end));
        i = j + end.size();
    }
}

ProfileText::Line ProfileText::parseLine(const QByteArray &raw, const QByteArray &end)
{
    Line line;
    line.raw = raw;
    line.end = end;
    // CR and LF never occur as trail bytes in CP932, so splitting on bytes is safe; the
    // brackets and "=" are looked for in the decoded text, where a trail byte 0x5B or 0x5D
    // of a double-byte character cannot pass for "[" or "]".
    const QString text = Cp932Codec::decode(raw);
    const QStringView trimmed = trimBlanks(text);
    if (trimmed.isEmpty()) {
        line.kind = Kind::Blank;
        return line;
    }
    if (trimmed.front() == u';') {
        line.kind = Kind::Comment;
        return line;
    }
    if (trimmed.front() == u'[') {
        const qsizetype close = trimmed.lastIndexOf(u']');
        if (close > 0) {
            line.kind = Kind::Section;
            line.name = trimBlanks(trimmed.mid(1, close - 1)).toString();
            return line;
        }
    }
    const qsizetype eq = trimmed.indexOf(u'=');
    if (eq >= 0) {
        line.kind = Kind::Key;
        line.name = trimBlanks(trimmed.left(eq)).toString();
        line.value = unquote(trimBlanks(trimmed.mid(eq + 1))).toString();
        return line;
    }
    line.kind = Kind::Other;
    return line;
}

QByteArray ProfileText::toBytes() const
{
    qsizetype size = 0;
    for (const Line &line : m_lines)
        size += line.raw.size() + line.end.size();
    QByteArray bytes;
    bytes.reserve(size);
    for (const Line &line : m_lines) {
        bytes += line.raw;
        bytes += line.end;
    }
    return bytes;
}

const ProfileText::Index &ProfileText::index() const
{
    if (m_index)
        return *m_index;
    auto built = std::make_shared<Index>();
    // Keys count only in the first section of a name, as value() reads them.
    int header = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines[i];
        if (line.kind == Kind::Section) {
            header = -1;
            if (line.name.isEmpty())
                continue;
            const QString folded = foldedKey(line.name);
            if (!built->sections.contains(folded)) {
                built->sections.insert(folded, i);
                built->keys.insert(i, {});
                header = i;
            }
        } else if (header >= 0 && line.kind == Kind::Key && !line.name.isEmpty()) {
            QHash<QString, int> &keys = built->keys[header];
            const QString folded = foldedKey(line.name);
            if (!keys.contains(folded))
                keys.insert(folded, i);
        }
    }
    m_index = std::move(built);
    return *m_index;
}

int ProfileText::findSection(const QString &name, int from) const
{
    const QStringView wanted = trimBlanks(name);
    if (wanted.isEmpty())
        return -1;
    // Writers look up without building the index: each of their insertions would drop it.
    if (m_index && from == 0)
        return m_index->sections.value(foldedKey(wanted), -1);
    for (int i = from; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && namesEqual(m_lines[i].name, wanted))
            return i;
    }
    return -1;
}

int ProfileText::sectionEnd(int header) const
{
    int i = header + 1;
    while (i < m_lines.size() && m_lines[i].kind != Kind::Section)
        ++i;
    return i;
}

int ProfileText::findKey(int header, const QString &name) const
{
    const QStringView wanted = trimBlanks(name);
    if (wanted.isEmpty())
        return -1;
    if (m_index) {
        const auto keys = m_index->keys.constFind(header);
        if (keys != m_index->keys.cend())
            return keys->value(foldedKey(wanted), -1);
    }
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Kind::Key && namesEqual(m_lines[i].name, wanted))
            return i;
    }
    return -1;
}

std::optional<QString> ProfileText::value(const QString &section, const QString &key) const
{
    index();
    const int header = findSection(section);
    if (header < 0)
        return std::nullopt;
    const int line = findKey(header, key);
    if (line < 0)
        return std::nullopt;
    return m_lines[line].value;
}

bool ProfileText::hasSection(const QString &section) const
{
    index();
    return findSection(section) >= 0;
}

QStringList ProfileText::sectionNames() const
{
    QStringList names;
    QSet<QString> seen;
    for (const Line &line : m_lines) {
        if (line.kind != Kind::Section || line.name.isEmpty())
            continue;
        const QString folded = foldedKey(line.name);
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        names.append(line.name);
    }
    return names;
}

QStringList ProfileText::keyNames(const QString &section) const
{
    QStringList names;
    index();
    const int header = findSection(section);
    if (header < 0)
        return names;
    QSet<QString> seen;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const Line &line = m_lines[i];
        if (line.kind != Kind::Key || line.name.isEmpty())
            continue;
        const QString folded = foldedKey(line.name);
        if (seen.contains(folded))
            continue;
        seen.insert(folded);
        names.append(line.name);
    }
    return names;
}

void ProfileText::terminateLine(int index)
{
    if (index >= 0 && index < m_lines.size() && m_lines[index].end.isEmpty())
        m_lines[index].end = CrLf;
}

bool ProfileText::setValue(const QString &section, const QString &key, const QString &value,
                           QString *error)
{
    const QString sectionName = trimBlanks(section).toString();
    const QString keyName = trimBlanks(key).toString();
    if (sectionName.isEmpty())
        return fail(error, QStringLiteral("セクション名が空です。"));
    if (keyName.isEmpty())
        return fail(error, QStringLiteral("キー名が空です。"));
    if (hasLineBreakOrNul(sectionName) || hasLineBreakOrNul(keyName) || hasLineBreakOrNul(value))
        return fail(error, QStringLiteral("改行を含む名前や値は INI ファイルに書き込めません。"));
    // A key that the reader would take for a header or a comment, or cut at its "=",
    // could never be read back.
    if (keyName.contains(u'=') || keyName.front() == u'[' || keyName.front() == u';')
        return fail(error, QStringLiteral("キー名「%1」は INI ファイルに書き込めません。").arg(keyName));

    // The reader drops blanks and one pair of enclosing quotes; enclose such a value in
    // quotes of its own so that it reads back as given.
    QString stored = value;
    if (!value.isEmpty()
        && (isBlank(value.front()) || isBlank(value.back())
            || (value.size() >= 2 && isQuote(value.front()) && value.back() == value.front())))
        stored = u'"' + value + u'"';

    QByteArray keyBytes;
    if (!encodeLine(keyName + u'=' + stored, keyBytes, error))
        return false;
    // Parsed back from its bytes, so that the text holds what a later read of the file sees.
    // A stray lead byte can pair with the byte written after it, so what is read back may
    // differ from what was given; such a write would be lost, so it is refused.
    Line keyLine = parseLine(keyBytes, CrLf);
    if (keyLine.kind != Kind::Key || keyLine.name != keyName)
        return fail(error, QStringLiteral("キー名「%1」は INI ファイルに書き込んでも読み戻せないため書き込めません。").arg(keyName));
    if (keyLine.value != value)
        return fail(error, QStringLiteral("値「%1」は INI ファイルに書き込んでも読み戻せないため書き込めません。").arg(value));

    const int header = findSection(sectionName);
    if (header >= 0) {
        const int existing = findKey(header, keyName);
        if (existing >= 0) {
            keyLine.end = m_lines[existing].end;
            m_lines[existing] = keyLine;
            return true;
        }
        int after = header;
        const int end = sectionEnd(header);
        for (int i = header + 1; i < end; ++i) {
            if (m_lines[i].kind == Kind::Key)
                after = i;
        }
        terminateLine(after);
        m_lines.insert(after + 1, keyLine);
        dropIndex();
        return true;
    }

    QByteArray headerBytes;
    if (!encodeLine(u'[' + sectionName + u']', headerBytes, error))
        return false;
    // A name ending in a stray lead byte pairs with the "]".
    Line headerLine = parseLine(headerBytes, CrLf);
    if (headerLine.kind != Kind::Section || headerLine.name != sectionName)
        return fail(error, QStringLiteral("セクション名「%1」は INI ファイルに書き込んでも読み戻せないため書き込めません。").arg(sectionName));
    terminateLine(int(m_lines.size()) - 1);
    m_lines.append(headerLine);
    m_lines.append(keyLine);
    dropIndex();
    return true;
}

bool ProfileText::eraseSection(const QString &section)
{
    bool removed = false;
    int header = findSection(section);
    while (header >= 0) {
        m_lines.remove(header, sectionEnd(header) - header);
        dropIndex();
        removed = true;
        header = findSection(section, header);
    }
    return removed;
}

std::optional<int> ProfileText::parseInteger(QStringView text)
{
    QStringView s = trimBlanks(text);
    bool negative = false;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        negative = s.front() == u'-';
        s = s.mid(1);
    }
    int base = 10;
    if (s.startsWith(u'$')) {
        base = 16;
        s = s.mid(1);
    } else if (s.startsWith(u"0x") || s.startsWith(u"0X")) {
        base = 16;
        s = s.mid(2);
    }
    if (s.isEmpty())
        return std::nullopt;

    quint64 magnitude = 0;
    const quint64 limit = base == 16 ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    for (QChar c : s) {
        const char16_t u = c.unicode();
        int digit;
        if (u >= '0' && u <= '9')
            digit = u - '0';
        else if (base == 16 && u >= 'a' && u <= 'f')
            digit = u - 'a' + 10;
        else if (base == 16 && u >= 'A' && u <= 'F')
            digit = u - 'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * quint64(base) + quint64(digit);
        if (magnitude > limit)
            return std::nullopt;
    }
    // Hexadecimal fills the 32 bits of the integer, as the Delphi reader does.
    quint32 bits = quint32(magnitude);
    if (negative)
        bits = 0u - bits;
    return int(qint32(bits));
}

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

// The text of one INI file (CP932), parsed the way the Windows profile functions read
// it, and changed so that every line not written stays byte for byte as it was.
//
// Reading: "[name]" lines are section headers (name up to the last "]", blanks around
// it dropped); "key=value" lines are keys (key before the first "=", blanks dropped;
// value after it, blanks and one pair of enclosing " or ' quotes dropped); lines starting
// with ";" are comments; anything else is kept but ignored. Names match without regard to
// ASCII case; the first matching section and, in it, the first matching key win. Lines
// above the first header belong to no section. Lines may end in CR LF, LF or a lone CR.
//
// Writing: lines the store adds end in CR LF; a rewritten key line keeps its own line end;
// a last line without a line end gets CR LF when something is added after it. Nothing
// else changes, so a file that used CR LF comes back identical apart from the keys written.
class ProfileText
{
public:
    ProfileText() = default;
    explicit ProfileText(QByteArrayView bytes);

    QByteArray toBytes() const;

    std::optional<QString> value(const QString &section, const QString &key) const;
    bool hasSection(const QString &section) const;
    // Each name once, spelled as first met, in file order.
    QStringList sectionNames() const;
    QStringList keyNames(const QString &section) const;

    // Replaces the first matching key line of the first matching section, or adds the key
    // after the section's last key line, or adds the section at the end. Names are written
    // as the caller spells them. A value that would not read back as given (blanks at
    // either end, or enclosed in a pair of quotes) is written inside double quotes, which
    // the reader removes again. Refuses, leaving the text unchanged, names or values that
    // cannot be stored: line breaks, an "=" in a key, characters without a CP932 code, and
    // anything that would read back otherwise (a stray lead byte pairing with the next byte).
    bool setValue(const QString &section, const QString &key, const QString &value,
                  QString *error = nullptr);
    // Removes every section of that name: its header and all lines up to the next header.
    // Returns whether anything was removed.
    bool eraseSection(const QString &section);

    // An integer as Delphi's StrToIntDef takes it: blanks around, optional sign, decimal
    // digits or hexadecimal after "$" or "0x"; decimal must fit an int, hexadecimal may use
    // all 32 bits (so "$FFFFFFFF" is -1). Anything else gives no value.
    static std::optional<int> parseInteger(QStringView text);

private:
    enum class Kind { Blank, Comment, Section, Key, Other };
    struct Line
    {
        QByteArray raw; // the line's bytes without its line end
        QByteArray end; // "\r\n", "\n", "\r", or empty for a last line without one
        Kind kind = Kind::Other;
        QString name;   // section or key name
        QString value;  // key value as read
    };

    // Where the first section of each name and, in it, the first key of each name are:
    // a file with thousands of sections is looked up without a scan per key.
    struct Index
    {
        QHash<QString, int> sections;         // folded name -> header line
        QHash<int, QHash<QString, int>> keys; // header line -> folded key name -> key line
    };

    static Line parseLine(const QByteArray &raw, const QByteArray &end);
    // Built by the first lookup after a change of the lines; changes that move lines drop it.
    const Index &index() const;
    void dropIndex() { m_index.reset(); }
    int findSection(const QString &name, int from = 0) const;
    int sectionEnd(int header) const; // index after the section's last line
    int findKey(int header, const QString &name) const;
    void terminateLine(int index);

    QList<Line> m_lines;
    mutable std::shared_ptr<const Index> m_index;
};

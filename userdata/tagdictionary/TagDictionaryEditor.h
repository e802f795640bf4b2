#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The dictionary editor's working copy of Template.tag and its operations. Here a
// block's marker lines are whole lines, compared without regard to the case of ASCII
// letters; the closing line is the first one after the opening line.
class TagDictionaryEditor
{
public:
    // Something the user is told, in the order it happened.
    struct Notice
    {
        enum class Kind {
            IndexOfError, // a block without its closing line; snapshot is the working copy then
            NotFound,     // a block to remove is missing; subject is its opening line
            Duplicate,    // the tag to add is listed; subject is its name
            DeleteFailed, // no tag list to delete from; subject is the name
            EmptyName,    // nothing to add but blanks
            ReservedName, // the name of the tag list's own markers; subject is the name
            NotATagName,  // blanks, "<", ">" or "/" in the name; subject is the name
            Unencodable,  // characters Template.tag (Shift-JIS) cannot hold; subject lists them
        };
        Kind kind;
        QString subject;
        QStringList snapshot;
        QString text() const;
    };

    explicit TagDictionaryEditor(QStringList lines = {});

    const QStringList &lines() const { return lines_; }
    // What TagListBox shows: the tag list block's names, sorted, as they were at the start,
    // with the names added and deleted since.
    const QStringList &names() const { return names_; }
    // The notices of the last call (the constructor's included).
    const QList<Notice> &notices() const { return notices_; }

    // The content of the attribute block of name (selecting a tag).
    QStringList attributes(const QString &name);
    // typed: TagEdit's text. False when nothing changed.
    bool add(const QString &typed);
    // name: the selected entry. False when the working copy did not change; the name stays listed then.
    bool remove(const QString &name);
    // Replaces the attribute block of name by the lines of text, trimmed, upper-cased, without
    // empty ones and sorted; gives those lines (for the option box), or nothing when text is
    // empty or refused (characters the file cannot hold), the working copy unchanged then.
    std::optional<QStringList> update(const QString &name, const QString &text);

    // First line at or after from equal to line without regard to ASCII case; -1 if none.
    qsizetype find(QStringView line, qsizetype from = 0) const;

    // Sorted without regard to case.
    static void sortNames(QStringList &names);
    // Blanks and control characters off both ends.
    static QString trimmed(QStringView text);
    // The characters of text that Shift-JIS cannot hold, each once, in order.
    static QString unencodable(QStringView text);

private:
    enum class Found { Whole, NoOpening, NoClosing };
    struct Block
    {
        Found found = Found::NoOpening;
        qsizetype open = -1;
        qsizetype close = -1;
    };
    Block locate(const QString &name) const;
    // The block's content; an IndexOf notice when it has no closing line.
    QStringList content(const QString &name);
    // Deletes the block, markers included; a NotFound notice when it is not whole.
    Found removeBlock(const QString &name);
    void changed() { indexed_ = false; }

    QStringList lines_;
    QStringList names_;
    QList<Notice> notices_;
    mutable bool indexed_ = false;
    mutable QHash<QString, QList<qsizetype>> index_;
};

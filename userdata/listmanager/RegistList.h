#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the list manager: the text it shows and what the entry carries besides
// (a custom tag's head and foot; nothing for titles and file paths).
struct RegistEntry
{
    QString title;
    QStringList data;
    bool operator==(const RegistEntry &) const = default;
};

// The list manager's working list. Moves wrap around: Up on the first entry sends it to
// the end, Down on the last to the top. Every operation returns the index the selection
// follows to (-1 for none).
class RegistList
{
public:
    int size() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.isEmpty(); }
    const RegistEntry &at(int index) const { return entries_.at(index); }
    const QList<RegistEntry> &entries() const { return entries_; }
    QStringList titles() const;
    bool containsTitle(const QString &title) const;

    void clear() { entries_.clear(); }
    int append(const RegistEntry &entry);
    int replace(int index, const RegistEntry &entry);
    // The selection goes to the entry before the removed one (none when the first went),
    // or to the only one left.
    int remove(int index);
    int moveUp(int index);
    int moveDown(int index);

private:
    bool valid(int index) const { return index >= 0 && index < size(); }

    QList<RegistEntry> entries_;
};

#include "userdata/listmanager/RegistList.h"

QStringList RegistList::titles() const
{
    QStringList result;
    result.reserve(entries_.size());
    for (const RegistEntry &e : entries_)
        result.append(e.title);
    return result;
}

bool RegistList::containsTitle(const QString &title) const
{
    for (const RegistEntry &e : entries_) {
        if (e.title == title)
            return true;
    }
    return false;
}

int RegistList::append(const RegistEntry &entry)
{
    entries_.append(entry);
    return size() - 1;
}

int RegistList::replace(int index, const RegistEntry &entry)
{
    if (!valid(index))
        return -1;
    entries_[index] = entry;
    return index;
}

int RegistList::remove(int index)
{
    if (!valid(index))
        return -1;
    entries_.removeAt(index);
    if (entries_.size() == 1)
        return 0;
    return index - 1;
}

int RegistList::moveUp(int index)
{
    if (!valid(index))
        return -1;
    if (index > 0) {
        entries_.swapItemsAt(index, index - 1);
        return index - 1;
    }
    entries_.append(entries_.takeFirst());
    return size() - 1;
}

int RegistList::moveDown(int index)
{
    if (!valid(index))
        return -1;
    if (index < size() - 1) {
        entries_.swapItemsAt(index, index + 1);
        return index + 1;
    }
    entries_.prepend(entries_.takeLast());
    return 0;
}

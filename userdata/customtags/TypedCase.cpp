#include "userdata/customtags/TypedCase.h"

#include "editing/AsciiCase.h"

#include <algorithm>

QString TypedCase::apply(const QString &before, const QString &after, Mode mode)
{
    if (mode == AsTyped)
        return after;
    // The edit replaced what lies between the parts both texts share at their ends.
    const qsizetype shortest = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shortest && before.at(head) == after.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < shortest - head && before.at(before.size() - 1 - tail) == after.at(after.size() - 1 - tail))
        ++tail;
    const qsizetype inserted = after.size() - head - tail;
    if (inserted <= 0)
        return after;
    QString result = after;
    result.replace(head, inserted, AsciiCase::convert(QStringView(after).mid(head, inserted), mode == Upper));
    return result;
}

#pragma once

#include <QString>

// Entries of the rebuilt user data submenus are captioned "&" + number + " " + name, so
// that the first nine get the access keys 1 to 9; a click takes the name back from the caption.
class MenuCaption
{
public:
    static QString entry(int number, const QString &name);
    // Everything after the first space: the number is cut, a name's own spaces stay.
    static QString nameOf(const QString &caption);
};

#pragma once

#include <QString>

// The case radios of the custom tag entry act on what comes into a field (typed or pasted),
// never on what the field holds already: a stored attribute value keeps its case.
class TypedCase
{
public:
    enum Mode { AsTyped, Upper, Lower };

    // after: a field's text after one edit of before. The characters the edit put in take
    // mode's case; the rest stays as it was.
    static QString apply(const QString &before, const QString &after, Mode mode);
};

#pragma once

#include <QString>
#include <QStringView>

#include <optional>

struct EditContext;

// Tools that rewrite the selected text itself. Each does nothing without a
// selection; the result goes in through the undo snapshot. A selection that ends in
// line breaks keeps one of them; the other blanks at its end go.
class SelectionTools
{
public:
    // The whole selection, tags and text alike, to upper or lower case (single-byte letters only).
    static bool toUpperCase(const EditContext &context);
    static bool toLowerCase(const EditContext &context);
    // Replaces a selection that is one element by its inner text.
    static bool removeTagPair(const EditContext &context);

    // The inner text of the outermost tag pair: the selection without its leading
    // and trailing blanks must end in a closing tag (its ">" last) whose "<" + name
    // occurs earlier; everything up to the first ">" and the closing tag go. The
    // line breaks among the selection's trailing blanks follow the inner text.
    // No value otherwise (names are compared exactly, so <b>x</B> is left alone).
    static std::optional<QString> stripTagPair(QStringView selection);
};

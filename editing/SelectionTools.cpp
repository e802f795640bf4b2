#include "editing/SelectionTools.h"

#include "editing/AsciiCase.h"
#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/TagInserter.h"

namespace {

bool isBlank(QChar c) { return c.unicode() <= 32; }

// A selection that ends in line breaks keeps exactly one of them: the blanks and breaks
// after its last text go, one break comes back.
QString oneEndingBreak(const QString &text)
{
    if (!text.endsWith(QLatin1Char('\n')))
        return text;
    qsizetype end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return text.left(end) + QLatin1Char('\n');
}

bool convertSelection(const EditContext &context, bool toUpper)
{
    if (context.box.selLength() <= 0)
        return false;
    TagInserter(context).RewriteSelection(oneEndingBreak(AsciiCase::convert(context.box.selectedText(), toUpper)));
    return true;
}

} // namespace

bool SelectionTools::toUpperCase(const EditContext &context)
{
    return convertSelection(context, true);
}

bool SelectionTools::toLowerCase(const EditContext &context)
{
    return convertSelection(context, false);
}

bool SelectionTools::removeTagPair(const EditContext &context)
{
    if (context.box.selLength() <= 0)
        return false;
    const std::optional<QString> inner = stripTagPair(context.box.selectedText());
    if (!inner)
        return false;
    TagInserter(context).RewriteSelection(*inner);
    return true;
}

std::optional<QString> SelectionTools::stripTagPair(QStringView selection)
{
    qsizetype from = 0;
    qsizetype to = selection.size();
    while (from < to && isBlank(selection[from]))
        ++from;
    while (to > from && isBlank(selection[to - 1]))
        --to;
    const QStringView t = selection.mid(from, to - from);
    const QStringView trailing = selection.mid(to);

    const qsizetype close = t.lastIndexOf(u"</");
    if (close < 0)
        return std::nullopt; // with nothing before the closing tag no name can occur earlier
    const QStringView before = t.left(close + 1); // up to and including the "<" of "</"
    const QStringView rest = t.mid(close + 1);    // "/NAME>"
    if (!rest.endsWith(QLatin1Char('>')))
        return std::nullopt; // text after the closing tag would be lost with it
    const QString name = QLatin1Char('<') + (rest.size() >= 2 ? rest.mid(1, rest.size() - 2) : QStringView());
    if (!before.contains(name))
        return std::nullopt;
    const qsizetype gt = before.indexOf(QLatin1Char('>'));
    if (gt < 0)
        return std::nullopt; // no start tag ends before the closing tag
    QString result = before.mid(gt + 1).chopped(1).toString();
    if (trailing.contains(QLatin1Char('\n')))
        result += QLatin1Char('\n');
    return result;
}

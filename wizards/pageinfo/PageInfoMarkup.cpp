#include "wizards/pageinfo/PageInfoMarkup.h"

#include "editing/CharsetDeclaration.h"

#include "editing/AsciiCase.h"
#include "editing/BodyTag.h"
#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/RangeEdit.h"
#include "editing/TagAttributes.h"
#include "editing/UndoSnapshot.h"

#include <QList>

#include <algorithm>
#include <functional>

namespace {

bool isBlank(QChar c) { return c.unicode() <= 32; }

// One META tag on one line: [start, end), end just after its ">" (or the line's end
// when the tag goes on past it).
struct MetaTag
{
    int line = -1;
    qsizetype start = 0;
    qsizetype end = 0;
};

qsizetype attributeEnd(const TagAttributes::Attribute &a)
{
    if (a.valueStart < 0)
        return a.nameStart + a.name.size();
    return a.quote.isNull() || !a.closed ? a.valueEnd : a.valueEnd + 1;
}

// The end of the tag whose attributes start at from; quoted values may hold a ">".
qsizetype tagEnd(QStringView line, qsizetype from)
{
    const QList<TagAttributes::Attribute> attributes = TagAttributes::parse(line, from);
    qsizetype i = from;
    for (const TagAttributes::Attribute &a : attributes)
        i = std::max(i, attributeEnd(a));
    // After the last attribute only blanks and stray "=" the attributes pass over can stand.
    while (i < line.size() && (isBlank(line[i]) || line[i] == QLatin1Char('=')))
        ++i;
    if (i < line.size() && line[i] == QLatin1Char('>'))
        return i + 1;
    return line.size();
}

MetaTag findMeta(const QStringList &lines, const std::function<bool(QStringView)> &matches)
{
    static const QString open = QStringLiteral("<META");
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        qsizetype p = PageInfoMarkup::startTagIn(line, open);
        while (p >= 0) {
            const qsizetype end = tagEnd(line, p + open.size());
            if (matches(QStringView(line).mid(p, end - p)))
                return {i, p, end};
            // Past the whole tag: a quoted value may hold text that looks like a tag.
            const qsizetype next = PageInfoMarkup::startTagIn(QStringView(line).mid(end), open);
            p = next < 0 ? -1 : end + next;
        }
    }
    return {};
}

// The value of an attribute of a tag as written between its quotes (or unquoted).
QString valueOf(QStringView tag, QStringView upperName)
{
    const QList<TagAttributes::Attribute> attributes = TagAttributes::parse(tag, 5);
    const TagAttributes::Attribute *a = TagAttributes::find(attributes, upperName);
    if (!a || a->valueStart < 0)
        return QString();
    return tag.mid(a->valueStart, a->valueEnd - a->valueStart).toString();
}

// The CONTENT value of a META tag as written between its quotes.
QString contentOf(QStringView tag)
{
    return valueOf(tag, u"CONTENT");
}

// A META tag is known by the value of its NAME attribute, any letter case, blanks around
// it ignored: a word elsewhere in the tag (keywords that say "author") does not count.
bool named(QStringView tag, QStringView upperName)
{
    const QString name = valueOf(tag, u"NAME");
    return AsciiCase::upper(QStringView(name).trimmed()) == upperName;
}

bool isAuthorMeta(QStringView tag) { return named(tag, u"AUTHOR"); }
bool isKeywordsMeta(QStringView tag) { return named(tag, u"KEYWORDS"); }
bool isSoftwareMeta(QStringView tag) { return named(tag, u"EDITOR") || named(tag, u"GENERATOR"); }

int firstContaining(const QStringList &lines, QStringView pattern)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (AsciiCase::contains(lines[i], pattern))
            return i;
    }
    return -1;
}

int firstStartTag(const QStringList &lines, QStringView openName)
{
    for (int i = 0; i < lines.size(); ++i) {
        if (PageInfoMarkup::startTagIn(lines[i], openName) >= 0)
            return i;
    }
    return -1;
}

// A quote inside a value would end the attribute early.
QString attributeValue(const QString &value)
{
    QString v = value;
    return v.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
}

const QString BodyOpen = QStringLiteral("<BODY");

// The BODY start tag at open with the managed attributes set to values: those equal
// to what is written stay as they are, others are rewritten in place or removed,
// and new ones follow the tag's last attribute. Everything else on the line stays.
QString rewriteBody(const QString &line, qsizetype open, qsizetype end, const PageInfoMarkup::BodyValues &values,
                    int tagCase)
{
    struct Edit
    {
        qsizetype start;
        qsizetype length;
        QString text;
    };
    const qsizetype afterName = open + BodyOpen.size();
    const QList<TagAttributes::Attribute> attributes = TagAttributes::parse(QStringView(line).left(end), afterName);
    qsizetype insertAt = afterName;
    for (const TagAttributes::Attribute &a : attributes)
        insertAt = std::max(insertAt, attributeEnd(a));

    QList<Edit> edits;
    QString added;
    for (int item = 0; item < PageInfoMarkup::BodyItemCount; ++item) {
        const QString name = PageInfoMarkup::bodyAttributeName(item);
        const TagAttributes::Attribute *a = TagAttributes::find(attributes, name);
        const std::optional<QString> &value = values[item];
        if (!a) {
            if (value)
                added += AsciiCase::forSetting(QString(QLatin1Char(' ') + name + QStringLiteral("=\"")), tagCase)
                         + attributeValue(*value) + QLatin1Char('"');
            continue;
        }
        const qsizetype attributeStop = attributeEnd(*a);
        if (!value) {
            qsizetype start = a->nameStart;
            while (start > afterName && isBlank(line[start - 1]))
                --start;
            edits.append({start, attributeStop - start, QString()});
            continue;
        }
        const QString written = a->valueStart < 0 ? QString() : line.mid(a->valueStart, a->valueEnd - a->valueStart);
        if (written == *value)
            continue;
        if (!a->quote.isNull() && a->closed) {
            QString v = *value;
            if (a->quote == QLatin1Char('\''))
                v.replace(QLatin1Char('\''), QStringLiteral("&#39;"));
            else
                v = attributeValue(v);
            edits.append({a->valueStart, a->valueEnd - a->valueStart, v});
        } else {
            // Unquoted, without a value or with no closing quote: written anew, the name as it was.
            edits.append({a->nameStart, attributeStop - a->nameStart,
                          line.mid(a->nameStart, a->name.size()) + QStringLiteral("=\"") + attributeValue(*value)
                              + QLatin1Char('"')});
        }
    }
    if (!added.isEmpty())
        edits.append({insertAt, 0, added});
    // From the back, so that the earlier positions still hold; an insertion at the end
    // of a removed attribute goes first.
    std::sort(edits.begin(), edits.end(), [](const Edit &x, const Edit &y) { return x.start > y.start; });
    QString result = line;
    for (const Edit &e : std::as_const(edits))
        result.replace(e.start, e.length, e.text);
    return result;
}

// The page's BODY tag in the lines: the lines it spans, and where it starts and ends in
// the text of those lines joined with line breaks.
struct BodyPlace
{
    int first = -1;
    int last = -1;
    qsizetype start = 0;
    qsizetype end = 0;
    QString text(const QStringList &lines) const { return lines.mid(first, last - first + 1).join(QLatin1Char('\n')); }
};

BodyPlace findBody(const QStringList &lines)
{
    const std::optional<BodyTag::Span> span = BodyTag::find(lines.join(QLatin1Char('\n')));
    BodyPlace b;
    if (!span)
        return b;
    qsizetype lineStart = 0;
    qsizetype firstStart = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const qsizetype lineEnd = lineStart + lines[i].size();
        if (b.first < 0 && span->start <= lineEnd) {
            b.first = i;
            firstStart = lineStart;
        }
        if (b.first >= 0 && span->end <= lineEnd) {
            b.last = i;
            break;
        }
        lineStart = lineEnd + 1;
    }
    b.start = span->start - firstStart;
    b.end = span->end - firstStart;
    return b;
}

} // namespace

QString PageInfoMarkup::bodyAttributeName(int item)
{
    static const char *const names[BodyItemCount] = {"BGCOLOR", "BACKGROUND", "TEXT", "LINK", "VLINK", "ALINK"};
    return QLatin1String(names[item]);
}

qsizetype PageInfoMarkup::startTagIn(QStringView line, QStringView openName)
{
    qsizetype p = AsciiCase::indexOf(line, openName);
    while (p >= 0) {
        const qsizetype after = p + openName.size();
        if (after == line.size() || isBlank(line[after]) || line[after] == QLatin1Char('>'))
            return p;
        p = AsciiCase::indexOf(line, openName, after);
    }
    return -1;
}

QStringList PageInfoMarkup::linesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

PageInfoMarkup::PageInfo PageInfoMarkup::read(const QStringList &lines)
{
    PageInfo info;
    const int titleLine = firstContaining(lines, u"<TITLE>");
    if (titleLine >= 0) {
        const QString &line = lines[titleLine];
        const qsizetype from = AsciiCase::indexOf(line, u"<TITLE>") + 7;
        const qsizetype to = AsciiCase::indexOf(line, u"</TITLE>", from);
        if (to >= 0)
            info.title = line.mid(from, to - from);
    }
    const MetaTag author = findMeta(lines, isAuthorMeta);
    if (author.line >= 0) {
        info.authorFound = true;
        info.author = contentOf(QStringView(lines[author.line]).mid(author.start, author.end - author.start));
    }
    const MetaTag keywords = findMeta(lines, isKeywordsMeta);
    if (keywords.line >= 0)
        info.keywords = contentOf(QStringView(lines[keywords.line]).mid(keywords.start, keywords.end - keywords.start));

    const BodyPlace body = findBody(lines);
    if (body.first >= 0) {
        const QString line = body.text(lines);
        const QList<TagAttributes::Attribute> attributes =
            TagAttributes::parse(QStringView(line).left(body.end), body.start + BodyOpen.size());
        for (int item = 0; item < BodyItemCount; ++item) {
            if (const TagAttributes::Attribute *a = TagAttributes::find(attributes, bodyAttributeName(item)))
                info.body[item] = a->valueStart < 0 ? QString() : line.mid(a->valueStart, a->valueEnd - a->valueStart);
        }
    }
    return info;
}

PageInfoMarkup::Fields PageInfoMarkup::unchanged(const PageInfo &info)
{
    Fields f;
    f.title = info.title;
    f.author = info.authorFound;
    f.authorText = info.author;
    f.keywords = !info.keywords.isEmpty();
    f.keywordsText = info.keywords;
    f.body = info.body;
    return f;
}

QStringList PageInfoMarkup::rebuild(const QStringList &lines, const Fields &fields, int tagCase)
{
    auto cased = [tagCase](QStringView s) { return AsciiCase::forSetting(s, tagCase); };
    QStringList w = lines;

    // The BODY tag first, as the page has it: a TITLE or HEAD line added below could
    // otherwise close an element left open above it and hide the tag.
    const BodyPlace body = findBody(w);
    if (body.first >= 0) {
        // A tag over several lines is rewritten as one; removing an attribute may join lines.
        const QString tag = body.text(w);
        const QString rewritten = rewriteBody(tag, body.start, body.end, fields.body, tagCase);
        if (rewritten != tag) {
            w.remove(body.first, body.last - body.first + 1);
            const QStringList pieces = rewritten.split(QLatin1Char('\n'));
            for (qsizetype i = 0; i < pieces.size(); ++i)
                w.insert(body.first + i, pieces[i]);
        }
    }

    if (firstStartTag(w, u"<HTML") < 0)
        w.prepend(cased(u"<HTML>"));
    if (firstContaining(w, u"</BODY>") < 0) {
        // Before the page's end tag: the last "</HTML>", on a line of its own when it
        // starts its line, else just before it on its line.
        int htmlEnd = -1;
        for (int i = int(w.size()) - 1; i >= 0 && htmlEnd < 0; --i) {
            if (AsciiCase::contains(w[i], u"</HTML>"))
                htmlEnd = i;
        }
        if (htmlEnd < 0) {
            w.append(cased(u"</BODY>"));
        } else {
            QString &line = w[htmlEnd];
            qsizetype at = AsciiCase::indexOf(line, u"</HTML>");
            for (qsizetype next = at; next >= 0; next = AsciiCase::indexOf(line, u"</HTML>", next + 1))
                at = next;
            if (QStringView(line).left(at).trimmed().isEmpty())
                w.insert(htmlEnd, cased(u"</BODY>"));
            else
                line.insert(at, cased(u"</BODY>"));
        }
    }
    if (firstContaining(w, u"</HTML>") < 0)
        w.append(cased(u"</HTML>"));

    if (fields.titleEdited || fields.author || fields.keywords || fields.software || !fields.charset.isEmpty()) {
        // Also after a replaced title or META tag that held a frame tag in its text.
        auto ensureHead = [&w, &cased] {
            int head = firstStartTag(w, u"<HEAD");
            if (head < 0) {
                head = firstStartTag(w, u"<HTML") + 1;
                w.insert(head, cased(u"<HEAD>"));
            }
            if (firstContaining(w, u"</HEAD>") < 0)
                w.insert(head + 1, cased(u"</HEAD>"));
            return head;
        };
        ensureHead();

        if (fields.titleEdited) {
            const QString element = cased(u"<TITLE>") + fields.title + cased(u"</TITLE>");
            bool replaced = false;
            for (QString &line : w) {
                const qsizetype from = AsciiCase::indexOf(line, u"<TITLE>");
                const qsizetype to = from < 0 ? -1 : AsciiCase::indexOf(line, u"</TITLE>", from + 7);
                if (to >= 0) {
                    line.replace(from, to + 8 - from, element);
                    replaced = true;
                    break;
                }
            }
            if (!replaced)
                w.insert(ensureHead() + 1, element);
        }

        // A tag whose content already is the one wanted stays as written.
        auto putMeta = [&w, &ensureHead](bool (*matches)(QStringView), const QString &tag, const QString &content) {
            const MetaTag found = findMeta(w, matches);
            if (found.line < 0) {
                ensureHead();
                w.insert(firstContaining(w, u"</HEAD>"), tag);
                return;
            }
            QString &line = w[found.line];
            if (contentOf(QStringView(line).mid(found.start, found.end - found.start)) != content)
                line.replace(found.start, found.end - found.start, tag);
        };
        if (fields.author) {
            putMeta(isAuthorMeta,
                    cased(u"<META NAME") + QStringLiteral("=\"Author\" ") + cased(u"CONTENT=\"")
                        + attributeValue(fields.authorText) + QStringLiteral("\">"),
                    fields.authorText);
        }
        if (fields.keywords) {
            putMeta(isKeywordsMeta,
                    cased(u"<META NAME=\"") + QStringLiteral("Keywords\" ") + cased(u"CONTENT=\"")
                        + attributeValue(fields.keywordsText) + QStringLiteral("\">"),
                    fields.keywordsText);
        }
        if (!fields.charset.isEmpty()) {
            // The declaration the head has, whatever its form; else a Content-Type META first
            // in the head, where browsers look for it.
            const int headEnd = firstContaining(w, u"</HEAD>");
            bool declared = false;
            for (int i = 0; i < headEnd && !declared; ++i) {
                if (const auto found = CharsetDeclaration::find(w[i])) {
                    if (found->value != fields.charset)
                        w[i].replace(found->start, found->length, fields.charset);
                    declared = true;
                }
            }
            if (!declared) {
                w.insert(ensureHead() + 1, cased(u"<META HTTP-EQUIV") + QStringLiteral("=\"Content-Type\" ") +
                                               cased(u"CONTENT=\"") + QStringLiteral("text/html; charset=") +
                                               fields.charset + QStringLiteral("\">"));
            }
        }
        if (fields.software) {
            putMeta(isSoftwareMeta,
                    cased(u"<META NAME") + QStringLiteral("=\"Editor\" ") + cased(u"CONTENT=\"") + QStringLiteral("Tagwell\">"),
                    QStringLiteral("Tagwell"));
        }
    }

    if (body.first < 0) {
        const int headEnd = firstContaining(w, u"</HEAD>");
        if (headEnd >= 0) {
            QString tag = cased(BodyOpen);
            for (int item = 0; item < BodyItemCount; ++item) {
                if (fields.body[item])
                    tag += cased(QString(QLatin1Char(' ') + bodyAttributeName(item) + QStringLiteral("=\"")))
                           + attributeValue(*fields.body[item]) + QLatin1Char('"');
            }
            w.insert(headEnd + 1, QString());
            w.insert(headEnd + 2, tag + QLatin1Char('>'));
        }
    }
    return w;
}

bool PageInfoMarkup::apply(const EditContext &context, const Fields &fields)
{
    IEditBox &box = context.box;
    const QString text = box.text();
    const QString rebuilt = rebuild(linesOf(text), fields, context.tagCase).join(QLatin1Char('\n'));
    if (rebuilt == text)
        return false;
    // The caret goes back to where the selection started.
    const int caret = box.selStart();
    context.snapshot.take(box);
    EditBoxUpdateGuard guard(box);
    RangeEdit::replace(box, 0, text, rebuilt);
    box.setSelection(std::min(caret, int(rebuilt.size())), 0);
    return true;
}

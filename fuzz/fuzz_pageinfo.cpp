// The page frame rebuild on any document and any dialog answers: it ends, adds no BODY
// start tag beyond the one it may add after "</HEAD>" when the page has none (outside
// comments, TITLE, SCRIPT and STYLE), puts a missing "</BODY>" before "</HTML>", changes
// nothing when confirmed unchanged on a page that has its whole frame, and goes back whole
// on undo. The author and keywords read come from META tags of that NAME, and a META tag
// of another NAME is never replaced.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "editing/BodyTag.h"
#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"
#include "wizards/pageinfo/PageInfoMarkup.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace {

QString lower(const QString &s)
{
    QString out = s;
    for (QChar &c : out) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    }
    return out;
}

// Start tags of that name ("<body"), counted the plain way: the name, then a blank, ">" or the line's end.
int startTags(const QStringList &lines, const QString &name)
{
    int count = 0;
    for (const QString &line : lines) {
        const QString l = lower(line);
        for (qsizetype p = l.indexOf(name); p >= 0; p = l.indexOf(name, p + 1)) {
            const qsizetype after = p + name.size();
            if (after == l.size() || l[after].unicode() <= 32 || l[after] == u'>')
                ++count;
        }
    }
    return count;
}

bool anyLineHas(const QStringList &lines, const QString &pattern)
{
    for (const QString &line : lines) {
        if (lower(line).contains(pattern))
            return true;
    }
    return false;
}

// The META tags of the lines, read the plain way: NAME (lower case, blanks around dropped)
// and CONTENT of each, and the tag's text.
struct Meta
{
    QString name;
    QString content;
    QString text;
    qsizetype at = 0; // in the lines joined with line breaks
};

QList<Meta> metaTags(const QStringList &lines)
{
    QList<Meta> metas;
    qsizetype lineStart = 0;
    for (const QString &line : lines) {
        const QString l = lower(line);
        bool named = false;
        bool contented = false;
        qsizetype p = 0;
        while ((p = l.indexOf(QStringLiteral("<meta"), p)) >= 0) {
            qsizetype i = p + 5;
            if (i < l.size() && l[i].unicode() > 32 && l[i] != u'>') {
                p = i;
                continue;
            }
            Meta m;
            while (i < l.size()) {
                while (i < l.size() && l[i].unicode() <= 32)
                    ++i;
                if (i >= l.size() || l[i] == u'>')
                    break;
                const qsizetype nameStart = i;
                while (i < l.size() && l[i].unicode() > 32 && l[i] != u'=' && l[i] != u'>')
                    ++i;
                if (i == nameStart) {
                    ++i;
                    continue;
                }
                const QString attribute = l.mid(nameStart, i - nameStart);
                const bool isName = attribute == QLatin1String("name") && !named;
                const bool isContent = attribute == QLatin1String("content") && !contented;
                named = named || isName;
                contented = contented || isContent;
                qsizetype j = i;
                while (j < l.size() && l[j].unicode() <= 32)
                    ++j;
                if (j >= l.size() || l[j] != u'=')
                    continue;
                ++j;
                while (j < l.size() && l[j].unicode() <= 32)
                    ++j;
                QString value;
                if (j < l.size() && (l[j] == u'"' || l[j] == u'\'')) {
                    const qsizetype close = l.indexOf(l[j], j + 1);
                    const qsizetype end = close < 0 ? l.size() : close;
                    value = line.mid(j + 1, end - j - 1);
                    i = close < 0 ? l.size() : close + 1;
                } else {
                    const qsizetype start = j;
                    while (j < l.size() && l[j].unicode() > 32 && l[j] != u'>')
                        ++j;
                    value = line.mid(start, j - start);
                    i = j;
                }
                if (isName)
                    m.name = lower(value).trimmed();
                if (isContent)
                    m.content = value;
            }
            if (i < l.size() && l[i] == u'>')
                ++i;
            m.text = line.mid(p, i - p);
            m.at = lineStart + p;
            metas.append(m);
            named = contented = false;
            p = i;
        }
        lineStart += line.size() + 1;
    }
    return metas;
}

int metasNamed(const QList<Meta> &metas, const QStringList &names)
{
    int n = 0;
    for (const Meta &m : metas)
        n += names.contains(m.name) ? 1 : 0;
    return n;
}

bool hasMeta(const QList<Meta> &metas, const QString &name, const QString &content)
{
    for (const Meta &m : metas) {
        if (m.name == name && m.content == content)
            return true;
    }
    return false;
}

// What the user types: no markup of their own, which the property is not about.
QString typed(FuzzInput &in)
{
    QString s = QString::fromLatin1(in.chunk(12));
    s.remove(QLatin1Char('<'));
    s.remove(QLatin1Char('\n'));
    return s;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t flags = in.byte();
    const uint8_t bodyFlags = in.byte();
    const uint8_t changeFlags = in.byte();
    const int tagCase = flags & 1;

    PageInfoMarkup::Fields f;
    f.titleEdited = flags & 2;
    f.author = flags & 4;
    f.keywords = flags & 8;
    f.software = flags & 16;
    const bool keepRead = flags & 32; // start from what the dialog read, as a user would
    f.title = typed(in);
    f.authorText = typed(in);
    f.keywordsText = typed(in);
    PageInfoMarkup::BodyValues values;
    for (int i = 0; i < PageInfoMarkup::BodyItemCount; ++i) {
        const QString v = typed(in);
        if (bodyFlags & (1 << i))
            values[i] = v;
    }

    const QString text = QString::fromUtf8(in.rest());
    const QStringList lines = PageInfoMarkup::linesOf(text);
    const PageInfoMarkup::PageInfo info = PageInfoMarkup::read(lines);
    if (keepRead) {
        // Only the items the flags name are changed.
        const PageInfoMarkup::Fields read = PageInfoMarkup::unchanged(info);
        if (!(changeFlags & 64)) {
            f.author = read.author;
            f.authorText = read.authorText;
        }
        if (!(changeFlags & 128)) {
            f.keywords = read.keywords;
            f.keywordsText = read.keywordsText;
        }
        for (int i = 0; i < PageInfoMarkup::BodyItemCount; ++i)
            f.body[i] = (changeFlags & (1 << i)) ? values[i] : read.body[i];
    } else {
        f.body = values;
    }

    // The author and keywords shown are those of a META tag of that NAME.
    const QList<Meta> metas = metaTags(lines);
    FUZZ_CHECK(info.authorFound == (metasNamed(metas, {QStringLiteral("author")}) > 0));
    if (info.authorFound)
        FUZZ_CHECK(hasMeta(metas, QStringLiteral("author"), info.author));
    if (!info.keywords.isEmpty())
        FUZZ_CHECK(hasMeta(metas, QStringLiteral("keywords"), info.keywords));

    const QStringList result = PageInfoMarkup::rebuild(lines, f, tagCase);
    const int before = startTags(lines, QStringLiteral("<body"));
    const int after = startTags(result, QStringLiteral("<body"));
    const std::optional<BodyTag::Span> body = BodyTag::find(text);
    const bool hasBody = body.has_value();
    auto inBody = [&body](qsizetype at) { return body && at >= body->start && at < body->end; };
    if (hasBody)
        FUZZ_CHECK(after <= before);
    else
        FUZZ_CHECK(after <= before + (anyLineHas(result, QStringLiteral("</head>")) ? 1 : 0));

    // A META tag of a NAME no item writes stays; the title's line is left out, which a new title replaces.
    if (!f.titleEdited) {
        const QList<Meta> metasAfter = metaTags(result);
        QStringList written;
        if (f.author)
            written << QStringLiteral("author");
        if (f.keywords)
            written << QStringLiteral("keywords");
        if (f.software)
            written << QStringLiteral("editor") << QStringLiteral("generator");
        // Text inside the BODY tag's values, holding a BODY tag of its own, or holding the
        // "</HTML>" a "</BODY>" goes before, may change.
        auto kept = [&](const Meta &m) {
            return !written.contains(m.name) && !inBody(m.at) && !lower(m.text).contains(QStringLiteral("</html>"))
                   && !lower(m.text).contains(QStringLiteral("<body"));
        };
        for (const Meta &m : metas) {
            if (!kept(m))
                continue;
            int was = 0, is = 0;
            for (const Meta &o : metas)
                was += o.text == m.text && kept(o) ? 1 : 0;
            for (const Meta &o : metasAfter)
                is += o.text == m.text ? 1 : 0;
            FUZZ_CHECK(is >= was);
        }
    }

    // A missing "</BODY>" goes before the page's "</HTML>".
    if (!anyLineHas(lines, QStringLiteral("</body>")) && anyLineHas(lines, QStringLiteral("</html>")) && !f.titleEdited
        && !f.author && !f.keywords && !f.software && !inBody(lower(text).lastIndexOf(QStringLiteral("</html>")))) {
        const QString joined = lower(result.join(QLatin1Char('\n')));
        FUZZ_CHECK(joined.indexOf(QStringLiteral("</body>")) >= 0);
        FUZZ_CHECK(joined.indexOf(QStringLiteral("</body>")) < joined.lastIndexOf(QStringLiteral("</html>")));
    }

    const bool wholeFrame = startTags(lines, QStringLiteral("<html")) > 0 && startTags(lines, QStringLiteral("<head")) > 0
                            && hasBody && anyLineHas(lines, QStringLiteral("</head>"))
                            && anyLineHas(lines, QStringLiteral("</body>")) && anyLineHas(lines, QStringLiteral("</html>"));
    if (wholeFrame)
        FUZZ_CHECK(PageInfoMarkup::rebuild(lines, PageInfoMarkup::unchanged(info), tagCase) == lines);

    // In the box: one change, undone by the snapshot.
    StringEditBox box(text);
    const int caret = int(in.number(2)) % (text.size() + 1);
    box.setSelection(caret, 0);
    UndoSnapshot snapshot;
    const EditContext context{box, snapshot, tagCase};
    const bool changed = PageInfoMarkup::apply(context, f);
    FUZZ_CHECK(box.text() == result.join(QLatin1Char('\n')));
    FUZZ_CHECK(box.changes().replaceCalls == (changed ? 1 : 0));
    FUZZ_CHECK(box.changes().callsOutsideUpdate == 0 && box.updateDepth() == 0);
    FUZZ_CHECK(box.selStart() <= box.length());
    if (changed) {
        snapshot.undo(box);
        FUZZ_CHECK(box.text() == text);
    }
    return 0;
}

// The page frame rebuild on any document and any dialog answers: it ends, adds no BODY
// start tag beyond the one it may add after "</HEAD>", changes nothing when confirmed
// unchanged on a page that has its whole frame, and goes back whole on undo.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoSnapshot.h"
#include "wizards/pageinfo/PageInfoMarkup.h"

#include <QString>
#include <QStringList>

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

    const QStringList result = PageInfoMarkup::rebuild(lines, f, tagCase);
    const int before = startTags(lines, QStringLiteral("<body"));
    const int after = startTags(result, QStringLiteral("<body"));
    if (before > 0)
        FUZZ_CHECK(after <= before);
    else
        FUZZ_CHECK(after == (anyLineHas(result, QStringLiteral("</head>")) ? 1 : 0));

    const bool wholeFrame = startTags(lines, QStringLiteral("<html")) > 0 && startTags(lines, QStringLiteral("<head")) > 0
                            && before > 0 && anyLineHas(lines, QStringLiteral("</head>"))
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

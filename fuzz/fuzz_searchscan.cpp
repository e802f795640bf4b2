// The document scans of the search, the jump lists and the link file list. Control byte,
// a keyword chunk, then the document as CP932 bytes (CR LF read as the box holds it).
//   bit 0: case distinction of the search.
// Each scan is checked against a plain line-by-line model of its rule.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "editing/AsciiCase.h"
#include "platform/Cp932Codec.h"
#include "userdata/search/DocumentSearch.h"
#include "userdata/search/JumpScan.h"
#include "wizards/links/LinkTargets.h"

#include <algorithm>

#include <QString>
#include <QStringList>

namespace {
struct ModelHit
{
    int line;
    int column;
    QString text;
};

QList<ModelHit> searchModel(const QStringList &lines, const QString &keyword, bool caseSensitive)
{
    QList<ModelHit> hits;
    if (keyword.isEmpty() || keyword.contains(QLatin1Char('\n')) || keyword.contains(QLatin1Char('\r'))
        || keyword.contains(QChar::ParagraphSeparator))
        return hits;
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        qsizetype from = 0;
        for (;;) {
            qsizetype p = caseSensitive ? line.indexOf(keyword, from) : AsciiCase::indexOf(line, keyword, from);
            while (p > 0 && line[p].isLowSurrogate() && line[p - 1].isHighSurrogate())
                p = caseSensitive ? line.indexOf(keyword, p + 1) : AsciiCase::indexOf(line, keyword, p + 1);
            if (p < 0)
                break;
            const qsizetype shown = std::max(p - 2, from);
            hits.append(ModelHit{i, int(p), line.mid(shown, DocumentSearch::RowTextLimit)});
            from = p + keyword.size();
        }
    }
    return hits;
}

void checkJumps(const QStringList &lines, const QString &text, int mode)
{
    const QString start = JumpScan::startMarker(mode);
    const QString end = JumpScan::endMarker(mode);
    const QList<JumpRow> rows = JumpScan::scan(text, mode);
    int expected = 0;
    for (const QString &line : lines) {
        for (qsizetype p = AsciiCase::indexOf(line, start); p >= 0;) {
            ++expected;
            const qsizetype e = line.indexOf(end, p + start.size());
            p = e < 0 ? -1 : AsciiCase::indexOf(line, start, e + end.size());
        }
    }
    FUZZ_CHECK(rows.size() == expected);
    int lastLine = -1;
    qsizetype lastEnd = 0;
    for (const JumpRow &row : rows) {
        FUZZ_CHECK(row.line >= 0 && row.line < lines.size());
        const QString &line = lines[row.line];
        if (row.line != lastLine)
            lastEnd = 0;
        FUZZ_CHECK(row.column >= lastEnd);
        FUZZ_CHECK(line.mid(row.column).startsWith(row.text));
        FUZZ_CHECK(AsciiCase::indexOf(row.text, start) == 0);
        FUZZ_CHECK(row.text.size() <= JumpScan::RowTextLimit);
        lastLine = row.line;
        lastEnd = row.column + start.size();
    }
}

void checkLinks(const QStringList &lines, const QString &text)
{
    const QList<LinkTarget> targets = LinkTargets::scan(text);
    int lastLine = 0;
    for (const LinkTarget &t : targets) {
        FUZZ_CHECK(t.line >= lastLine && t.line < lines.size());
        FUZZ_CHECK(LinkTargets::counts(t.target));
        FUZZ_CHECK(!t.target.contains(QLatin1Char('"')) && !t.target.contains(QLatin1Char('\n')));
        FUZZ_CHECK(AsciiCase::contains(lines[t.line], QString(QStringLiteral("HREF=\"") + t.target + QLatin1Char('"'))));
        lastLine = t.line;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const bool caseSensitive = in.byte() & 1;
    const QString keyword = Cp932Codec::decode(in.chunk(16));
    QString text = Cp932Codec::decode(in.rest());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));

    const QList<SearchHit> hits = DocumentSearch::findAll(text, keyword, caseSensitive);
    const QList<ModelHit> model = searchModel(lines, keyword, caseSensitive);
    FUZZ_CHECK(hits.size() == model.size());
    for (qsizetype i = 0; i < std::min(hits.size(), model.size()); ++i) {
        FUZZ_CHECK(hits[i].line == model[i].line);
        FUZZ_CHECK(hits[i].column == model[i].column);
        FUZZ_CHECK(DocumentSearch::rowText(text, hits[i]) == model[i].text);
    }
    qsizetype cut = text.size();
    for (QChar c : {QChar(u'\n'), QChar(u'\r'), QChar(QChar::ParagraphSeparator)}) {
        const qsizetype at = text.indexOf(c);
        if (at >= 0)
            cut = std::min(cut, at);
    }
    FUZZ_CHECK(DocumentSearch::firstLine(text) == text.left(cut));

    checkJumps(lines, text, JumpScan::Comments);
    checkJumps(lines, text, JumpScan::Links);
    checkLinks(lines, text);
    return 0;
}

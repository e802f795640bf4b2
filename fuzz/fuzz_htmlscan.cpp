// The HTML colouring's line scanner. Control byte (an entry state), then a page as UTF-8.
// Properties: the runs of a line are in order, inside it, apart and never empty; every state
// is in range; following the state alone gives the state the full scan gives; the end states
// of the whole text, split as a text document splits it, are those of its lines one by one;
// and a line break inside the text colours every other character as a blank would.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "editing/HtmlScanner.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace {

QList<int> kinds(const QString &line, int entry, int *end)
{
    QList<HtmlScanner::Run> runs;
    *end = HtmlScanner::scanLine(line, entry, &runs);
    FUZZ_CHECK(*end >= 0 && *end < HtmlScanner::StateLimit);
    FUZZ_CHECK(HtmlScanner::scanLine(line, entry) == *end);
    QList<int> out(line.size(), -1);
    int at = 0;
    for (const HtmlScanner::Run &r : runs) {
        FUZZ_CHECK(r.length > 0 && r.start >= at && r.start + r.length <= line.size());
        FUZZ_CHECK(int(r.kind) >= 0 && int(r.kind) < HtmlScanner::KindCount);
        for (int i = r.start; i < r.start + r.length; ++i)
            out[i] = int(r.kind);
        at = r.start + r.length;
    }
    return out;
}

bool blank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const int entry = in.byte();
    const QString text = QString::fromUtf8(in.rest());

    // Any entry state, any line.
    int end = 0;
    kinds(text, entry, &end);

    // Lines as a document splits them, against the whole text's table.
    QString lf = text;
    lf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    for (QChar c : {QChar(u'\r'), QChar(0x2029), QChar(0xFDD0), QChar(0xFDD1)})
        lf.replace(c, QLatin1Char('\n'));
    const QStringList lines = lf.split(QLatin1Char('\n'));
    const QByteArray ends = HtmlScanner::lineEndStates(text);
    FUZZ_CHECK(ends.size() == lines.size());
    QList<int> byLines;
    int state = HtmlScanner::TextState;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        byLines += kinds(lines[i], state, &state);
        FUZZ_CHECK(int(quint8(ends[i])) == state);
        byLines += -2; // the line break
    }

    // The same text with its line breaks as blanks, read as one line.
    const QList<int> whole = kinds(lines.join(QLatin1Char(' ')), HtmlScanner::TextState, &end);
    FUZZ_CHECK(whole.size() + 1 == byLines.size());
    const QString joined = lines.join(QLatin1Char(' '));
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (byLines[i] != -2 && !blank(joined[i]))
            FUZZ_CHECK(byLines[i] == whole[i]);
    }
    return 0;
}

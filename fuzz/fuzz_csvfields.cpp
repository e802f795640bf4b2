// The CSV reading of the table wizard. Control byte, then CP932 bytes as a file would hold them.
//   bit 0 clear: the text's lines, fields and grid against their rules, and the capped grid
//                the wizard takes in (caps from bits 1-6: small ones, or the wizard's 100 x 100);
//   bit 0 set:   the text cut at every '|' into fields, written quoted and read back.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "platform/Cp932Codec.h"
#include "wizards/tables/CsvFields.h"

#include <algorithm>

#include <QString>
#include <QStringList>

namespace {
bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

// The rule for a line without quotes: cut at the commas; the blank-separated words of each
// piece are its fields, and a piece without words is one empty field unless it is the last.
QStringList unquotedModel(const QString &line)
{
    const QStringList pieces = line.split(QLatin1Char(','));
    QStringList fields;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        QStringList words;
        QString word;
        for (QChar c : pieces[i]) {
            if (isBlank(c)) {
                if (!word.isEmpty())
                    words << word;
                word.clear();
            } else {
                word += c;
            }
        }
        if (!word.isEmpty())
            words << word;
        if (!words.isEmpty())
            fields << words;
        else if (i + 1 < pieces.size())
            fields << QString();
    }
    return fields;
}

void checkText(const QString &text)
{
    const QStringList lines = CsvFields::lines(text);
    QString normalised = text;
    normalised.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QString joined = lines.join(QLatin1Char('\n'));
    if (normalised.endsWith(QLatin1Char('\n')))
        joined += QLatin1Char('\n');
    FUZZ_CHECK(joined == normalised);
    for (const QString &line : lines)
        FUZZ_CHECK(!line.contains(QLatin1Char('\r')) && !line.contains(QLatin1Char('\n')));

    for (const QString &line : lines) {
        const QStringList fields = CsvFields::split(line);
        const QString beforeNul = line.left(line.indexOf(QChar(0)) < 0 ? line.size() : line.indexOf(QChar(0)));
        if (!beforeNul.contains(QLatin1Char('"')))
            FUZZ_CHECK(fields == unquotedModel(beforeNul));
        for (const QString &f : fields)
            FUZZ_CHECK(!f.contains(QChar(0)));
    }

    const QList<QStringList> grid = CsvFields::grid(text);
    FUZZ_CHECK(grid.size() == lines.size());
    if (!grid.isEmpty()) {
        const qsizetype columns = std::max<qsizetype>(CsvFields::split(lines.first()).size(), 1);
        for (qsizetype r = 0; r < grid.size(); ++r) {
            FUZZ_CHECK(grid[r].size() == columns);
            const QStringList fields = CsvFields::split(lines[r]);
            for (qsizetype c = 0; c < columns; ++c)
                FUZZ_CHECK(grid[r][c] == (c < fields.size() ? fields[c] : QString()));
        }
    }
}

// The capped grid never holds more than the caps, whatever the text, and holds exactly
// the uncapped grid's first rows and columns.
void checkCapped(const QString &text, uint8_t control)
{
    const int maxRows = (control & 0x40) ? 100 : ((control >> 1) & 7) + 1;
    const int maxColumns = (control & 0x40) ? 100 : ((control >> 4) & 3) + 1;
    const int minRows = std::min(2, maxRows);
    const CsvFields::Capped capped = CsvFields::cappedGrid(text, maxRows, maxColumns, minRows);
    FUZZ_CHECK(capped.rows.size() <= maxRows);
    const QStringList lines = CsvFields::lines(text);
    if (lines.isEmpty()) {
        FUZZ_CHECK(capped.rows.isEmpty() && capped.rowsLeftOut == 0 && capped.columnsLeftOut == 0);
        return;
    }
    const qsizetype firstFields = CsvFields::split(lines.first()).size();
    const qsizetype columns = std::clamp<qsizetype>(firstFields, 1, maxColumns);
    FUZZ_CHECK(capped.rows.size() == std::max<qsizetype>(std::min<qsizetype>(lines.size(), maxRows), minRows));
    FUZZ_CHECK(capped.rowsLeftOut == std::max<qsizetype>(lines.size() - maxRows, 0));
    FUZZ_CHECK(capped.columnsLeftOut == std::max<qsizetype>(firstFields - maxColumns, 0));
    const QList<QStringList> full = CsvFields::grid(text);
    for (qsizetype r = 0; r < capped.rows.size(); ++r) {
        FUZZ_CHECK(capped.rows[r].size() == columns);
        for (qsizetype c = 0; c < columns; ++c)
            FUZZ_CHECK(capped.rows[r][c] == (r < full.size() ? full[r][c] : QString()));
    }
}

void checkRoundTrip(const QString &text, uint8_t style)
{
    QString clean = text;
    clean.remove(QChar(0));
    const QStringList fields = clean.split(QLatin1Char('|'));
    static const char *const separators[] = {",", ", ", " ,\t", "\t,  "};
    QString line = (style & 2) ? QStringLiteral("  ") : QString();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            line += QLatin1String(separators[(style >> 2) % 4]);
        QString quoted = fields[i];
        quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        line += QLatin1Char('"') + quoted + QLatin1Char('"');
    }
    if (style & 0x10)
        line += QStringLiteral(" ,");
    FUZZ_CHECK(CsvFields::split(line) == fields);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t control = input.byte();
    const QString text = Cp932Codec::decode(input.rest());
    if (control & 1) {
        checkRoundTrip(text, control);
    } else {
        checkText(text);
        checkCapped(text, control);
    }
    return 0;
}

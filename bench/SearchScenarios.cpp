#include "bench/SearchScenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/MemoryProbe.h"
#include "bench/ResultTable.h"

#include "app/DocumentFile.h"
#include "app/EditBox.h"
#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"
#include "userdata/search/FindBox.h"
#include "userdata/search/SearchBox.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFile>
#include <QTextDocument>
#include <QTreeView>
#include <QTreeWidget>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace {
using Times = QList<double>;
constexpr int OccurrencesPerMiB = 10000;
constexpr qint64 MiB = 1024 * 1024;
// What a row shows at most, as the results window cuts it.
constexpr int RowTextLimit = 200;

// Deterministic, so that a size always gives the same page.
class Random
{
public:
    quint32 next(quint32 below)
    {
        state_ = state_ * 1664525u + 1013904223u;
        return (state_ >> 8) % below;
    }

private:
    quint32 state_ = 20240917u;
};

struct Row
{
    QString number;
    QString text;
};

// The plain way to the same rows: every occurrence after the end of the one before, its
// line counted from the line breaks passed, and the line from two characters before it.
QList<Row> collectRows(const QString &text, const QString &keyword, Qt::CaseSensitivity cs)
{
    QList<Row> rows;
    const qsizetype size = text.size();
    int line = 0;
    qsizetype lineStart = 0;
    qsizetype lineEnd = text.indexOf(QLatin1Char('\n'));
    if (lineEnd < 0)
        lineEnd = size;
    qsizetype previousEnd = 0;
    for (qsizetype pos = text.indexOf(keyword, 0, cs); pos >= 0; pos = text.indexOf(keyword, previousEnd, cs)) {
        if (pos > lineEnd) {
            while (pos > lineEnd) {
                lineStart = lineEnd + 1;
                ++line;
                lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
                if (lineEnd < 0)
                    lineEnd = size;
            }
            previousEnd = lineStart;
        }
        const qsizetype from = std::max(pos - 2, previousEnd);
        rows.append({QString::number(line + 1), text.mid(from, std::min<qsizetype>(lineEnd - from, RowTextLimit))});
        previousEnd = pos + keyword.size();
    }
    return rows;
}

// Fails at the first row the list shows differently from rows.
void checkRows(const QTreeView *tree, const QList<Row> &rows, const QString &name, const char *side)
{
    const QAbstractItemModel *model = tree->model();
    check(model->rowCount() == rows.size(), QStringLiteral("%1: %2 lists %3 rows, not %4")
                                                .arg(name, QLatin1String(side))
                                                .arg(model->rowCount())
                                                .arg(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const QString number = model->index(i, 0).data().toString();
        const QString text = model->index(i, 1).data().toString();
        check(number == rows[i].number && text == rows[i].text,
              QStringLiteral("%1: %2 row %3 shows \"%4\" \"%5\"").arg(name, QLatin1String(side)).arg(i).arg(number, text));
    }
}
} // namespace

SearchScenarios::SearchScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder, int runs)
    : form_(form), platform_(platform), folder_(folder), runs_(runs)
{
}

QStringList SearchScenarios::names()
{
    return {QStringLiteral("search"), QStringLiteral("searchcase"), QStringLiteral("search_memory")};
}

QByteArray SearchScenarios::manyFindsPage()
{
    // The letters spread evenly over the line, so that rows show text of either kind.
    const qsizetype size = MiB;
    QByteArray line(size, 'x');
    for (qsizetype i = 0; i < ManyFinds; ++i)
        line[i * size / ManyFinds] = ManyFindsLetter.at(0).toLatin1();
    return line + "\r\n";
}

void SearchScenarios::runManyFinds(const QStringList &wanted, ResultTable &table)
{
    const QString name = names()[2];
    if (!wanted.isEmpty() && !wanted.contains(name))
        return;
    const QString path = folder_ + QStringLiteral("search-many.htm");
    {
        const QByteArray bytes = manyFindsPage();
        QFile f(path);
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
              QStringLiteral("cannot write the page of many finds"));
    }
    auto ours = [&]() -> Times { return {MemoryProbe::measureSearch(true, path, ManyFindsLetter, ManyFinds)}; };
    auto baseline = [&]() -> Times { return {MemoryProbe::measureSearch(false, path, ManyFindsLetter, ManyFinds)}; };
    const Alternation::Medians m = Alternation::run(runs_, false, ours, baseline);
    BenchResult r;
    r.scenario = name;
    r.sizeMb = 1;
    r.ours = m.ours[0];
    r.baseline = m.baseline[0];
    r.oursRuns = m.oursRuns[0];
    r.baselineRuns = m.baselineRuns[0];
    r.memory = true;
    table.add(r);
    std::printf("%s: %.1f MiB above the open page for %d finds (budget 200 MiB), the bare tree widget %.1f MiB\n",
                qPrintable(name), r.ours, ManyFinds, r.baseline);
    std::fflush(stdout);
}

QByteArray SearchScenarios::page(int sizeMb, int occurrences)
{
    // Neither word nor anything that spells one across the spaces between words.
    static const QStringList filler = {
        QStringLiteral("the"),     QStringLiteral("page"),   QStringLiteral("river"),  QStringLiteral("stone"),
        QStringLiteral("light"),   QStringLiteral("paper"),  QStringLiteral("table"),  QStringLiteral("window"),
        QStringLiteral("garden"),  QStringLiteral("letter"), QStringLiteral("and"),    QStringLiteral("of"),
        QStringLiteral("<B>bold</B>"), QStringLiteral("<A HREF=\"index.htm\">home</A>"), QStringLiteral("日本語"),
        QStringLiteral("文章"),    QStringLiteral("見出し"), QStringLiteral("段落"),   QStringLiteral("リンク"),
        QStringLiteral("画像"),    QStringLiteral("です。"), QStringLiteral("2024"),   QStringLiteral("&amp;")};
    static const QStringList blind = {BlindWord, QStringLiteral("Marrow"), QStringLiteral("MARROW"),
                                      QStringLiteral("marRow")};
    const qint64 target = qint64(sizeMb) * MiB;
    Random random;
    QString text;
    text.reserve(qsizetype(target));
    qint64 bytes = 0;
    qint64 placedWord = 0;
    qint64 placedBlind = 0;
    QList<qint64> fillerBytes;
    for (const QString &w : filler)
        fillerBytes << DocumentFile::serialize(w).size() + 1;
    QStringList words;
    while (bytes < target || placedWord < occurrences || placedBlind < occurrences) {
        words.clear();
        qint64 lineBytes = 0;
        const int count = 6 + int(random.next(14));
        for (int i = 0; i < count; ++i) {
            const quint32 w = random.next(quint32(filler.size()));
            words << filler[w];
            lineBytes += fillerBytes[w];
        }
        // Spread evenly over the page: as many as are due by the end of this line, at
        // random places on it (the line start too, and sometimes two on one line).
        const qint64 end = std::min(bytes + lineBytes, target);
        const qint64 due = bytes + lineBytes >= target ? occurrences : qint64(occurrences) * end / target;
        for (; placedWord < due; ++placedWord) {
            words.insert(random.next(quint32(words.size() + 1)), Word);
            lineBytes += Word.size() + 1;
        }
        for (; placedBlind < due; ++placedBlind) {
            words.insert(random.next(quint32(words.size() + 1)), blind[random.next(quint32(blind.size()))]);
            lineBytes += BlindWord.size() + 1;
        }
        if (random.next(4) == 0) {
            text += QStringLiteral("  ");
            lineBytes += 2;
        }
        text += words.join(QLatin1Char(' '));
        text += QLatin1Char('\n');
        bytes += lineBytes + 1; // CR LF
    }
    return DocumentFile::serialize(text);
}

void SearchScenarios::run(const QStringList &wanted, int sizeMb, ResultTable &table)
{
    const auto want = [&](const QString &n) { return wanted.isEmpty() || wanted.contains(n); };
    if (!want(names()[0]) && !want(names()[1]))
        return;
    const int occurrences = OccurrencesPerMiB * sizeMb;
    const QString path = folder_ + QStringLiteral("search-%1mb.htm").arg(sizeMb);
    {
        const QByteArray bytes = page(sizeMb, occurrences);
        QFile f(path);
        check(f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size(),
              QStringLiteral("cannot write the search page"));
    }
    check(form_.tabCount() == 0, QStringLiteral("search: a document is still open"));
    form_.OpenDocument(path);
    EditBox *box = form_.activeBox();
    check(form_.tabCount() == 1 && box, QStringLiteral("search: the page did not open"));
    box->setSelection(0, 0);
    settle(box);
    const QString text = box->text();
    std::printf("search page %d MB: %lld characters, %lld lines\n", sizeMb, static_cast<long long>(text.size()),
                static_cast<long long>(text.count(QLatin1Char('\n')) + 1));
    std::fflush(stdout);

    if (want(names()[0]))
        measure(names()[0], *box->document(), text, Word, true, occurrences, sizeMb, table);
    if (want(names()[1]))
        measure(names()[1], *box->document(), text, BlindWord, false, occurrences, sizeMb, table);

    box->setModified(false);
    form_.FileCloseClick();
    check(form_.tabCount() == 0, QStringLiteral("search: the page did not close"));
}

void SearchScenarios::measure(const QString &name, const QTextDocument &document, const QString &text,
                              const QString &keyword, bool caseSensitive,
                              int expected, int sizeMb, ResultTable &table)
{
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const QList<Row> reference = collectRows(text, keyword, cs);
    check(reference.size() == expected,
          QStringLiteral("%1: the page holds %2 occurrences, not %3").arg(name).arg(reference.size()).arg(expected));
    auto *command = qobject_cast<QAction *>(form_.item(QStringLiteral("SearchFind")));
    check(command && command->isEnabled(), QStringLiteral("%1: the search command is not there").arg(name));
    const QSize treeSize(300, 200);

    auto ours = [&]() -> Times {
        QElapsedTimer timer;
        bool started = false;
        platform_.dialogScripts.push_back([&](QDialog *d) {
            auto *dialog = qobject_cast<TSearchBox *>(d);
            if (!dialog)
                return int(QDialog::Rejected);
            dialog->setKeyword(keyword);
            dialog->findChild<QCheckBox *>(QStringLiteral("CaseCheck"))->setChecked(caseSensitive);
            started = true;
            timer.start();
            dialog->StartBtnClick();
            return dialog->result();
        });
        command->trigger();
        const QList<TFindBox *> windows = form_.findChildren<TFindBox *>();
        check(started && windows.size() == 1, QStringLiteral("%1: no results window").arg(name));
        TFindBox *results = windows.first();
        settle(results);
        const double t = double(timer.nsecsElapsed()) / 1e6;
        check(results->isVisible(), QStringLiteral("%1: the results window is not shown").arg(name));
        check(platform_.unscripted == 0 && platform_.messages.isEmpty(),
              QStringLiteral("%1: the search said something").arg(name));
        checkRows(results->listView(), reference, name, "the results window");
        delete results;
        return {t};
    };
    auto baseline = [&]() -> Times {
        QTreeWidget *tree = nullptr;
        const double t = Alternation::timeMs([&] {
            // A bare editor searches its own text too, taken from the same document as ours:
            // how fast a document's text comes out of Qt depends on where its buffer starts.
            const QList<Row> rows = collectRows(document.toPlainText(), keyword, cs);
            tree = new QTreeWidget;
            tree->setHeaderLabels({QStringLiteral("行番号"), QStringLiteral("見つかった文")});
            tree->resize(treeSize);
            QList<QTreeWidgetItem *> items;
            items.reserve(rows.size());
            for (const Row &row : rows)
                items.append(new QTreeWidgetItem(QStringList{row.number, row.text}));
            tree->addTopLevelItems(items);
            tree->show();
            settle(tree);
        });
        checkRows(tree, reference, name, "the bare list");
        delete tree;
        return {t};
    };
    BenchResult r;
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    r.scenario = name;
    r.sizeMb = sizeMb;
    r.ours = m.ours[0];
    r.baseline = m.baseline[0];
    // The targets are stated for the 10 MB page.
    if (sizeMb == 10)
        r.target = caseSensitive ? 1.5 : 2.0;
    r.oursRuns = m.oursRuns[0];
    r.baselineRuns = m.baselineRuns[0];
    r.machineRuns = m.machine;
    table.add(r);
}

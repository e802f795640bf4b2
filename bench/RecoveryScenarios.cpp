#include "bench/RecoveryScenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/Figure.h"
#include "bench/ResultTable.h"

#include "app/DocumentRecovery.h"
#include "app/EditBox.h"
#include "app/MainForm.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTextCursor>

#include <cstdio>

namespace {
using Times = QList<double>;
// Keys per timed run: one key of a 10 MB document takes a few hundred microseconds.
constexpr int KeysPerRun = 100;
constexpr int Edits = 1000;

void type(QWidget *box, int count)
{
    for (int i = 0; i < count; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(box, &release);
    }
}

} // namespace

RecoveryScenarios::RecoveryScenarios(TMainForm &form, const QString &folder, int runs)
    : form_(form), folder_(folder), runs_(runs)
{
}

QStringList RecoveryScenarios::names()
{
    return {QStringLiteral("recovery_typing"), QStringLiteral("recovery_journal")};
}

void RecoveryScenarios::run(const QStringList &wanted, const QString &documentPath, int sizeMb, ResultTable &table)
{
    const auto want = [&](const QString &n) { return wanted.isEmpty() || wanted.contains(n); };
    if (!want(names()[0]) && !want(names()[1]))
        return;
    const QString path = folder_ + QStringLiteral("recovery-%1mb.html").arg(sizeMb);
    QFile::remove(path);
    check(QFile::copy(documentPath, path), QStringLiteral("cannot copy the document"));
    check(form_.tabCount() == 0, QStringLiteral("a document is still open"));
    form_.OpenDocument(path);
    EditBox *box = form_.activeBox();
    check(box, QStringLiteral("the document did not open"));
    QTextCursor middle(box->document());
    middle.setPosition(box->length() / 2);
    box->setTextCursor(middle);
    box->setFocus();
    settle(box);

    if (want(names()[0]))
        typing(sizeMb, table);
    if (want(names()[1]))
        journalBytes(sizeMb, table);

    form_.recovery().setEnabled(true);
    box->setModified(false);
    form_.FileCloseClick();
    form_.recovery().waitWritten();
    QFile::remove(path);
}

void RecoveryScenarios::typing(int sizeMb, ResultTable &table)
{
    EditBox *box = form_.activeBox();
    DocumentRecovery &recovery = form_.recovery();
    // Both sides type into a modified document; ours with its journal started and written, so
    // that the keys pay what keys pay while the user types.
    auto ours = [&]() -> Times {
        recovery.setEnabled(true);
        type(box, 1);
        recovery.flushAll();
        recovery.waitWritten();
        const int before = box->length();
        const double t = Alternation::timeMs([&] { type(box, KeysPerRun); });
        check(box->length() == before + KeysPerRun, QStringLiteral("recovery_typing: the keys did not type"));
        // What the journal does with them, at the next idle moment: untimed, as the user is not
        // kept waiting for it.
        recovery.flushAll();
        recovery.waitWritten();
        return {t};
    };
    auto baseline = [&]() -> Times {
        recovery.setEnabled(false);
        recovery.waitWritten(); // the journal's removal, so that neither side types beside the writer
        const int before = box->length();
        const double t = Alternation::timeMs([&] { type(box, KeysPerRun); });
        check(box->length() == before + KeysPerRun, QStringLiteral("recovery_typing: the keys did not type"));
        return {t};
    };
    table.add(Figure::of(names()[0], sizeMb, Alternation::run(runs_, true, ours, baseline), Figure::targetAt(sizeMb, 1.1)));
    recovery.setEnabled(true);
}

void RecoveryScenarios::journalBytes(int sizeMb, ResultTable &table)
{
    EditBox *box = form_.activeBox();
    DocumentRecovery &recovery = form_.recovery();
    recovery.setEnabled(false);
    recovery.waitWritten();
    const qint64 before = recovery.bytesWritten();
    recovery.setEnabled(true);
    type(box, 1);
    recovery.flushAll();
    recovery.waitWritten();
    const qint64 started = recovery.bytesWritten();
    // Each edit handed to the writer alone, as when the user types one character a second:
    // the most records 1,000 edits can make.
    for (int i = 0; i < Edits; ++i) {
        type(box, 1);
        recovery.flushAll();
    }
    recovery.waitWritten();
    const qint64 edits = recovery.bytesWritten() - started;
    const qint64 text = qint64(box->length()) * 2;
    std::printf("recovery_journal %d MB: journal started with %lld bytes; %d edits added %lld bytes (%.1f a edit); "
                "the text is %lld bytes\n",
                sizeMb, static_cast<long long>(started - before), Edits, static_cast<long long>(edits), double(edits) / Edits,
                static_cast<long long>(text));
    std::fflush(stdout);
    check(edits > 0, QStringLiteral("recovery_journal: nothing was written"));
    BenchResult r;
    r.scenario = names()[1];
    r.sizeMb = sizeMb;
    r.memory = true; // sizes, in MiB
    r.ours = double(edits) / (1024.0 * 1024.0);
    r.baseline = double(text) / (1024.0 * 1024.0);
    // One run: the bytes do not vary, and processes pool their runs.
    r.oursRuns = {r.ours};
    r.baselineRuns = {r.baseline};
    if (sizeMb == 10)
        r.target = 0.01;
    table.add(r);
}

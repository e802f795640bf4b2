#include "bench/EditingComfortScenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/Figure.h"
#include "bench/DocumentGenerator.h"
#include "bench/ResultTable.h"
#include "bench/SearchScenarios.h"

#include "app/EditBox.h"
#include "app/LineNumberGutter.h"
#include "app/MainForm.h"
#include "app/StatusPanels.h"
#include "editing/EditTools.h"
#include "editing/UndoHistory.h"
#include "platform/ScriptedPlatform.h"
#include "userdata/search/ReplaceBox.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QKeyEvent>

#include <cstdio>

namespace {
using Times = QList<double>;
constexpr int OccurrencesPerMiB = 10000;
const QString Replacement = QStringLiteral("sabre");
constexpr int TypedKeys = 40;

} // namespace

EditingComfortScenarios::EditingComfortScenarios(TMainForm &form, ScriptedPlatform &platform, const QString &folder,
                                                 int runs)
    : form_(form), platform_(platform), folder_(folder), runs_(runs)
{
}

QStringList EditingComfortScenarios::names()
{
    return {QStringLiteral("replace_all"), QStringLiteral("typing_comfort"), QStringLiteral("multi_undo"),
            QStringLiteral("multi_undo_memory")};
}

void EditingComfortScenarios::run(const QStringList &wanted, int sizeMb, ResultTable &table)
{
    const auto want = [&](const QString &n) { return wanted.isEmpty() || wanted.contains(n); };
    if (want(names()[0]))
        replaceAll(sizeMb, table);
    if (want(names()[1]))
        typing(sizeMb, table);
    if (want(names()[2]) || want(names()[3]))
        undo(sizeMb, want(names()[2]), table);
}

void EditingComfortScenarios::replaceAll(int sizeMb, ResultTable &table)
{
    const QString name = names()[0];
    const int occurrences = OccurrencesPerMiB * sizeMb;
    const QString path = folder_ + QStringLiteral("replace-%1mb.htm").arg(sizeMb);
    writeChecked(path, SearchScenarios::page(sizeMb, occurrences));
    check(form_.tabCount() == 0, name + QStringLiteral(": a document is still open"));
    form_.OpenDocument(path);
    EditBox *box = form_.activeBox();
    check(box != nullptr, name + QStringLiteral(": the page did not open"));
    box->setSelection(0, 0);
    settle(box);
    const QString original = box->text();
    QString expected = original;
    expected.replace(SearchScenarios::Word, Replacement);
    check(original.count(SearchScenarios::Word) == occurrences, name + QStringLiteral(": wrong number of words"));
    auto *command = qobject_cast<QAction *>(form_.item(QStringLiteral("SearchReplace")));
    check(command && command->isEnabled(), name + QStringLiteral(": no replace command"));

    auto ours = [&]() -> Times {
        QElapsedTimer timer;
        double t = -1;
        platform_.dialogScripts.push_back([&](QDialog *d) {
            auto *dialog = qobject_cast<TReplaceBox *>(d);
            if (!dialog)
                return int(QDialog::Rejected);
            dialog->findCombo()->setEditText(SearchScenarios::Word);
            dialog->replaceCombo()->setEditText(Replacement);
            timer.start();
            dialog->findChild<QPushButton *>(QStringLiteral("ReplaceAllBtn"))->click();
            settle(box);
            t = double(timer.nsecsElapsed()) / 1e6;
            return int(QDialog::Rejected);
        });
        command->trigger();
        check(t >= 0, name + QStringLiteral(": the dialog did not run"));
        check(platform_.messages.size() == 1 && platform_.messages.first().text.startsWith(QString::number(occurrences)),
              name + QStringLiteral(": the count was not reported"));
        platform_.messages.clear();
        check(box->text() == expected, name + QStringLiteral(": the page is not replaced"));
        // Back to the page as it was, untimed, through the program's Undo.
        EditTools::run(EditTools::Command::Undo, form_.editContext());
        check(box->text() == original, name + QStringLiteral(": Undo did not give the page back"));
        box->setSelection(0, 0);
        settle(box);
        return {t};
    };
    auto baseline = [&]() -> Times {
        auto *bare = new QPlainTextEdit;
        bare->resize(box->size());
        bare->setFont(box->font());
        bare->setLineWrapMode(box->lineWrapMode());
        bare->setPlainText(original);
        bare->show();
        settle(bare);
        const double t = Alternation::timeMs([&] {
            QString text = bare->toPlainText();
            text.replace(SearchScenarios::Word, Replacement);
            bare->setPlainText(text);
            settle(bare);
        });
        check(bare->toPlainText() == expected, name + QStringLiteral(": the bare box is not replaced"));
        delete bare;
        return {t};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    table.add(Figure::of(name, sizeMb, m, Figure::targetAt(sizeMb, 1.5)));
    box->setModified(false);
    form_.FileCloseClick();
}

void EditingComfortScenarios::typing(int sizeMb, ResultTable &table)
{
    const QString name = names()[1];
    const QString path = folder_ + QStringLiteral("typing-%1mb.htm").arg(sizeMb);
    writeChecked(path, DocumentGenerator::generate(sizeMb));
    check(form_.tabCount() == 0, name + QStringLiteral(": a document is still open"));
    form_.OpenDocument(path);
    EditBox *box = form_.activeBox();
    check(box != nullptr, name + QStringLiteral(": the page did not open"));
    settle(box);
    const int middle = box->posFromLine(box->lineCount() / 2);
    const int length = box->length();
    // The panel's own connection gives way to one the benchmark can take away for the
    // baseline; it runs the same update.
    QObject::disconnect(box, &QPlainTextEdit::cursorPositionChanged, &form_, nullptr);
    QMetaObject::Connection panel;
    const auto typeKeys = [&]() {
        box->setSelection(middle, 0);
        QCoreApplication::processEvents();
        const double t = Alternation::timeMs([&] {
            for (int i = 0; i < TypedKeys; ++i) {
                QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
                QApplication::sendEvent(box, &press);
                QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
                QApplication::sendEvent(box, &release);
                QCoreApplication::processEvents();
            }
        });
        check(box->length() == length + TypedKeys, name + QStringLiteral(": the keys did not arrive"));
        // Untimed: the typing taken out again.
        box->setSelection(middle, TypedKeys);
        box->replaceRange(middle, TypedKeys, QString());
        settle(box);
        return t;
    };
    auto ours = [&]() -> Times {
        LineNumberGutter::show(box, true);
        panel = QObject::connect(box, &QPlainTextEdit::cursorPositionChanged, &form_, [this] { form_.UpdateCaretPanel(); });
        settle(box);
        const double t = typeKeys();
        check(form_.statusText(StatusPanels::Caret).contains(QStringLiteral(" 行 : ")),
              name + QStringLiteral(": the panel shows no caret"));
        QObject::disconnect(panel);
        LineNumberGutter::show(box, false);
        return {t};
    };
    auto baseline = [&]() -> Times {
        settle(box);
        return {typeKeys()};
    };
    const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
    table.add(Figure::of(name, sizeMb, m, Figure::targetAt(sizeMb, 1.1)));
    QObject::connect(box, &QPlainTextEdit::cursorPositionChanged, &form_, [this] { form_.UpdateCaretPanel(); });
    box->setModified(false);
    form_.FileCloseClick();
}

void EditingComfortScenarios::undo(int sizeMb, bool timed, ResultTable &table)
{
    const QString path = folder_ + QStringLiteral("undo-%1mb.htm").arg(sizeMb);
    writeChecked(path, DocumentGenerator::generate(sizeMb));
    check(form_.tabCount() == 0, QStringLiteral("multi_undo: a document is still open"));
    form_.OpenDocument(path);
    EditBox *box = form_.activeBox();
    check(box != nullptr, QStringLiteral("multi_undo: the page did not open"));
    settle(box);
    const QString original = box->storedText();
    const auto convert = [&](EditTools::Command command) {
        box->setSelection(0, box->length());
        EditTools::run(command, form_.editContext());
        settle(box);
    };
    const auto timedUndo = [&]() {
        const double t = Alternation::timeMs([&] {
            EditTools::run(EditTools::Command::Undo, form_.editContext());
            settle(box);
        });
        check(box->storedText() == original, QStringLiteral("multi_undo: Undo did not give the page back"));
        return t;
    };
    const auto setMulti = [&](bool on) {
        box->setMultiLevelUndo(on);
        form_.undoSnapshot().setEnabled(!on);
    };

    if (timed) {
        auto ours = [&]() -> Times {
            setMulti(true);
            convert(EditTools::Command::UpperCase);
            check(box->undoHistory()->undoSteps() == 1, QStringLiteral("multi_undo: not one step"));
            const double t = timedUndo();
            setMulti(false);
            return {t};
        };
        auto baseline = [&]() -> Times {
            setMulti(false);
            convert(EditTools::Command::UpperCase);
            return {timedUndo()};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, ours, baseline);
        table.add(Figure::of(names()[2], sizeMb, m, Figure::targetAt(sizeMb, 1.5)));
    }

    // Twenty conversions, each a step; what the history holds against the one-step snapshot.
    setMulti(true);
    for (int i = 0; i < 20; ++i)
        convert(i % 2 == 0 ? EditTools::Command::UpperCase : EditTools::Command::LowerCase);
    const UndoHistory *history = box->undoHistory();
    BenchResult r;
    r.scenario = names()[3];
    r.sizeMb = sizeMb;
    r.memory = true;
    r.ours = double(history->heldBytes()) / (1024.0 * 1024.0);
    r.baseline = double(original.size() * qsizetype(sizeof(QChar))) / (1024.0 * 1024.0);
    r.oursRuns = {r.ours};
    r.baselineRuns = {r.baseline};
    table.add(r);
    std::printf("%s: %d steps kept of 20, %.1f MiB held (bound 64 MiB); the one-step snapshot holds %.1f MiB\n",
                qPrintable(r.scenario), history->undoSteps(), r.ours, r.baseline);
    std::fflush(stdout);
    setMulti(false);
    box->setModified(false);
    form_.FileCloseClick();
}

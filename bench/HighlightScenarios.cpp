#include "bench/HighlightScenarios.h"

#include "bench/Alternation.h"
#include "bench/Checks.h"
#include "bench/Figure.h"
#include "bench/ResultTable.h"

#include "app/EditBox.h"
#include "app/HtmlColoring.h"
#include "app/MainForm.h"
#include "platform/ScriptedPlatform.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdio>

namespace {
using Times = QList<double>;

void paintNow(EditBox *box)
{
    QCoreApplication::processEvents();
    box->viewport()->repaint();
}

void press(EditBox *box, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString &text = QString())
{
    QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(box, &up);
}

int caretBlock(const EditBox *box)
{
    return box->textCursor().blockNumber();
}

BenchResult figure(const QString &name, int sizeMb, const Alternation::Medians &m, double target, bool memory)
{
    BenchResult r = Figure::of(name, sizeMb, m, Figure::targetAt(sizeMb, target));
    r.memory = memory;
    if (memory) {
        r.machineRuns.clear();
        r.oursFaults.clear();
        r.baselineFaults.clear();
    }
    return r;
}
} // namespace

HighlightScenarios::HighlightScenarios(TMainForm &form, ScriptedPlatform &platform, int runs)
    : form_(form), platform_(platform), runs_(runs)
{
}

QStringList HighlightScenarios::names()
{
    return {QStringLiteral("highlight_open"), QStringLiteral("highlight_typing"), QStringLiteral("highlight_jump"),
            QStringLiteral("highlight_scroll"), QStringLiteral("highlight_memory")};
}

void HighlightScenarios::setColouring(bool on)
{
    auto *item = qobject_cast<QAction *>(form_.item(QStringLiteral("OptHighlight")));
    check(item != nullptr, QStringLiteral("highlight: no Options menu item"));
    if (item->isChecked() != on)
        item->trigger();
    check(item->isChecked() == on, QStringLiteral("highlight: the menu item did not switch"));
    for (int i = 0; i < form_.tabCount(); ++i)
        check((HtmlColoring::of(form_.EditBoxOfTab(i)) != nullptr) == on,
              QStringLiteral("highlight: an open page did not follow the menu item"));
}

EditBox *HighlightScenarios::open(const QString &path, int length)
{
    check(form_.tabCount() == 0, QStringLiteral("highlight: a document is still open"));
    form_.OpenDocument(path);
    EditBox *box = form_.activeBox();
    check(box && box->length() == length, QStringLiteral("highlight: the page did not open as read"));
    paintNow(box);
    return box;
}

void HighlightScenarios::close()
{
    if (EditBox *box = form_.activeBox())
        box->setModified(false);
    form_.FileCloseClick();
    check(form_.tabCount() == 0, QStringLiteral("highlight: the page did not close"));
    check(platform_.messages.isEmpty() && platform_.unscripted == 0, QStringLiteral("highlight: the window said something"));
}

void HighlightScenarios::freshView(EditBox *box)
{
    box->setSelection(0, 0);
    if (HtmlColoring *coloring = HtmlColoring::of(box))
        coloring->dropColours();
    QTextDocument *doc = box->document();
    doc->markContentsDirty(0, doc->characterCount());
    paintNow(box);
    check(box->firstVisibleLine() == 0, QStringLiteral("highlight: the page is not at its top"));
}

void HighlightScenarios::run(const QStringList &wanted, const QString &path, int sizeMb, int length, int middle,
                             const MemoryProbe::Shape &shape, ResultTable &table)
{
    auto want = [&](int i) { return wanted.isEmpty() || wanted.contains(names()[i]); };

    if (want(0)) {
        auto side = [&](bool on) -> Times {
            setColouring(on);
            EditBox *box = nullptr;
            const double t = Alternation::timeMs([&] {
                form_.OpenDocument(path);
                box = form_.activeBox();
                if (box)
                    paintNow(box);
            });
            check(box && box->length() == length && !box->isModified(), QStringLiteral("highlight_open: the page did not open as read"));
            const HtmlColoring *coloring = HtmlColoring::of(box);
            check(on == (coloring && coloring->colouredBlocks() > 0), QStringLiteral("highlight_open: colours where none were asked for, or none"));
            close();
            return {t};
        };
        const Alternation::Medians m = Alternation::run(runs_, true, [&] { return side(true); }, [&] { return side(false); });
        table.add(figure(names()[0], sizeMb, m, 1.1, false));
    }

    if (want(1) || want(2) || want(3)) {
        // The same page twice, in two tabs: the first coloured, the second with its colouring
        // taken off, so that each side keeps what it learnt of its page between runs.
        const QString plainPath = path + QStringLiteral(".plain.html");
        QFile::remove(plainPath);
        check(QFile::copy(path, plainPath), QStringLiteral("highlight: cannot copy the page"));
        setColouring(true);
        EditBox *coloured = open(path, length);
        form_.OpenDocument(plainPath);
        check(form_.tabCount() == 2, QStringLiteral("highlight: the second page did not open"));
        EditBox *plain = form_.EditBoxOfTab(1);
        delete HtmlColoring::of(plain);
        const int lastBlock = coloured->document()->blockCount() - 1;
        check(plain->document()->blockCount() == lastBlock + 1, QStringLiteral("highlight: the two pages differ"));
        auto show = [&](bool on) {
            form_.selectTab(on ? 0 : 1);
            EditBox *box = form_.activeBox();
            check(box == (on ? coloured : plain), QStringLiteral("highlight: the tab did not change"));
            return box;
        };

        if (want(1)) {
            auto side = [&](bool on) -> Times {
                EditBox *box = show(on);
                box->setSelection(middle, 0);
                paintNow(box);
                const double t = Alternation::timeMs([&] {
                    press(box, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"));
                    paintNow(box);
                });
                check(box->length() == length + 1 && box->line(box->lineFromPos(middle)).contains(QLatin1Char('q')),
                      QStringLiteral("highlight_typing: the letter is not in the page"));
                press(box, Qt::Key_Backspace);
                check(box->length() == length, QStringLiteral("highlight_typing: the letter stayed"));
                return {t};
            };
            const Alternation::Medians m = Alternation::run(runs_, true, [&] { return side(true); }, [&] { return side(false); });
            table.add(figure(names()[1], sizeMb, m, 1.3, false));
        }

        if (want(2)) {
            auto side = [&](bool on) -> Times {
                EditBox *box = show(on);
                freshView(box);
                const double t = Alternation::timeMs([&] {
                    press(box, Qt::Key_End, Qt::ControlModifier);
                    paintNow(box);
                });
                check(caretBlock(box) == lastBlock, QStringLiteral("highlight_jump: the caret is not on the last line"));
                check(!on || HtmlColoring::of(box)->colouredBlocks() > 0, QStringLiteral("highlight_jump: the last page is not coloured"));
                return {t};
            };
            const Alternation::Medians m = Alternation::run(runs_, true, [&] { return side(true); }, [&] { return side(false); });
            table.add(figure(names()[2], sizeMb, m, 1.5, false));
        }

        if (want(3)) {
            int pagesOn = 0;
            int pagesOff = 0;
            auto side = [&](bool on) -> Times {
                EditBox *box = show(on);
                freshView(box);
                int pages = 0;
                const double t = Alternation::timeMs([&] {
                    while (caretBlock(box) < lastBlock) {
                        press(box, Qt::Key_PageDown);
                        paintNow(box);
                        ++pages;
                    }
                });
                (on ? pagesOn : pagesOff) = pages;
                check(pages > 0 && caretBlock(box) == lastBlock, QStringLiteral("highlight_scroll: the end was not reached"));
                return {t};
            };
            // Thousands of pages a run are their own average: one pair a process.
            const Alternation::Medians m = Alternation::run(1, false, [&] { return side(true); }, [&] { return side(false); });
            check(pagesOn == pagesOff, QStringLiteral("highlight_scroll: the sides turned a different number of pages"));
            std::printf("highlight_scroll: %d pages\n", pagesOn);
            std::fflush(stdout);
            table.add(figure(names()[3], sizeMb, m, 1.5, false));
        }
        setColouring(false);
        for (EditBox *box : {coloured, plain})
            box->setModified(false);
        form_.FileAllCloseClick();
        check(form_.tabCount() == 0, QStringLiteral("highlight: the pages did not close"));
        QFile::remove(plainPath);
    }

    if (want(4)) {
        // The measuring child reads TW.ini as the program would at start.
        auto side = [&](bool on) -> Times {
            setColouring(on);
            return {MemoryProbe::measure(true, path, shape)};
        };
        const Alternation::Medians m = Alternation::run(runs_, false, [&] { return side(true); }, [&] { return side(false); });
        table.add(figure(names()[4], sizeMb, m, 1.15, true));
    }
    setColouring(false);
}

// The editing box's own history of many steps: what joins a step, undo and redo, the bound.
#include "editing/UndoHistory.h"

#include <QTest>

namespace {
// A document the history acts on, changed only through the history's two calls.
struct Document
{
    QString text;
    UndoHistory history;

    void change(int at, int removed, const QString &added, UndoHistory::Kind kind = UndoHistory::Kind::Typing)
    {
        const QString before = text;
        text.replace(at, removed, added);
        history.record(before, at, removed, added, kind);
    }
    void type(const QString &s, int at) { change(at, 0, s); }
    int undo() { return history.undo(apply()); }
    int redo() { return history.redo(apply()); }
    UndoHistory::Apply apply()
    {
        return [this](int at, int length, const QString &put) {
            const QString was = text.mid(at, length);
            text.replace(at, length, put);
            return was;
        };
    }
};
} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void typingJoinsAndLineBreaksAndCommandsSeparate()
    {
        Document d;
        d.type(QStringLiteral("a"), 0);
        d.type(QStringLiteral("b"), 1);
        d.type(QStringLiteral("\n"), 2);
        d.type(QStringLiteral("c"), 3);
        QCOMPARE(d.text, QStringLiteral("ab\nc"));
        QCOMPARE(d.history.undoSteps(), 2);
        // A command's changes, wherever they are, make one step.
        d.history.beginGroup(4);
        d.change(4, 0, QStringLiteral("</B>"));
        d.change(0, 0, QStringLiteral("<B>"));
        d.history.endGroup();
        QCOMPARE(d.text, QStringLiteral("<B>ab\nc</B>"));
        QCOMPARE(d.history.undoSteps(), 3);
        // Backspace over the command's text is a step of its own.
        d.change(10, 1, QString());
        QCOMPARE(d.history.undoSteps(), 4);

        QCOMPARE(d.undo(), 11);
        QCOMPARE(d.text, QStringLiteral("<B>ab\nc</B>"));
        QCOMPARE(d.undo(), 4); // where the caret stood before the command
        QCOMPARE(d.text, QStringLiteral("ab\nc"));
        d.undo();
        QCOMPARE(d.text, QStringLiteral("ab\n"));
        QCOMPARE(d.undo(), 0);
        QCOMPARE(d.text, QString());
        QCOMPARE(d.undo(), -1);
        QVERIFY(!d.history.canUndo());

        QCOMPARE(d.redo(), 3);
        QCOMPARE(d.text, QStringLiteral("ab\n"));
        d.redo();
        d.redo();
        QCOMPARE(d.text, QStringLiteral("<B>ab\nc</B>"));
        // A change after undo drops what could have been redone.
        d.type(QStringLiteral("!"), 0);
        QVERIFY(!d.history.canRedo());
        d.undo();
        d.undo();
        QCOMPARE(d.text, QStringLiteral("ab\nc"));
    }

    void backspacingJoinsAndDeletingInsideTypingStaysOneStep()
    {
        Document d;
        d.text = QStringLiteral("hello world");
        d.change(10, 1, QString()); // backspace at the end, three times
        d.change(9, 1, QString());
        d.change(8, 1, QString());
        QCOMPARE(d.text, QStringLiteral("hello wo"));
        QCOMPARE(d.history.undoSteps(), 1);
        d.type(QStringLiteral("XY"), 8);
        d.change(9, 1, QString()); // typo corrected inside what was typed
        QCOMPARE(d.history.undoSteps(), 2);
        d.undo();
        QCOMPARE(d.text, QStringLiteral("hello wo"));
        d.undo();
        QCOMPARE(d.text, QStringLiteral("hello world"));
        // Typing somewhere else starts a new step.
        d.type(QStringLiteral("1"), 0);
        d.type(QStringLiteral("2"), 12);
        QCOMPARE(d.history.undoSteps(), 2);
    }

    void theOldestStepsGoPastTheBound()
    {
        Document d;
        d.text = QString(1000, QLatin1Char('a'));
        d.history.setLimit(5000); // bytes: two whole-text steps of 2000 each
        for (int i = 0; i < 5; ++i) {
            d.history.beginGroup(0);
            d.change(0, 1000, QString(1000, QChar(u'b' + i)), UndoHistory::Kind::Command);
            d.history.endGroup();
        }
        QCOMPARE(d.history.undoSteps(), 2);
        QVERIFY(d.history.heldBytes() <= 5000);
        d.undo();
        d.undo();
        QCOMPARE(d.text, QString(1000, QChar(u'b' + 2)));
        QCOMPARE(d.undo(), -1);
        // The newest step stays, however large.
        d.history.setLimit(10);
        d.history.beginGroup(0);
        d.change(0, 1000, QString(1000, QLatin1Char('z')), UndoHistory::Kind::Command);
        d.history.endGroup();
        QCOMPARE(d.history.undoSteps(), 1);
        d.undo();
        QCOMPARE(d.text, QString(1000, QChar(u'b' + 2)));
    }
};

QTEST_GUILESS_MAIN(TestUndoHistory)
#include "tst_UndoHistory.moc"

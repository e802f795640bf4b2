// Unsaved work survives a program that never closed its documents: killed outright in a child
// process, or its window gone; what the start-up offer does with each journal.
#include "ShellFixture.h"
#include "SmallDisk.h"

#include "app/DocumentFile.h"
#include "app/DocumentManager.h"
#include "app/DocumentRecovery.h"
#include "app/EditBox.h"
#include "app/StartupSequence.h"
#include "platform/Cp932Codec.h"
#include "recovery/JournalFolder.h"
#include "recovery/JournalReader.h"

#include <QComboBox>
#include <QDir>
#include <QInputMethodEvent>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <cstdio>

namespace {

constexpr char ChildArgument[] = "--edit-then-wait";
const QString Untitled = QStringLiteral("NewPage");

QByteArray sjisPage() { return Cp932Codec::encode(QStringLiteral("<HTML>\r\n<BODY>\r\n<P>日本語の段落</P>\r\n</BODY>\r\n</HTML>\r\n")); }
QByteArray utf8Page() { return QStringLiteral("<HTML>\n<BODY>\n<P>もう一つのページ</P>\n</BODY>\n</HTML>\n").toUtf8(); }

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Japanese comes from the input method.
void commit(QWidget *box, const QString &text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(box, &event);
}

QStringList journalsIn(const QString &folder)
{
    QStringList out;
    for (const QString &name : QDir(folder).entryList({QStringLiteral("*.twj")}, QDir::Files, QDir::Name))
        out << folder + name;
    return out;
}

// The edits of the killed run: typing, the input method, Backspace, Return, Delete, Undo and an
// insertion command, in two files and a new page; a first round that starts the journals,
// then a second that goes in as change records.
void editThreeDocuments(TMainForm &f)
{
    f.selectTab(0);
    EditBox *a = f.EditBoxOfTab(0);
    a->setFocus();
    QTest::keyClick(a, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(a, QStringLiteral("<P>added"));
    f.selectTab(1);
    EditBox *b = f.EditBoxOfTab(1);
    b->setFocus();
    QTest::keyClick(b, Qt::Key_Down);
    QTest::keyClick(b, Qt::Key_Down);
    QTest::keyClick(b, Qt::Key_End);
    QTest::keyClicks(b, QStringLiteral("x"));
    QTest::keyClick(b, Qt::Key_N, Qt::ControlModifier);
    EditBox *n = f.activeBox();
    n->setFocus();
    QTest::keyClicks(n, QStringLiteral("untitled text"));
    QTest::qWait(1500);

    f.selectTab(0);
    a->setFocus();
    commit(a, QStringLiteral("追記"));
    QTest::keyClick(a, Qt::Key_Backspace);
    QTest::keyClick(a, Qt::Key_Return);
    QTest::keyClick(a, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(a, Qt::Key_Delete);
    f.selectTab(1);
    b->setFocus();
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(b, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(b, Qt::Key_B, Qt::ControlModifier); // bold around the selection
    commit(b, QStringLiteral("😀"));
    f.selectTab(2);
    n->setFocus();
    QTest::keyClick(n, Qt::Key_Return);
    commit(n, QStringLiteral("無題のページ"));
    QTest::keyClicks(n, QStringLiteral("xyz"));
    QTest::keyClick(n, Qt::Key_Z, Qt::ControlModifier);
}

// The killed run: a real window opens the two files from its command line, is edited through
// its keys and its input method, and then waits, modified, for the SIGKILL.
int editThenWait(const QString &folder)
{
    ScriptedPlatform platform;
    TMainForm form;
    StartupSequence::showThenOpen(form, {folder + QStringLiteral("a.html"), folder + QStringLiteral("b.html")});
    if (!QTest::qWaitFor([&form] { return form.tabCount() == 2; }) || !QTest::qWaitForWindowExposed(&form))
        return 2;
    editThreeDocuments(form);
    // The journals catch up by themselves, within about two seconds.
    QTest::qWait(2500);
    form.recovery().waitWritten();
    for (int i = 0; i < form.tabCount(); ++i) {
        const QByteArray text = form.EditBoxOfTab(i)->storedText().toUtf8().toHex();
        std::printf("%s %s\n", form.documentManager().nameAt(i).toUtf8().toHex().constData(), text.constData());
    }
    std::printf("READY\n");
    std::fflush(stdout);
    for (;;)
        QTest::qWait(1000);
}

// Answers the offer as a user does: the list looked at, then a key or a click.
struct Offer
{
    QStringList rows;    // 文書 column
    QStringList changed; // 最終変更 column
    QStringList disk;    // ディスク上のファイル column
};

std::function<int(QDialog *)> answer(Offer &seen, std::function<void(QDialog *, QTreeWidget *)> act)
{
    return [&seen, act](QDialog *d) {
        d->show();
        d->activateWindow();
        (void)QTest::qWaitForWindowActive(d);
        auto *list = d->findChild<QTreeWidget *>(QStringLiteral("RecoveryList"));
        if (!list)
            return int(QDialog::Rejected);
        for (int i = 0; i < list->topLevelItemCount(); ++i) {
            seen.rows << list->topLevelItem(i)->text(0);
            seen.changed << list->topLevelItem(i)->text(1);
            seen.disk << list->topLevelItem(i)->text(2);
        }
        act(d, list);
        return d->result();
    };
}

// Row row's 操作 set with the arrow keys.
void choose(QTreeWidget *list, int row, int downs)
{
    auto *combo = qobject_cast<QComboBox *>(list->itemWidget(list->topLevelItem(row), 3));
    combo->setFocus();
    for (int i = 0; i < downs; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
}

int tabOf(TMainForm &f, const QString &name)
{
    return int(f.documentManager().names().indexOf(name));
}

} // namespace

class TestRecovery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void killedProgramsWorkIsRestored()
    {
        QTemporaryDir dir;
        const QString program = dir.path() + QStringLiteral("/program/");
        const QString state = dir.path() + QStringLiteral("/state");
        QDir().mkpath(program);
        writeFile(program + QStringLiteral("a.html"), sjisPage());
        writeFile(program + QStringLiteral("b.html"), utf8Page());

        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TAGWELL_PROGRAM_DIR"), program);
        env.insert(QStringLiteral("XDG_STATE_HOME"), state);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QLatin1String(ChildArgument), program});
        QVERIFY(child.waitForStarted());
        QByteArray out;
        QVERIFY(QTest::qWaitFor([&] {
            out += child.readAllStandardOutput();
            return out.contains("READY\n") || child.state() == QProcess::NotRunning;
        }, 60000));
        QVERIFY2(out.contains("READY\n"), out.constData());
        QHash<QString, QString> expected; // document name -> its text when killed
        for (const QByteArray &line : out.split('\n')) {
            const QList<QByteArray> parts = line.split(' ');
            if (parts.size() == 2)
                expected.insert(QString::fromUtf8(QByteArray::fromHex(parts[0])), QString::fromUtf8(QByteArray::fromHex(parts[1])));
        }
        QCOMPARE(expected.size(), 3);
        QVERIFY(expected.contains(Untitled));
        child.kill(); // SIGKILL: no handler, no clean-up
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);

        qputenv("TAGWELL_PROGRAM_DIR", program.toLocal8Bit());
        qputenv("XDG_STATE_HOME", state.toLocal8Bit());
        {
            ScriptedPlatform platform;
            Offer seen;
            // The default button restores everything listed.
            platform.dialogScripts.push_back(answer(seen, [](QDialog *d, QTreeWidget *) {
                QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, Qt::Key_Return);
            }));
            TMainForm f;
            const QString journals = JournalFolder(program).path();
            QCOMPARE(journalsIn(journals).size(), 3);
            // The second round of edits went in as change records, not as whole texts.
            for (const QString &j : journalsIn(journals))
                QVERIFY(JournalReader::read(readFile(j)).changes > 0);
            StartupSequence::showThenOpen(f, {});
            QVERIFY(QTest::qWaitFor([&f] { return f.tabCount() == 3; }));
            QCOMPARE(platform.unscripted, 0);
            QVERIFY(platform.messages.isEmpty());
            QCOMPARE(seen.rows, (QStringList{QStringLiteral("a.html"), QStringLiteral("b.html"), QStringLiteral("無題")}));
            QCOMPARE(seen.disk.value(0), QStringLiteral("変更されていません"));

            for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
                const int tab = tabOf(f, it.key());
                QVERIFY2(tab >= 0, qPrintable(it.key()));
                QCOMPARE(f.EditBoxOfTab(tab)->storedText(), it.value());
                QVERIFY(f.EditBoxOfTab(tab)->isModified());
            }
            const QString a = program + QStringLiteral("a.html");
            const QString b = program + QStringLiteral("b.html");
            QCOMPARE(f.documentManager().format(tabOf(f, a)), (DocumentFile::Format{}));
            QCOMPARE(f.documentManager().format(tabOf(f, b)),
                     (DocumentFile::Format{DocumentEncoding::Encoding::Utf8, DocumentEncoding::LineBreak::Lf}));
            // Not a byte written to the files until the user saves.
            QCOMPARE(readFile(a), sjisPage());
            QCOMPARE(readFile(b), utf8Page());

            // The restored documents have journals of their own in place of the old ones.
            f.recovery().waitWritten();
            const QStringList now = journalsIn(journals);
            QCOMPARE(now.size(), 3);
            for (const QString &j : now) {
                const JournalReader::Result r = JournalReader::read(readFile(j));
                QCOMPARE(r.status, JournalReader::Status::Ok);
                QCOMPARE(r.text, expected.value(r.meta.untitled ? Untitled : r.meta.name));
            }

            // Saved, each comes out as the killed program would have written it.
            f.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&f));
            for (const QString &name : {a, b}) {
                f.selectTab(tabOf(f, name));
                QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
                QCOMPARE(readFile(name), DocumentFile::serialize(expected.value(name), f.documentManager().format(tabOf(f, name))));
            }
            f.recovery().waitWritten();
            QCOMPARE(journalsIn(journals).size(), 1); // the untitled page's
        }
        qunsetenv("TAGWELL_PROGRAM_DIR");
        qunsetenv("XDG_STATE_HOME");
    }

    // Restore, discard and keep for later, row by row; later ones come back at the next start.
    void eachJournalAsTheUserChooses()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.show();
        const QString one = fx.writeFile(QStringLiteral("one.html"), "one\r\n");
        const QString two = fx.writeFile(QStringLiteral("two.html"), "two\r\n");
        const QString three = fx.writeFile(QStringLiteral("three.html"), "three\r\n");
        for (const QString &name : {one, two, three}) {
            f.OpenDocument(name);
            QTest::keyClicks(f.activeBox(), QStringLiteral("edited "));
        }
        // The window goes without closing its documents, as when the session ends under it.
        writeFile(three, "changed on disk\r\n");
        fx.restart();
        QTest::qWait(1100); // a restore in a later second than the last change

        Offer seen;
        fx.platform().dialogScripts.push_back(answer(seen, [](QDialog *d, QTreeWidget *list) {
            choose(list, 1, 1); // discard
            choose(list, 2, 2); // keep for later
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("OkBtn")), Qt::LeftButton);
        }));
        fx.form().offerRecovery();
        QCOMPARE(fx.platform().unscripted, 0);
        QCOMPARE(seen.rows, (QStringList{QStringLiteral("one.html"), QStringLiteral("two.html"), QStringLiteral("three.html")}));
        QCOMPARE(seen.disk, (QStringList{QStringLiteral("変更されていません"), QStringLiteral("変更されていません"),
                                         QStringLiteral("その後に変更されています")}));
        QCOMPARE(fx.form().documentManager().names(), QStringList{one});
        QCOMPARE(fx.form().activeBox()->text(), QStringLiteral("edited one\n"));

        // Only the one kept comes back, and the restored one, unsaved, with the time it was
        // last changed; あとで keeps them once more.
        const QString oneChanged = seen.changed.value(0);
        fx.restart();
        seen = {};
        fx.platform().dialogScripts.push_back(answer(seen, [](QDialog *d, QTreeWidget *) {
            QTest::mouseClick(d->findChild<QPushButton *>(QStringLiteral("LaterBtn")), Qt::LeftButton);
        }));
        fx.form().offerRecovery();
        QCOMPARE(seen.changed.value(seen.rows.indexOf(QStringLiteral("one.html"))), oneChanged);
        seen.rows.sort();
        QCOMPARE(seen.rows, (QStringList{QStringLiteral("one.html"), QStringLiteral("three.html")}));
        QCOMPARE(fx.form().tabCount(), 0);
        fx.restart();
        seen = {};
        fx.platform().dialogScripts.push_back(answer(seen, [](QDialog *d, QTreeWidget *) { QTest::keyClick(d, Qt::Key_Escape); }));
        fx.form().offerRecovery();
        QCOMPARE(seen.rows.size(), 2);
    }

    // Saving, closing without the changes, undoing back to the file and a normal shutdown
    // leave no journal; a change shows in the journal within two seconds, and at once on a
    // tab switch.
    void journalsFollowTheDocuments()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString folder = f.recovery().folderPath();
        const QString page = fx.writeFile(QStringLiteral("page.html"), "<P>page</P>\r\n");
        f.OpenDocument(page);
        EditBox *box = f.activeBox();
        QTest::keyClicks(box, QStringLiteral("abc"));
        QVERIFY(QTest::qWaitFor([&] {
            const QStringList js = journalsIn(folder);
            return js.size() == 1 && JournalReader::read(readFile(js.first())).text == box->storedText();
        }, 2500));
        QTest::keyClicks(box, QStringLiteral("d"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_N, Qt::ControlModifier); // a new page: a tab switch
        f.recovery().waitWritten();
        QCOMPARE(JournalReader::read(readFile(journalsIn(folder).value(0))).text, QStringLiteral("ab<P>page</P>\u2029"));

        // Undone back to the file: nothing to recover.
        f.selectTab(0);
        for (int i = 0; i < 10 && box->isModified(); ++i)
            QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!box->isModified());
        f.recovery().waitWritten();
        QVERIFY(journalsIn(folder).isEmpty());

        // Saved.
        QTest::keyClicks(box, QStringLiteral("x"));
        QVERIFY(QTest::qWaitFor([&] { return journalsIn(folder).size() == 1; }, 2500));
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        f.recovery().waitWritten();
        QVERIFY(journalsIn(folder).isEmpty());

        // Closed without saving.
        QTest::keyClicks(box, QStringLiteral("y"));
        QTest::keyClick(box, Qt::Key_Tab, Qt::ControlModifier);
        f.recovery().waitWritten();
        QCOMPARE(journalsIn(folder).size(), 1);
        f.selectTab(0);
        fx.platform().messageAnswers.push_back(Platform::Answer::No);
        QTest::keyClick(f.activeBox(), Qt::Key_F4, Qt::ControlModifier);
        QCOMPARE(f.tabCount(), 1);
        f.recovery().waitWritten();
        QVERIFY(journalsIn(folder).isEmpty());

        // A normal shutdown that discards the untitled page's text.
        QTest::keyClicks(f.activeBox(), QStringLiteral("new"));
        QVERIFY(QTest::qWaitFor([&] { return journalsIn(folder).size() == 1; }, 2500));
        fx.platform().messageAnswers.push_back(Platform::Answer::No);
        QVERIFY(f.close());
        f.recovery().waitWritten();
        QVERIFY(journalsIn(folder).isEmpty());
    }

    // A second window of the same program folder, running beside the first, is offered
    // nothing of what the first one keeps.
    void runningProgramsKeepTheirJournals()
    {
        ShellFixture fx;
        TMainForm &first = fx.form();
        first.OpenDocument(fx.writeFile(QStringLiteral("page.html"), "page\r\n"));
        QTest::keyClicks(first.activeBox(), QStringLiteral("typed "));
        QVERIFY(QTest::qWaitFor([&] { return journalsIn(first.recovery().folderPath()).size() == 1; }, 2500));
        {
            TMainForm second;
            second.offerRecovery();
            QCOMPARE(second.tabCount(), 0);
            QCOMPARE(fx.platform().unscripted, 0); // no dialog was shown
        }
        QCOMPARE(journalsIn(first.recovery().folderPath()).size(), 1);
    }

    // A state folder on a full disk: told once, and the editing goes on.
    void fullDiskIsReportedOnce()
    {
        ShellFixture fx;
        const QString small = fx.path(QStringLiteral("small"));
        QDir().mkpath(small);
        SmallDisk disk(small, QStringLiteral("64k"));
        if (!disk.mounted())
            QSKIP("cannot mount a small tmpfs here");
        qputenv("XDG_STATE_HOME", small.toLocal8Bit());
        fx.restart();
        TMainForm &f = fx.form();
        const QString page = fx.writeFile(QStringLiteral("page.html"), QByteArray(200 * 1024, 'a') + "\r\n");
        f.OpenDocument(page);
        QTest::keyClicks(f.activeBox(), QStringLiteral("x"));
        QVERIFY(QTest::qWaitFor([&] { return !fx.platform().messages.isEmpty(); }, 4000));
        QVERIFY(fx.platform().messages.first().text.contains(QStringLiteral("記録できませんでした")));
        QTest::keyClicks(f.activeBox(), QStringLiteral("yz"));
        QTest::qWait(2500);
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(f.activeBox()->text().left(3), QStringLiteral("xyz"));
        QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
        f.recovery().waitWritten();
        QVERIFY(journalsIn(f.recovery().folderPath()).isEmpty());
        // Off the small disk before it goes.
        qputenv("XDG_STATE_HOME", fx.path(QStringLiteral("state")).toLocal8Bit());
        fx.restart();
    }

    // Journals that cannot be read are reported once and set aside; the program starts.
    void unreadableJournalsAreSetAside()
    {
        ShellFixture fx;
        const QString folder = fx.form().recovery().folderPath();
        writeFile(folder + QStringLiteral("0badc0de-1.twj"), "not a journal at all");
        QByteArray newer = JournalRecord::start({}, QStringLiteral("text"), 0);
        newer[8] = char(JournalRecord::Version + 1);
        writeFile(folder + QStringLiteral("0badc0de-2.twj"), newer);
        fx.restart();
        fx.form().offerRecovery();
        QCOMPARE(fx.platform().messages.size(), 1);
        const QString text = fx.platform().messages.first().text;
        QVERIFY(text.contains(QStringLiteral("0badc0de-1.twj")) && text.contains(QStringLiteral("0badc0de-2.twj")));
        QVERIFY(text.contains(QStringLiteral("新しい版")));
        QVERIFY(journalsIn(folder).isEmpty());
        QCOMPARE(journalsIn(folder + QStringLiteral("aside/")).size(), 2);
        QCOMPARE(fx.form().tabCount(), 0);
        fx.form().offerRecovery(); // reported once, not at every start
        QCOMPARE(fx.platform().messages.size(), 1);
    }
};

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], ChildArgument) == 0) {
        QApplication app(argc, argv);
        return editThenWait(QString::fromLocal8Bit(argv[2]));
    }
    QApplication app(argc, argv);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"

// A program folder that cannot be written: the program goes on with its settings in memory,
// says once that they cannot be saved, and still asks about and saves every document.
#include "ShellFixture.h"
#include "SmallDisk.h"

#include "app/EditBox.h"

#include <QAction>
#include <QDir>
#include <QProcess>
#include <QTest>

using Answer = Platform::Answer;

namespace {

void typeInto(EditBox *box, const QString &text)
{
    QTextCursor c = box->textCursor();
    c.insertText(text);
    box->setTextCursor(c);
}

QAction *action(TMainForm &f, const char *name)
{
    return f.findChild<QAction *>(QLatin1String(name));
}

QList<ScriptedPlatform::Message> messagesOf(const ScriptedPlatform &p, Platform::MessageKind kind)
{
    QList<ScriptedPlatform::Message> out;
    for (const auto &m : p.messages) {
        if (m.kind == kind)
            out << m;
    }
    return out;
}

QList<ScriptedPlatform::Message> settingsWarnings(const ScriptedPlatform &p)
{
    QList<ScriptedPlatform::Message> out;
    for (const auto &m : messagesOf(p, Platform::MessageKind::Warning)) {
        if (m.text.startsWith(QStringLiteral("設定を保存できませんでした")))
            out << m;
    }
    return out;
}

Platform::FileAnswer files(const QStringList &names)
{
    Platform::FileAnswer a;
    a.files = names;
    return a;
}

const QByteArray StoredSettings("[Tagwell]\r\nVersion=0.92\r\n[Memo]\r\nTab=2\r\nCase=1\r\n");
} // namespace

class TestSettingsFaults : public QObject
{
    Q_OBJECT
private:
    // The fixture's program folder on its own disk, read-only, with a window started on it.
    bool startReadOnly(ShellFixture &fx, SmallDisk &disk, bool withSettings)
    {
        if (!disk.mounted())
            return false;
        if (withSettings)
            fx.writeFile(QStringLiteral("TW.ini"), StoredSettings);
        if (!disk.remount(QStringLiteral("ro")))
            return false;
        fx.restart();
        fx.platform().messages.clear();
        return true;
    }

private Q_SLOTS:
    void readOnlyProgramFolder_data()
    {
        QTest::addColumn<bool>("withSettings");
        QTest::newRow("no settings file yet") << false;
        QTest::newRow("settings file from before") << true;
    }

    void readOnlyProgramFolder()
    {
        QFETCH(bool, withSettings);
        ShellFixture fx;
        SmallDisk disk(fx.folder(), QStringLiteral("1m"));
        if (!startReadOnly(fx, disk, withSettings))
            QSKIP("mounting a small tmpfs is not permitted here; the read-only program folder is not checked");
        TMainForm &f = fx.form();
        ScriptedPlatform &p = fx.platform();
        // Start-up reads what is there and writes nothing (not even the Temp folder), so it says nothing.
        QVERIFY(p.messages.isEmpty());
        QCOMPARE(f.tabSpaces(), QString(withSettings ? 4 : 2, QLatin1Char(' ')));

        QTemporaryDir docs;
        const QString a = docs.filePath(QStringLiteral("a.html"));
        {
            QFile file(a);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("old a");
        }
        // Opened through the open command, so that the history is written as well.
        p.fileAnswers.push_back(files({a}));
        f.FileOpenClick();
        QCOMPARE(f.tabCount(), 1);
        typeInto(f.activeBox(), QStringLiteral("new "));

        // Commands that write their setting at once work for this run all the same.
        action(f, "TagLower")->trigger();
        QCOMPARE(f.tagCase(), 0);
        action(f, "OptWordWrap")->trigger();
        QCOMPARE(f.wordWrap(), 1);
        QList<ScriptedPlatform::Message> warnings = settingsWarnings(p);
        QCOMPARE(warnings.size(), 1);
        QCOMPARE(messagesOf(p, Platform::MessageKind::Warning).size(), 1);
        QCOMPARE(warnings.first().buttons, Platform::Buttons::Ok);
        QVERIFY2(!warnings.first().text.section(QLatin1String("\r\n"), 1).trimmed().isEmpty(),
                 "the message gives the reason");

        f.FileNewClick();
        typeInto(f.activeBox(), QStringLiteral("untitled"));

        // Shutdown asks about both documents; the untitled one goes where the user chooses.
        const QString b = docs.filePath(QStringLiteral("b.html"));
        p.messageAnswers.push_back(Answer::Yes);
        p.fileAnswers.push_back(files({b}));
        p.messageAnswers.push_back(Answer::Yes);
        QVERIFY(f.close());
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(messagesOf(p, Platform::MessageKind::Information).size(), 2);
        QCOMPARE(ShellFixture::readFile(a), QByteArray("new old a"));
        QCOMPARE(ShellFixture::readFile(b), QByteArray("untitled"));
        QCOMPARE(p.unscripted, 0);

        // Every failed write of the shutdown went unreported: the user was told once.
        QCOMPARE(settingsWarnings(p).size(), 1);
        QCOMPARE(messagesOf(p, Platform::MessageKind::Warning).size(), 1);
        // The old settings file is as it was, and nothing half written lies beside it.
        const QStringList left = QDir(fx.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        if (withSettings) {
            QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("TW.ini"))), StoredSettings);
            QCOMPARE(left, QStringList{QStringLiteral("TW.ini")});
        } else {
            QCOMPARE(left, QStringList());
        }
    }

    // The save dialog of an untitled document starts in the program folder; a save there fails,
    // and the shutdown stops with the text still in its tab.
    void untitledDocumentSurvivesAFailedSave()
    {
        ShellFixture fx;
        SmallDisk disk(fx.folder(), QStringLiteral("1m"));
        if (!startReadOnly(fx, disk, true))
            QSKIP("mounting a small tmpfs is not permitted here; the read-only program folder is not checked");
        TMainForm &f = fx.form();
        ScriptedPlatform &p = fx.platform();
        f.FileNewClick();
        typeInto(f.activeBox(), QStringLiteral("keep me"));

        const QString inProgramFolder = fx.path(QStringLiteral("page.html"));
        p.messageAnswers.push_back(Answer::Yes);
        p.fileAnswers.push_back(files({inProgramFolder}));
        QVERIFY(!f.close());
        QCOMPARE(p.fileCalls.size(), 1);
        QCOMPARE(QDir::cleanPath(p.fileCalls.first().request.folder), QDir::cleanPath(fx.folder()));
        const auto failed = messagesOf(p, Platform::MessageKind::Warning);
        QCOMPARE(failed.size(), 1);
        QVERIFY2(failed.first().text.contains(inProgramFolder), qPrintable(failed.first().text));
        QVERIFY(!QFile::exists(inProgramFolder));
        QCOMPARE(f.tabCount(), 1);
        QCOMPARE(f.ActiveDocumentName(), TMainForm::NewPage);
        QCOMPARE(f.activeBox()->text(), QStringLiteral("keep me"));
        QVERIFY(f.activeBox()->isModified());
        QVERIFY(settingsWarnings(p).isEmpty()); // the refused shutdown wrote no settings

        QTemporaryDir docs;
        const QString elsewhere = docs.filePath(QStringLiteral("page.html"));
        p.messageAnswers.push_back(Answer::Yes);
        p.fileAnswers.push_back(files({elsewhere}));
        QVERIFY(f.close());
        QCOMPARE(ShellFixture::readFile(elsewhere), QByteArray("keep me"));
        QCOMPARE(settingsWarnings(p).size(), 1);
        QCOMPARE(ShellFixture::readFile(fx.path(QStringLiteral("TW.ini"))), StoredSettings);
        QCOMPARE(p.unscripted, 0);
    }
};

QTEST_MAIN(TestSettingsFaults)
#include "tst_settingsfaults.moc"

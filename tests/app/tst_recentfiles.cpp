// The history submenu of the File menu and the home folder command.
#include "ShellFixture.h"

#include "app/RecentFiles.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTest>
#include <QToolButton>

namespace {
Platform::FileAnswer files(const QStringList &names)
{
    Platform::FileAnswer a;
    a.files = names;
    return a;
}

QStringList captionsOf(QMenu *menu)
{
    QStringList out;
    const auto actions = menu->actions();
    for (const QAction *a : actions)
        out << a->text();
    return out;
}

// What a user sees: the File menu opened afresh.
QMenu *openFileMenu(TMainForm &f)
{
    Q_EMIT f.form()->MenuFile->aboutToShow();
    return f.form()->FileHistory;
}

QStringList stored(const ShellFixture &fx)
{
    ProfileStore ini(fx.path(QStringLiteral("TW.ini")));
    QStringList out;
    const int n = ini.readInteger(QStringLiteral("Opened"), QStringLiteral("Count"), 0);
    for (int i = 1; i <= n; ++i)
        out << ini.readString(QStringLiteral("Opened"), QString::number(i));
    return out;
}

QByteArray historyIni(const QStringList &names, int count)
{
    QByteArray out = "[Opened]\r\nCount=" + QByteArray::number(count) + "\r\n";
    for (int i = 0; i < names.size(); ++i)
        out += QByteArray::number(i + 1) + '=' + names.at(i).toLocal8Bit() + "\r\n";
    return out;
}
} // namespace

class TestRecentFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void emptyHistoryShowsNone_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::newRow("no TW.ini") << QByteArray();
        QTest::newRow("no section") << QByteArray("[Form]\r\nTop=1\r\n");
        QTest::newRow("count 0") << QByteArray("[Opened]\r\nCount=0\r\n1=/x/a.html\r\n");
    }
    void emptyHistoryShowsNone()
    {
        QFETCH(QByteArray, ini);
        ShellFixture fx(ini);
        QMenu *menu = openFileMenu(fx.form());
        QCOMPARE(captionsOf(menu), QStringList({QStringLiteral("(なし)")}));
        QVERIFY(!menu->actions().first()->isEnabled());
    }

    void negativeCountShowsNothing()
    {
        ShellFixture fx("[Opened]\r\nCount=-3\r\n1=/x/a.html\r\n");
        QVERIFY(openFileMenu(fx.form())->actions().isEmpty());
    }

    void openingMovesToTheTopWithoutDuplicates()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
        fx.platform().fileAnswers.push_back(files({a}));
        f.FileOpenClick();
        fx.platform().fileAnswers.push_back(files({b}));
        f.FileOpenClick();
        QCOMPARE(stored(fx), QStringList({b, a}));
        f.selectTab(0);
        f.FileCloseClick();
        fx.platform().fileAnswers.push_back(files({a}));
        f.FileOpenClick();
        QCOMPARE(stored(fx), QStringList({a, b}));
        QCOMPARE(captionsOf(openFileMenu(f)), QStringList({"&1 " + a, "&2 " + b}));
        // Opening without the dialog is no choice of the user's.
        const QString c = fx.writeFile(QStringLiteral("c.html"), "c");
        f.OpenDocument(c);
        QCOMPARE(stored(fx), QStringList({a, b}));
    }

    void storedEntriesSurviveAnAdditionBeforeTheMenuOpens()
    {
        ShellFixture fx(historyIni({QStringLiteral("/old/1.html"), QStringLiteral("/old/2.html")}, 2));
        TMainForm &f = fx.form();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        fx.platform().fileAnswers.push_back(files({a}));
        f.FileOpenClick(); // Ctrl+O: the File menu never opened
        QCOMPARE(stored(fx), QStringList({a, QStringLiteral("/old/1.html"), QStringLiteral("/old/2.html")}));
    }

    void nineShownTenKept()
    {
        QStringList names;
        for (int i = 1; i <= 12; ++i)
            names << QStringLiteral("/h/%1.html").arg(i);
        ShellFixture fx(historyIni(names, 12));
        TMainForm &f = fx.form();
        QMenu *menu = openFileMenu(f);
        QCOMPARE(menu->actions().size(), 9);
        QCOMPARE(menu->actions().at(8)->text(), QStringLiteral("&9 /h/9.html"));
        RecentFiles *history = f.findChild<RecentFiles *>();
        QVERIFY(history);
        history->AddToHistory(QStringLiteral("/n/new.html"));
        QCOMPARE(stored(fx).size(), 10);
        QCOMPARE(stored(fx).first(), QStringLiteral("/n/new.html"));
        QCOMPARE(stored(fx).last(), QStringLiteral("/h/9.html"));
        QCOMPARE(history->entries().size(), 9);
        // The tenth is overwritten by the next addition.
        history->AddToHistory(QStringLiteral("/n/newer.html"));
        QCOMPARE(stored(fx).size(), 10);
        QCOMPARE(stored(fx).at(1), QStringLiteral("/n/new.html"));
        QCOMPARE(stored(fx).last(), QStringLiteral("/h/8.html"));
    }

    void clickingAnEntryOpensItAndMovesItUp()
    {
        ShellFixture fx;
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString b = fx.writeFile(QStringLiteral("b.html"), "b");
        fx.writeFile(QStringLiteral("TW.ini"), historyIni({a, b}, 2));
        TMainForm &f = fx.form();
        openFileMenu(f)->actions().at(1)->trigger();
        QCOMPARE(f.documentNames(), QStringList({b}));
        QCOMPARE(stored(fx), QStringList({b, a}));
        QCOMPARE(captionsOf(f.form()->FileHistory), QStringList({"&1 " + b, "&2 " + a}));

        // Already open: only the message, the order stays.
        openFileMenu(f)->actions().at(0)->trigger();
        QCOMPARE(f.tabCount(), 1);
        QCOMPARE(fx.platform().messages.size(), 1);
        QCOMPARE(fx.platform().messages.first().text, QStringLiteral("\"b.html\" は編集中です。"));
        QCOMPARE(stored(fx), QStringList({b, a}));
    }

    void aMissingFileIsRemoved()
    {
        ShellFixture fx;
        const QString a = fx.writeFile(QStringLiteral("a.html"), "a");
        const QString gone = fx.path(QStringLiteral("gone.html"));
        fx.writeFile(QStringLiteral("TW.ini"), historyIni({a, gone}, 2));
        TMainForm &f = fx.form();
        openFileMenu(f)->actions().at(1)->trigger();
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(fx.platform().messages.size(), 1);
        const ScriptedPlatform::Message &m = fx.platform().messages.first();
        QCOMPARE(m.text, QStringLiteral("\"gone.html\" は見つかりませんでした。\r\nヒストリから削除します。"));
        QCOMPARE(m.title, QStringLiteral("情報"));
        QCOMPARE(m.topLeft, std::optional<QPoint>(QPoint(f.x() + 180, f.y() + 150)));
        QCOMPARE(stored(fx), QStringList({a}));
        QCOMPARE(captionsOf(openFileMenu(f)), QStringList({"&1 " + a}));

        // A folder of that name is no file either; the last entry leaves "(なし)".
        QVERIFY(QDir().remove(a));
        QVERIFY(QDir().mkdir(a));
        openFileMenu(f)->actions().at(0)->trigger();
        QCOMPARE(f.tabCount(), 0);
        QCOMPARE(ProfileStore(fx.path(QStringLiteral("TW.ini"))).readInteger(QStringLiteral("Opened"), QStringLiteral("Count"), -1), 0);
        QCOMPARE(captionsOf(f.form()->FileHistory), QStringList({QStringLiteral("(なし)")}));
    }

    void ampersandsInNamesAreShownAndKept()
    {
        ShellFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("Tom&Jerry")));
        const QString a = fx.writeFile(QStringLiteral("Tom&Jerry/a.html"), "a");
        fx.writeFile(QStringLiteral("TW.ini"), historyIni({a}, 1));
        TMainForm &f = fx.form();
        QAction *entry = openFileMenu(f)->actions().first();
        QCOMPARE(entry->text(), QStringLiteral("&1 ") + fx.folder() + QStringLiteral("Tom&&Jerry/a.html"));
        entry->trigger();
        QCOMPARE(f.documentNames(), QStringList({a}));
        QCOMPARE(stored(fx), QStringList({a}));
    }

    void openHomeStartsInTheHomeFolder_data()
    {
        QTest::addColumn<bool>("configured");
        QTest::newRow("default: program folder") << false;
        QTest::newRow("HomeFolder/Path") << true;
    }
    void openHomeStartsInTheHomeFolder()
    {
        QFETCH(bool, configured);
        ShellFixture fx;
        QVERIFY(QDir(fx.folder()).mkdir(QStringLiteral("home")));
        const QString home = fx.path(QStringLiteral("home/"));
        if (configured)
            fx.writeFile(QStringLiteral("TW.ini"), "[HomeFolder]\r\nPath=" + home.toLocal8Bit() + "\r\n");
        TMainForm &f = fx.form();
        const QString upper = fx.writeFile(QStringLiteral("home/B.html"), "B");
        const QString lower = fx.writeFile(QStringLiteral("home/a.html"), "a");
        fx.platform().fileAnswers.push_back(files({upper, lower}));
        f.form()->OpenHomeSpd->click();
        QCOMPARE(fx.platform().fileCalls.size(), 1);
        QCOMPARE(fx.platform().fileCalls.first().request.folder, configured ? home : fx.folder());
        QCOMPARE(fx.platform().fileCalls.first().request.title, QStringLiteral("ファイルを開く"));
        QCOMPARE(f.documentNames(), QStringList({lower, upper})); // sorted without regard to case
        QCOMPARE(stored(fx), QStringList({upper, lower}));

        // The menu item runs the same command; a cancel does nothing.
        fx.platform().fileAnswers.push_back(files({}));
        f.findChild<QAction *>(QStringLiteral("OpenHome"))->trigger();
        QCOMPARE(fx.platform().fileCalls.size(), 2);
        QCOMPARE(f.tabCount(), 2);
    }
};

QTEST_MAIN(TestRecentFiles)
#include "tst_recentfiles.moc"

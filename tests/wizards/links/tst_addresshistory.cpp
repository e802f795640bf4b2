// The remembered home page, mail and FTP addresses in TW.ini.
#include "platform/ProfileStore.h"
#include "wizards/links/AddressHistory.h"
#include "wizards/links/LinkMarkup.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString writeIni(const QTemporaryDir &dir, const QByteArray &bytes)
{
    const QString path = dir.filePath(QStringLiteral("TW.ini"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    f.write(bytes);
    return path;
}
} // namespace

class TestAddressHistory : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void sections()
    {
        QCOMPARE(AddressHistory::sectionOf(LinkMarkup::HomePage), QStringLiteral("HP"));
        QCOMPARE(AddressHistory::sectionOf(LinkMarkup::Mail), QStringLiteral("Mail"));
        QCOMPARE(AddressHistory::sectionOf(LinkMarkup::Ftp), QStringLiteral("FTP"));
        for (int mode : {0, 8, 9, 10, 11, 12, 13, 14})
            QVERIFY(AddressHistory::sectionOf(mode).isEmpty());
    }

    void load_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("no section") << QByteArray("[Memo]\r\nCase=1\r\n") << QStringList{};
        QTest::newRow("in key order") << QByteArray("[HP]\r\nCount=2\r\n2=http://b/\r\n1=http://a/\r\n")
                                      << QStringList{"http://a/", "http://b/"};
        QTest::newRow("missing key gives an empty entry")
            << QByteArray("[HP]\r\nCount=3\r\n1=a\r\n3=c\r\n") << QStringList{"a", "", "c"};
        QTest::newRow("keys beyond Count are not read") << QByteArray("[HP]\r\nCount=1\r\n1=a\r\n2=b\r\n")
                                                        << QStringList{"a"};
        QTest::newRow("not a number") << QByteArray("[HP]\r\nCount=many\r\n1=a\r\n") << QStringList{};
        QTest::newRow("negative") << QByteArray("[HP]\r\nCount=-4\r\n1=a\r\n") << QStringList{};
        QByteArray many("[HP]\r\nCount=20\r\n");
        QStringList first15;
        for (int i = 1; i <= 20; ++i) {
            many += QByteArray::number(i) + "=u" + QByteArray::number(i) + "\r\n";
            if (i <= 15)
                first15 << QStringLiteral("u%1").arg(i);
        }
        QTest::newRow("at most fifteen") << many << first15;
    }
    void load()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QStringList, entries);
        QTemporaryDir dir;
        QCOMPARE(AddressHistory::load(ProfileStore(writeIni(dir, ini)), QStringLiteral("HP")), entries);
    }

    void newestFirst_data()
    {
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new address on top") << "c" << QStringList{"a", "b"} << QStringList{"c", "a", "b"};
        QTest::newRow("repeated address moves up") << "b" << QStringList{"a", "b", "c"} << QStringList{"b", "a", "c"};
        QTest::newRow("every copy goes") << "b" << QStringList{"b", "a", "b"} << QStringList{"b", "a"};
        QTest::newRow("exact comparison") << "http://A/" << QStringList{"http://a/"}
                                          << QStringList{"http://A/", "http://a/"};
        QTest::newRow("into an empty list") << "a" << QStringList{} << QStringList{"a"};
    }
    void newestFirst()
    {
        QFETCH(QString, entered);
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        QCOMPARE(AddressHistory::withNewest(entered, before), after);
    }

    void saveReplacesTheSection()
    {
        QTemporaryDir dir;
        ProfileStore ini(writeIni(dir, "[HP]\r\nCount=3\r\n1=x\r\n2=y\r\n3=z\r\nStray=1\r\n[Mail]\r\nCount=1\r\n1=m\r\n"));
        QVERIFY(AddressHistory::save(ini, QStringLiteral("HP"), {QStringLiteral("new"), QStringLiteral("x")}));
        QCOMPARE(ini.keyNames(QStringLiteral("HP")),
                 (QStringList{QStringLiteral("Count"), QStringLiteral("1"), QStringLiteral("2")}));
        QCOMPARE(ini.readInteger(QStringLiteral("HP"), QStringLiteral("Count"), -1), 2);
        QCOMPARE(AddressHistory::load(ini, QStringLiteral("HP")), (QStringList{QStringLiteral("new"), QStringLiteral("x")}));
        // Other lists are left alone.
        QCOMPARE(AddressHistory::load(ini, QStringLiteral("Mail")), QStringList{QStringLiteral("m")});
    }

    void sixteenthPushesTheOldestOut()
    {
        QTemporaryDir dir;
        ProfileStore ini(dir.filePath(QStringLiteral("TW.ini")));
        for (int i = 1; i <= 16; ++i) {
            const QStringList list = AddressHistory::withNewest(QStringLiteral("http://site%1/").arg(i),
                                                                AddressHistory::load(ini, QStringLiteral("HP")));
            QVERIFY(AddressHistory::save(ini, QStringLiteral("HP"), list));
        }
        QStringList stored = AddressHistory::load(ini, QStringLiteral("HP"));
        QCOMPARE(stored.size(), 15);
        QCOMPARE(stored.first(), QStringLiteral("http://site16/"));
        QCOMPARE(stored.last(), QStringLiteral("http://site2/"));
        QVERIFY(!stored.contains(QStringLiteral("http://site1/")));
        QCOMPARE(ini.readInteger(QStringLiteral("HP"), QStringLiteral("Count"), -1), 15);
        QVERIFY(ini.readString(QStringLiteral("HP"), QStringLiteral("16")).isEmpty());

        // An old address entered again moves to "1" instead of appearing twice.
        QVERIFY(AddressHistory::save(ini, QStringLiteral("HP"),
                                     AddressHistory::withNewest(QStringLiteral("http://site9/"), stored)));
        stored = AddressHistory::load(ini, QStringLiteral("HP"));
        QCOMPARE(stored.size(), 15);
        QCOMPARE(stored.first(), QStringLiteral("http://site9/"));
        QCOMPARE(stored.count(QStringLiteral("http://site9/")), 1);
        QCOMPARE(stored.at(1), QStringLiteral("http://site16/"));
    }

    void failedWriteIsReported()
    {
        QTemporaryDir dir;
        // The settings file's folder does not exist, so nothing can be written.
        ProfileStore ini(dir.filePath(QStringLiteral("gone/TW.ini")));
        QVERIFY(!AddressHistory::save(ini, QStringLiteral("FTP"), {QStringLiteral("ftp://x/")}));
        QVERIFY(!ini.lastError().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestAddressHistory)
#include "tst_addresshistory.moc"

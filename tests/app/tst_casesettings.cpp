// The case settings as TW.ini may hold them: any value but 0 is upper case, for the
// commands and the check marks alike.
#include "ShellFixture.h"

#include "app/EditBox.h"

#include <QAction>
#include <QTest>

namespace {
bool checked(TMainForm &f, const char *name)
{
    return f.findChild<QAction *>(QLatin1String(name))->isChecked();
}
} // namespace

class TestCaseSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void otherValuesShowAsUpperCase_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("2") << QByteArray("2");
        QTest::newRow("-1") << QByteArray("-1");
        QTest::newRow("1") << QByteArray("1");
    }

    void otherValuesShowAsUpperCase()
    {
        QFETCH(QByteArray, stored);
        ShellFixture fx("[Memo]\r\nCase=" + stored + "\r\nStyleCase=" + stored + "\r\n");
        TMainForm &f = fx.form();
        QVERIFY(checked(f, "TagUpper"));
        QVERIFY(!checked(f, "TagLower"));
        QVERIFY(checked(f, "StyleUpper"));
        QVERIFY(!checked(f, "StyleLower"));
        f.FileNewClick();
        f.findChild<QAction *>(QStringLiteral("fBold"))->trigger();
        QCOMPARE(f.activeBox()->text(), QStringLiteral("<B></B>"));
    }

    void zeroIsLowerCase()
    {
        ShellFixture fx("[Memo]\r\nCase=0\r\nStyleCase=0\r\n");
        TMainForm &f = fx.form();
        QVERIFY(!checked(f, "TagUpper"));
        QVERIFY(checked(f, "TagLower"));
        QVERIFY(checked(f, "StyleLower"));
    }
};

QTEST_MAIN(TestCaseSettings)
#include "tst_casesettings.moc"

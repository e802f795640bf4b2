// Fonts named in TW.ini that are not installed give way to fonts that cover Japanese, so
// that tags and Japanese text come from one font.
#include "app/FontFallback.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

class TestFontFallback : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void missingEditorFontBecomesAJapaneseMonospacedFont()
    {
        const QString standIn = FontFallback::japaneseFamily(FontFallback::Kind::Monospace);
        if (standIn.isEmpty())
            QSKIP("no monospaced font for Japanese is installed (fonts-ipafont-gothic); scripts/deps installs one");
        const StoredFont stored{QStringLiteral("FixedSys"), 128, 14, 1};
        QVERIFY(!QFontDatabase::hasFamily(stored.name));
        const QFont font = FontFallback::fromStored(stored, FontFallback::Kind::Monospace);
        QCOMPARE(QFontInfo(font).family(), standIn);
        QVERIFY(QFontDatabase::writingSystems(standIn).contains(QFontDatabase::Japanese));
        QCOMPARE(font.pointSize(), 14);
        QVERIFY(font.bold());
        // The Latin half is fixed-pitch and a full-width character is two columns (within rounding).
        const QFontMetricsF m(font);
        QCOMPARE(m.horizontalAdvance(QLatin1Char('<')), m.horizontalAdvance(QLatin1Char('W')));
        QVERIFY(qAbs(m.horizontalAdvance(QStringLiteral("ペ")) - 2 * m.horizontalAdvance(QLatin1Char('<'))) <= 1.0);
        QCOMPARE(stored.name, QStringLiteral("FixedSys")); // the stored name stays
    }

    void missingTabFontBecomesAJapaneseFont()
    {
        const QString standIn = FontFallback::japaneseFamily(FontFallback::Kind::Proportional);
        if (standIn.isEmpty())
            QSKIP("no font for Japanese is installed");
        const QFont font = FontFallback::fromStored({QStringLiteral("ＭＳ Ｐゴシック"), 128, 9, 0}, FontFallback::Kind::Proportional);
        QCOMPARE(QFontInfo(font).family(), standIn);
        QVERIFY(QFontDatabase::writingSystems(standIn).contains(QFontDatabase::Japanese));
    }

    void installedFontIsKept()
    {
        const QStringList families = QFontDatabase::families();
        if (families.isEmpty())
            QSKIP("no fonts installed");
        const QFont font = FontFallback::fromStored({families.first(), 128, 11, 2}, FontFallback::Kind::Monospace);
        QCOMPARE(font.family(), families.first());
        QVERIFY(font.italic());
    }
};

QTEST_MAIN(TestFontFallback)
#include "tst_fontfallback.moc"

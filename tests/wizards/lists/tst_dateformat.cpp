// The date dialog's format letters, weekday names and the order of its parts.
#include "wizards/lists/DateFormat.h"

#include <QTest>

namespace {
// Wednesday 2026-03-04, 09:05:07, and a locale with its own separators and words.
const QDateTime Morning(QDate(2026, 3, 4), QTime(9, 5, 7));
const QDateTime Midnight(QDate(2027, 12, 26), QTime(0, 0, 0));
const QDateTime Noon(QDate(2000, 1, 1), QTime(12, 30, 59));
const QDateTime Evening(QDate(2009, 10, 11), QTime(23, 59, 8));

DateFormat::Conventions dots()
{
    DateFormat::Conventions c;
    c.dateSeparator = QStringLiteral(".");
    c.timeSeparator = QStringLiteral("h");
    c.am = QStringLiteral("午前");
    c.pm = QStringLiteral("午後");
    return c;
}
} // namespace

class TestDateFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyListedFormat_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("expected");
        QTest::newRow("yyyy/mm/dd") << "yyyy/mm/dd" << Morning << "2026.03.04";
        QTest::newRow("yyyy/m/d") << "yyyy/m/d" << Morning << "2026.3.4";
        QTest::newRow("yy/mm/dd") << "yy/mm/dd" << Midnight << "27.12.26";
        QTest::newRow("yy/m/d 2000") << "yy/m/d" << Noon << "00.1.1";
        QTest::newRow("mm/dd/yyyy") << "mm/dd/yyyy" << Morning << "03.04.2026";
        QTest::newRow("m/d/yy") << "m/d/yy" << Evening << "10.11.09";
        QTest::newRow("dd/mm/yyyy") << "dd/mm/yyyy" << Morning << "04.03.2026";
        QTest::newRow("d/m/yy") << "d/m/yy" << Morning << "4.3.26";
        QTest::newRow("yyyy/mm") << "yyyy/mm" << Morning << "2026.03";
        QTest::newRow("yy/m") << "yy/m" << Morning << "26.3";
        QTest::newRow("mm/d") << "mm/d" << Morning << "03.4";
        QTest::newRow("m/dd") << "m/dd" << Morning << "3.04";
        QTest::newRow("hh:nn") << "hh:nn" << Morning << "09h05";
        QTest::newRow("hh:nn:ss") << "hh:nn:ss" << Morning << "09h05h07";
        QTest::newRow("h:n:s") << "h:n:s" << Morning << "9h5h7";
        QTest::newRow("h:nn midnight") << "h:nn" << Midnight << "0h00";
        QTest::newRow("h:nn:ss") << "h:nn:ss" << Evening << "23h59h08";
        QTest::newRow("ampm morning") << "ampm hh:nn" << Morning << "午前 09h05";
        QTest::newRow("ampm midnight is 12") << "ampm h:n:s" << Midnight << "午前 12h0h0";
        QTest::newRow("ampm noon") << "ampm h:nn" << Noon << "午後 12h30";
        QTest::newRow("ampm evening") << "ampm h:nn:ss" << Evening << "午後 11h59h08";
        // m right after an hour is the minute.
        QTest::newRow("h:mm") << "h:mm" << Morning << "9h05";
        QTest::newRow("literal text") << "[yyyy]" << Morning << "[2026]";
    }
    void everyListedFormat()
    {
        QFETCH(QString, pattern);
        QFETCH(QDateTime, moment);
        QFETCH(QString, expected);
        QCOMPARE(DateFormat::format(pattern, moment, dots()), expected);
    }

    void listsHoldThePartsEntries()
    {
        QCOMPARE(DateFormat::dateEntries().size(), 17);
        QCOMPARE(DateFormat::timeEntries().size(), 13);
        QCOMPARE(DateFormat::dayEntries().size(), 10);
        QCOMPARE(DateFormat::dateEntries().first(), QStringLiteral("（なし）"));
        QCOMPARE(DateFormat::timeEntries().last(), QStringLiteral("ampm h:nn:ss"));
        // Every format but "none" gives a text.
        for (const QStringList *list : {&DateFormat::dateEntries(), &DateFormat::timeEntries()}) {
            for (qsizetype i = 1; i < list->size(); ++i)
                QVERIFY(!DateFormat::format(list->at(i), Morning, dots()).isEmpty());
        }
    }

    void weekdays()
    {
        const QDate wednesday = Morning.date();
        const QDate sunday = Midnight.date();
        const QStringList wed = {"", "水", "(水)", "水曜日", "Wed", "WED", "wed", "Wednesday", "WEDNESDAY", "wednesday"};
        const QStringList sun = {"", "日", "(日)", "日曜日", "Sun", "SUN", "sun", "Sunday", "SUNDAY", "sunday"};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(DateFormat::weekday(i, wednesday), wed[i]);
            QCOMPARE(DateFormat::weekday(i, sunday), sun[i]);
        }
        QCOMPARE(DateFormat::weekday(10, sunday), QString());
        QCOMPARE(DateFormat::weekday(3, Noon.date()), QStringLiteral("土曜日"));
    }

    void partsTakePlacesInTheOrderChosen()
    {
        DateParts p;
        p.choose(DateParts::Day, 3, Morning, dots());
        p.choose(DateParts::Date, 1, Morning, dots());
        p.choose(DateParts::Time, 1, Morning, dots());
        QCOMPARE(p.order(), QStringLiteral("231"));
        QCOMPARE(p.preview(), QStringLiteral("水曜日 2026.03.04 09h05"));
        // Another format keeps the place.
        p.choose(DateParts::Date, 16, Morning, dots());
        QCOMPARE(p.preview(), QStringLiteral("水曜日 3.4 09h05"));
        // "none" for a part not in use changes nothing.
        DateParts q;
        q.choose(DateParts::Time, 0, Morning, dots());
        QCOMPARE(q.order(), QStringLiteral("000"));
        QCOMPARE(q.preview(), QString());
    }

    void noneMovesTheLaterPartsDown()
    {
        DateParts p;
        p.choose(DateParts::Date, 1, Morning, dots());
        p.choose(DateParts::Time, 1, Morning, dots());
        p.choose(DateParts::Day, 7, Morning, dots());
        QCOMPARE(p.order(), QStringLiteral("123"));
        p.choose(DateParts::Time, 0, Morning, dots());
        QCOMPARE(p.order(), QStringLiteral("102"));
        QCOMPARE(p.preview(), QStringLiteral("2026.03.04 Wednesday"));
        QCOMPARE(p.index(DateParts::Time), 0);
        // Chosen again, it comes last.
        p.choose(DateParts::Time, 2, Morning, dots());
        QCOMPARE(p.order(), QStringLiteral("132"));
        QCOMPARE(p.preview(), QStringLiteral("2026.03.04 Wednesday 09h05h07"));
        // An index outside the list is "none".
        p.choose(DateParts::Date, 17, Morning, dots());
        QCOMPARE(p.order(), QStringLiteral("021"));
        p.choose(DateParts::Day, -1, Morning, dots());
        QCOMPARE(p.order(), QStringLiteral("010"));
        QCOMPARE(p.preview(), QStringLiteral("09h05h07"));
    }

    void storedOrder_data()
    {
        QTest::addColumn<QString>("order");
        QTest::addColumn<QString>("expected");
        QTest::newRow("as stored") << "312" << "312";
        QTest::newRow("zeros") << "000" << "000";
        QTest::newRow("gap closed") << "030" << "010";
        QTest::newRow("gaps keep the order") << "302" << "201";
        QTest::newRow("repeat placed once") << "112" << "102";
        QTest::newRow("short") << "21" << "210";
        QTest::newRow("empty") << "" << "000";
        QTest::newRow("long") << "1234" << "123";
        QTest::newRow("letters") << "a2?" << "010";
        QTest::newRow("four and up") << "4 9" << "000";
        QTest::newRow("full width digits") << "１２３" << "000";
    }
    void storedOrder()
    {
        QFETCH(QString, order);
        QFETCH(QString, expected);
        DateParts p;
        for (int part = 0; part < 3; ++part)
            p.choose(part, 1, Morning, dots());
        p.applyOrder(order);
        QCOMPARE(p.order(), expected);
    }

    void storedOrderPlacesOnlyChosenParts()
    {
        DateParts p;
        p.choose(DateParts::Time, 1, Morning, dots());
        p.applyOrder(QStringLiteral("123"));
        QCOMPARE(p.order(), QStringLiteral("010"));
        QCOMPARE(p.preview(), QStringLiteral("09h05"));
        // "000" with formats chosen: nothing shows until a part is chosen again.
        DateParts q;
        q.choose(DateParts::Date, 1, Morning, dots());
        q.choose(DateParts::Day, 1, Morning, dots());
        q.applyOrder(QStringLiteral("000"));
        QCOMPARE(q.preview(), QString());
        q.choose(DateParts::Day, 1, Morning, dots());
        QCOMPARE(q.preview(), QStringLiteral("水"));
    }
};

QTEST_GUILESS_MAIN(TestDateFormat)
#include "tst_dateformat.moc"

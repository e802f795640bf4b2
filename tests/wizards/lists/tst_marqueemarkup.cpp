// The MARQUEE element, the colour-name form and the marquee settings in TW.ini.
#include "platform/ProfileStore.h"
#include "wizards/lists/ColorName.h"
#include "wizards/lists/MarqueeMarkup.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// What a stored value reads as; an impossible colour when it reads as none.
RgbColor read(QStringView text)
{
    return ColorName::fromName(text).value_or(RgbColor{-1, -1, -1});
}
} // namespace

class TestMarqueeMarkup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void defaultsWriteThePlainElement()
    {
        QCOMPARE(MarqueeMarkup::element(MarqueeMarkup::Settings(), QStringLiteral("text"), 1),
                 QStringLiteral("<MARQUEE>text</MARQUEE>"));
    }

    void everyAttributeInOrder_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << 1
                               << "<MARQUEE SCROLLAMOUNT=\"5\" SCROLLDELAY=\"100\" DIRECTION=\"RIGHT\" BEHAVIOR=\"ALTERNATE\""
                                  " LOOP=\"3\" BGCOLOR=\"#FFEE0A\" WIDTH=\"300\" HEIGHT=\"20\" ALIGN=\"BOTTOM\" HSPACE=\"4\""
                                  " VSPACE=\"2\">Hello World 今日</MARQUEE>";
        // The text and the colour digits are the user's: only names follow the tag case.
        QTest::newRow("lower") << 0
                               << "<marquee scrollamount=\"5\" scrolldelay=\"100\" direction=\"right\" behavior=\"alternate\""
                                  " loop=\"3\" bgcolor=\"#FFEE0A\" width=\"300\" height=\"20\" align=\"bottom\" hspace=\"4\""
                                  " vspace=\"2\">Hello World 今日</marquee>";
    }
    void everyAttributeInOrder()
    {
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        MarqueeMarkup::Settings s;
        s.amount = 5;
        s.delay = 100;
        s.direction = MarqueeMarkup::Right;
        s.pattern = MarqueeMarkup::Alternate;
        s.loopCounted = true;
        s.loopCount = 3;
        s.background = true;
        s.color = RgbColor{0xFF, 0xEE, 0x0A};
        s.width = 300;
        s.height = 20;
        s.align = MarqueeMarkup::Bottom;
        s.hspace = 4;
        s.vspace = 2;
        QCOMPARE(MarqueeMarkup::element(s, QStringLiteral("Hello World 今日"), tagCase), expected);
    }

    void slideAndTop()
    {
        MarqueeMarkup::Settings s;
        s.pattern = MarqueeMarkup::Slide;
        s.align = MarqueeMarkup::Top;
        s.loopCount = 9; // endless: the count is not written
        QCOMPARE(MarqueeMarkup::element(s, QString(), 1),
                 QStringLiteral("<MARQUEE BEHAVIOR=\"SLIDE\" ALIGN=\"TOP\"></MARQUEE>"));
    }

    void colourNamesBothWays()
    {
        QCOMPARE(ColorName::toName({255, 255, 255}), QStringLiteral("clWhite"));
        QCOMPARE(ColorName::toName({0, 0, 0}), QStringLiteral("clBlack"));
        QCOMPARE(ColorName::toName({0xA6, 0xCA, 0xF0}), QStringLiteral("clSkyBlue"));
        // Silver and light grey are one colour: the first name is written.
        QCOMPARE(ColorName::toName({0xC0, 0xC0, 0xC0}), QStringLiteral("clSilver"));
        QCOMPARE(ColorName::toName({0x12, 0x34, 0xAB}), QStringLiteral("$00AB3412"));

        QCOMPARE(read(u"clRed"), (RgbColor{255, 0, 0}));
        QCOMPARE(read(u"CLNAVY"), (RgbColor{0, 0, 0x80}));
        QCOMPARE(read(u"clLtGray"), (RgbColor{0xC0, 0xC0, 0xC0}));
        QCOMPARE(read(u"cldkgray"), (RgbColor{0x80, 0x80, 0x80}));
        QCOMPARE(read(u"$00AB3412"), (RgbColor{0x12, 0x34, 0xAB}));
        QCOMPARE(read(u"$00ab3412"), (RgbColor{0x12, 0x34, 0xAB}));
        QCOMPARE(read(u"$FF"), (RgbColor{0xFF, 0, 0}));
        for (const char16_t *bad : {u"", u"$", u"white", u"#FFFFFF", u"$FF000000", u"$0000000000", u"$00GG0000", u"clWhite ",
                                    u"$-1", u"１２"})
            QVERIFY2(!ColorName::fromName(bad), qPrintable(QString::fromUtf16(bad)));
        for (int v : {0, 0x80, 0xC0C0C0, 0x123456, 0xFFFFFF, 0xA4A0A0}) {
            const RgbColor c{v & 0xFF, v >> 8 & 0xFF, v >> 16};
            QCOMPARE(read(ColorName::toName(c)), c);
        }
    }

    void settingsRoundTrip()
    {
        QTemporaryDir dir;
        ProfileStore ini(dir.filePath(QStringLiteral("TW.ini")));
        QCOMPARE(MarqueeMarkup::read(ini), MarqueeMarkup::Settings());
        MarqueeMarkup::Settings s;
        s.amount = 7;
        s.delay = 1000;
        s.direction = MarqueeMarkup::Right;
        s.pattern = MarqueeMarkup::Slide;
        s.loopCounted = true;
        s.loopCount = 12;
        s.background = true;
        s.color = RgbColor{1, 2, 3};
        s.width = 640;
        s.height = 1;
        s.align = MarqueeMarkup::Top;
        s.hspace = 8;
        s.vspace = 9;
        QVERIFY(MarqueeMarkup::write(ini, s));
        QCOMPARE(MarqueeMarkup::read(ini), s);
        QCOMPARE(ini.readString(QStringLiteral("Marquee"), QStringLiteral("BGColor")), QStringLiteral("$00030201"));
        QCOMPARE(ini.readInteger(QStringLiteral("Marquee"), QStringLiteral("Loop"), -1), 12);

        // Endless and no background: Loop 0 and "none"; the count read back is the default.
        s.loopCounted = false;
        s.background = false;
        QVERIFY(MarqueeMarkup::write(ini, s));
        QCOMPARE(ini.readInteger(QStringLiteral("Marquee"), QStringLiteral("Loop"), -1), 0);
        QCOMPARE(ini.readString(QStringLiteral("Marquee"), QStringLiteral("BGColor")), QStringLiteral("none"));
        const MarqueeMarkup::Settings back = MarqueeMarkup::read(ini);
        QVERIFY(!back.loopCounted);
        QCOMPARE(back.loopCount, 1);
        QVERIFY(!back.background);
    }

    void hostileSettingsAreBroughtIntoRange()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TW.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Marquee]\r\nAmount=-4\r\nDelay=99999\r\nDirection=7\r\nPattern=-1\r\nLoop=-20\r\n"
                   "BGColor=purple-ish\r\nWidth=abc\r\nAlign=9\r\nHSpace=1001\r\n");
        file.close();
        ProfileStore ini(path);
        const MarqueeMarkup::Settings s = MarqueeMarkup::read(ini);
        QCOMPARE(s.amount, 0);
        QCOMPARE(s.delay, 1000);
        QCOMPARE(s.direction, int(MarqueeMarkup::Right));
        QCOMPARE(s.pattern, int(MarqueeMarkup::OneWay));
        QVERIFY(s.loopCounted);
        QCOMPARE(s.loopCount, 1);
        // A colour that is neither a name nor a value is white, and stays in the file.
        QVERIFY(s.background);
        QCOMPARE(s.color, (RgbColor{255, 255, 255}));
        QCOMPARE(ini.readString(QStringLiteral("Marquee"), QStringLiteral("BGColor")), QStringLiteral("purple-ish"));
        QCOMPARE(s.width, 0);
        QCOMPARE(s.align, int(MarqueeMarkup::Bottom));
        QCOMPARE(s.hspace, 1000);
    }
};

QTEST_GUILESS_MAIN(TestMarqueeMarkup)
#include "tst_marqueemarkup.moc"

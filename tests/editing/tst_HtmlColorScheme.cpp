#include "editing/HtmlColorScheme.h"

#include <QTest>

Q_DECLARE_METATYPE(RgbColor)

class TestHtmlColorScheme : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void readableOnEveryBoxColour_data()
    {
        QTest::addColumn<RgbColor>("box");
        QTest::newRow("white") << RgbColor{255, 255, 255};
        QTest::newRow("black") << RgbColor{0, 0, 0};
        QTest::newRow("dark grey") << RgbColor{0x1E, 0x1E, 0x1E};
        QTest::newRow("middle grey, the hardest") << RgbColor{0x76, 0x76, 0x76};
        QTest::newRow("cream") << RgbColor{0xFF, 0xF8, 0xDC};
        QTest::newRow("navy") << RgbColor{0, 0, 0x80};
        QTest::newRow("yellow") << RgbColor{0xFF, 0xFF, 0};
        QTest::newRow("dark green") << RgbColor{0, 0x40, 0};
        QTest::newRow("teal") << RgbColor{0, 0x80, 0x80};
        QTest::newRow("red") << RgbColor{0xFF, 0, 0};
    }
    void readableOnEveryBoxColour()
    {
        QFETCH(RgbColor, box);
        const HtmlColorScheme::Colors colors = HtmlColorScheme::derive(box);
        for (int k = 0; k < HtmlScanner::KindCount; ++k) {
            const double contrast = HtmlColorScheme::contrast(colors[k], box);
            QVERIFY2(contrast >= HtmlColorScheme::MinimumContrast, qPrintable(QStringLiteral("kind %1: %2").arg(k).arg(contrast)));
        }
    }

    // On the usual boxes the pieces are told apart by hue, not all pressed to black or white.
    void distinctOnLightAndDark()
    {
        for (const RgbColor box : {RgbColor{255, 255, 255}, RgbColor{0x1E, 0x1E, 0x1E}}) {
            const HtmlColorScheme::Colors colors = HtmlColorScheme::derive(box);
            for (int a = 0; a < HtmlScanner::KindCount; ++a) {
                QVERIFY(!(colors[a] == RgbColor{0, 0, 0}) && !(colors[a] == RgbColor{255, 255, 255}));
                for (int b = a + 1; b < HtmlScanner::KindCount; ++b) {
                    const int distance = std::abs(colors[a].red - colors[b].red) + std::abs(colors[a].green - colors[b].green)
                                         + std::abs(colors[a].blue - colors[b].blue);
                    QVERIFY2(distance >= 40, qPrintable(QStringLiteral("kinds %1 and %2").arg(a).arg(b)));
                }
            }
        }
        // Dark pieces on a light box, light ones on a dark box.
        QVERIFY(HtmlColorScheme::luminance(HtmlColorScheme::derive(RgbColor{255, 255, 255})[0]) < 0.2);
        QVERIFY(HtmlColorScheme::luminance(HtmlColorScheme::derive(RgbColor{0, 0, 0})[0]) > 0.2);
    }

    void contrastFormula()
    {
        QCOMPARE(qRound(HtmlColorScheme::contrast(RgbColor{0, 0, 0}, RgbColor{255, 255, 255})), 21);
        QCOMPARE(HtmlColorScheme::contrast(RgbColor{10, 20, 30}, RgbColor{10, 20, 30}), 1.0);
        // #767676 on white is the usual example of just 4.5:1.
        QVERIFY(qAbs(HtmlColorScheme::contrast(RgbColor{0x76, 0x76, 0x76}, RgbColor{255, 255, 255}) - 4.54) < 0.01);
    }
};

QTEST_APPLESS_MAIN(TestHtmlColorScheme)
#include "tst_HtmlColorScheme.moc"

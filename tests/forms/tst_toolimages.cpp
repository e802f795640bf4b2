// The tool button images read on a light and on a dark palette alike: a glyph drawn only in
// near-black strokes vanishes on a dark tool bar.
#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QTest>

#include <cmath>

namespace {
double luminance(QColor c)
{
    const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

// The share of the image's drawn pixels that stand out from the background (a contrast
// ratio of 2 or more), as the image is drawn on a tool button of 16 pixels.
double standingOut(const QString &image, const QColor &background)
{
    QImage drawn(16, 16, QImage::Format_ARGB32);
    drawn.fill(Qt::transparent);
    {
        QPainter p(&drawn);
        QIcon(image).paint(&p, drawn.rect());
    }
    const double bg = luminance(background);
    int ink = 0, visible = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QColor c = drawn.pixelColor(x, y);
            if (c.alphaF() < 0.5)
                continue;
            ++ink;
            const double a = c.alphaF();
            const QColor shown = QColor::fromRgbF(c.redF() * a + background.redF() * (1 - a), c.greenF() * a + background.greenF() * (1 - a),
                                                  c.blueF() * a + background.blueF() * (1 - a));
            const double l = luminance(shown);
            if ((std::max(l, bg) + 0.05) / (std::min(l, bg) + 0.05) >= 2.0)
                ++visible;
        }
    }
    return ink == 0 ? 0.0 : double(visible) / ink;
}
} // namespace

class TestToolImages : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        Q_INIT_RESOURCE(images);
    }

    void readOnLightAndDark_data()
    {
        QTest::addColumn<QString>("image");
        QDirIterator it(QStringLiteral(":/images"), {QStringLiteral("*.svg")});
        int count = 0;
        while (it.hasNext()) {
            const QString image = it.next();
            QTest::newRow(qPrintable(image)) << image;
            ++count;
        }
        QVERIFY(count > 40);
    }
    void readOnLightAndDark()
    {
        QFETCH(QString, image);
        // The button colours of Fusion's light palette and of a usual dark one.
        for (const QColor &background : {QColor(0xef, 0xef, 0xef), QColor(0x35, 0x35, 0x35)}) {
            const double share = standingOut(image, background);
            QVERIFY2(share >= 0.3, qPrintable(QStringLiteral("%1 on %2: %3 of its pixels stand out")
                                                  .arg(image, background.name()).arg(share, 0, 'f', 2)));
        }
    }
};

QTEST_MAIN(TestToolImages)
#include "tst_toolimages.moc"

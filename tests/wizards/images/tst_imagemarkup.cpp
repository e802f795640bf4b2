// The IMG tag and attribute string of the image dialog.
#include "wizards/images/ImageMarkup.h"

#include <QTest>

using Fields = ImageMarkup::Fields;
Q_DECLARE_METATYPE(ImageMarkup::Fields)

class TestImageMarkup : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void tag_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<Fields>("fields");
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");

        Fields logo;
        logo.alt = QStringLiteral("logo");
        logo.width = QStringLiteral("100");
        logo.height = QStringLiteral("50");
        logo.border = true;
        QTest::newRow("example, upper") << "pic.gif" << logo << 1
                                        << R"(<IMG SRC="pic.gif" ALT="logo" WIDTH="100" HEIGHT="50" BORDER="0">)";
        QTest::newRow("example, lower") << "pic.gif" << logo << 0
                                        << R"(<img src="pic.gif" alt="logo" width="100" height="50" border="0">)";

        QTest::newRow("defaults: no attributes") << "a.png" << Fields() << 1 << R"(<IMG SRC="a.png">)";
        QTest::newRow("empty source") << "" << Fields() << 0 << R"(<img src="">)";

        Fields values;
        values.alt = QStringLiteral("Ｌｏｇｏ Logo");
        values.width = QStringLiteral("50%");
        values.height = QStringLiteral("Auto");
        QTest::newRow("values keep their case") << "Pics/Top.GIF" << values << 0
                                                << R"(<img src="Pics/Top.GIF" alt="Ｌｏｇｏ Logo" width="50%" height="Auto">)";

        Fields empty;
        empty.width = QString();
        empty.height = QStringLiteral("00");
        QTest::newRow("empty width and 00 are written") << "x" << empty << 1 << R"(<IMG SRC="x" WIDTH="" HEIGHT="00">)";

        Fields spaces;
        spaces.hspace = true;
        spaces.hspaceValue = 12;
        spaces.vspace = true;
        spaces.vspaceValue = 1000;
        QTest::newRow("both spaces") << "x" << spaces << 1 << R"(<IMG SRC="x" HSPACE="12" VSPACE="1000">)";

        Fields unchecked;
        unchecked.hspaceValue = 12;
        unchecked.borderValue = 5;
        QTest::newRow("values of unchecked options are not written") << "x" << unchecked << 1 << R"(<IMG SRC="x">)";

        Fields all;
        all.alt = QStringLiteral("a");
        all.width = QStringLiteral("1");
        all.height = QStringLiteral("2");
        all.hspace = all.vspace = all.border = true;
        all.hspaceValue = 3;
        all.vspaceValue = 4;
        all.borderValue = 5;
        QTest::newRow("every option, in order, lower")
            << "x" << all << 0 << R"(<img src="x" alt="a" width="1" height="2" hspace="3" vspace="4" border="5">)";
    }
    void tag()
    {
        QFETCH(QString, source);
        QFETCH(Fields, fields);
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        QCOMPARE(ImageMarkup::tag(source, fields, tagCase), expected);
    }

    void optionsOnly()
    {
        QCOMPARE(ImageMarkup::attributes(Fields(), 1), QString());
        Fields f;
        f.alt = QStringLiteral("ALT text");
        f.border = true;
        f.borderValue = 2;
        QCOMPARE(ImageMarkup::attributes(f, 0), QStringLiteral(R"( alt="ALT text" border="2")"));
        QCOMPARE(ImageMarkup::attributes(f, 1), QStringLiteral(R"( ALT="ALT text" BORDER="2")"));
    }
};

QTEST_APPLESS_MAIN(TestImageMarkup)
#include "tst_imagemarkup.moc"

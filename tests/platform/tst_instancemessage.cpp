// The message a second start sends the running program: what any client may send is
// taken whole and canonical or not at all, and a message still arriving is waited for.
#include "platform/InstanceMessage.h"

#include <QTest>

using Status = InstanceMessage::Status;

class TestInstanceMessage : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTripAndPrefixes()
    {
        const QList<QStringList> lists = {
            {},
            {QStringLiteral("/home/u/index.html")},
            {QStringLiteral("/home/u/日本語のページ.htm"), QStringLiteral("/tmp/a b\nc.txt"), QStringLiteral("/x/\U0001F600.html"),
             QStringLiteral("/l/link.url")},
        };
        for (const QStringList &files : lists) {
            QVERIFY(InstanceMessage::canEncode(files));
            const QByteArray bytes = InstanceMessage::encode(files);
            const InstanceMessage::Decoded d = InstanceMessage::decode(bytes + "trailing");
            QCOMPARE(d.status, Status::Complete);
            QCOMPARE(d.files, files);
            QCOMPARE(d.length, bytes.size());
            // Every cut short is still arriving, never wrong and never whole.
            for (qsizetype n = 0; n < bytes.size(); ++n)
                QVERIFY2(InstanceMessage::decode(bytes.left(n)).status == Status::Incomplete, bytes.left(n).constData());
        }
    }

    void rejects_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("other program") << QByteArray("GET / HTTP/1.0\r\n\r\n");
        QTest::newRow("other version") << QByteArray("tagwell-open/2\n\n");
        QTest::newRow("leading zero") << QByteArray("tagwell-open/1\n05:/a/b\n\n");
        QTest::newRow("zero length") << QByteArray("tagwell-open/1\n0:\n\n");
        QTest::newRow("no length") << QByteArray("tagwell-open/1\n:/a\n\n");
        QTest::newRow("length too short") << QByteArray("tagwell-open/1\n2:/ab\n\n");
        QTest::newRow("too long") << QByteArray("tagwell-open/1\n65536:");
        QTest::newRow("six digits") << QByteArray("tagwell-open/1\n123456");
        QTest::newRow("sign") << QByteArray("tagwell-open/1\n-3:/ab\n\n");
        QTest::newRow("NUL") << QByteArray("tagwell-open/1\n3:/\0b\n\n", 23);
        QTest::newRow("not UTF-8") << QByteArray("tagwell-open/1\n3:/\x82\xa0\n\n");
        QTest::newRow("overlong UTF-8") << QByteArray("tagwell-open/1\n3:/\xc0\xaf\n\n");
    }
    void rejects()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(InstanceMessage::decode(bytes).status, Status::Invalid);
    }

    void limits()
    {
        QVERIFY(!InstanceMessage::canEncode({QString()}));
        QVERIFY(!InstanceMessage::canEncode({QString::fromUtf8("/a\0b", 4)}));
        QVERIFY(!InstanceMessage::canEncode({QString(QChar(0xD800))}));
        QVERIFY(!InstanceMessage::canEncode({QString(InstanceMessage::MaxPathBytes + 1, u'a')}));
        QVERIFY(InstanceMessage::canEncode({QString(InstanceMessage::MaxPathBytes, u'a')}));
        QStringList many;
        for (int i = 0; i <= InstanceMessage::MaxFiles; ++i)
            many << QStringLiteral("/f%1").arg(i);
        QVERIFY(!InstanceMessage::canEncode(many));
        many.removeLast();
        QVERIFY(InstanceMessage::canEncode(many));
        QCOMPARE(InstanceMessage::decode(InstanceMessage::encode(many)).files, many);
        // One file more than allowed, sent anyway.
        QByteArray bytes = InstanceMessage::encode(many);
        bytes.insert(bytes.size() - 1, "2:/x\n");
        QCOMPARE(InstanceMessage::decode(bytes).status, Status::Invalid);
        // Twenty maximal paths are more than a message may carry.
        QVERIFY(!InstanceMessage::canEncode(QStringList(20, QString(InstanceMessage::MaxPathBytes, u'a'))));
    }
};

QTEST_GUILESS_MAIN(TestInstanceMessage)
#include "tst_instancemessage.moc"

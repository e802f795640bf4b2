// One running window per user and program folder: a second real start of the program hands
// its files to the window running here and ends; whatever else connects is turned away.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "app/SingleInstance.h"
#include "platform/InstanceMessage.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

class TestSingleInstance : public QObject
{
    Q_OBJECT
private:
    QTemporaryDir runtime_;

    // Starts the program as a file manager would; returns its exit code once it ended,
    // keeping this side's event loop running so the window here can answer.
    int secondStart(const QString &folder, const QStringList &arguments)
    {
        const QString program = qEnvironmentVariable("TAGWELL_EXECUTABLE");
        QProcess p;
        p.setWorkingDirectory(folder);
        p.start(program, arguments);
        if (!p.waitForStarted(10000))
            return -1;
        // A start that took nothing over would open its own window and not end.
        QDeadlineTimer deadline(20000);
        while (p.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(20);
        if (p.state() != QProcess::NotRunning) {
            p.kill();
            p.waitForFinished();
            return -2;
        }
        return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -3;
    }

    // A second start's hand-over from another thread, while this one's event loop runs the
    // server: true when the server took the files.
    static bool handOverFromAside(const QString &folder, const QStringList &files)
    {
        std::atomic<int> result{-1};
        std::thread client([&] { result = SingleInstance(folder).handOver(files) ? 1 : 0; });
        // The client gives up after its own timeout, so this ends.
        while (result.load() < 0)
            QTest::qWait(10);
        client.join();
        return result.load() == 1;
    }

private Q_SLOTS:
    void initTestCase()
    {
        if (qEnvironmentVariable("TAGWELL_EXECUTABLE").isEmpty())
            QSKIP("TAGWELL_EXECUTABLE is not set (CTest sets it)");
        // The sockets of this run, apart from any other program's.
        qputenv("XDG_RUNTIME_DIR", runtime_.path().toLocal8Bit());
    }

    void filesGoToTheRunningWindow()
    {
        ShellFixture fx;
        SingleInstance instance(fx.folder());
        QVERIFY(instance.listen());
        connect(&instance, &SingleInstance::handedOver, &fx.form(), &TMainForm::openHandedOver);
        fx.form().show();
        const QString a = fx.writeFile(QStringLiteral("a.html"), "<P>a");
        const QString b = fx.writeFile(QStringLiteral("ページ.htm"), "<P>b");

        // A name relative to the second start's own folder.
        QCOMPARE(secondStart(fx.folder(), {QStringLiteral("a.html")}), 0);
        QTRY_COMPARE(fx.form().documentNames(), QStringList{a});

        // One already open is only brought forward; the last one named ends up active.
        QCOMPARE(secondStart(fx.folder(), {b, QStringLiteral("a.html")}), 0);
        QTRY_COMPARE(fx.form().documentNames(), (QStringList{a, b}));
        QCOMPARE(fx.form().ActiveDocumentName(), a);
        QCOMPARE(fx.form().EditBoxOfTab(0)->toPlainText(), QStringLiteral("<P>a"));

        // No files: the window comes to the front, and nothing opens.
        QSignalSpy spy(&instance, &SingleInstance::handedOver);
        QCOMPARE(secondStart(fx.folder(), {}), 0);
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toStringList(), QStringList());
        QCOMPARE(fx.form().documentNames(), (QStringList{a, b}));
        QVERIFY(fx.form().isVisible());
    }

    void strangersAreTurnedAway()
    {
        QTemporaryDir folder;
        SingleInstance instance(folder.path());
        QVERIFY(instance.listen());
        QSignalSpy spy(&instance, &SingleInstance::handedOver);
        const QString name = SingleInstance::serverName(folder.path());

        const auto sendAndWatch = [&](const QByteArray &bytes) -> bool {
            QLocalSocket s;
            s.connectToServer(name);
            if (!s.waitForConnected(5000))
                return false;
            s.write(bytes);
            s.flush();
            // Turned away: disconnected without an answer.
            QDeadlineTimer deadline(5000);
            while (s.state() != QLocalSocket::UnconnectedState && !deadline.hasExpired())
                QTest::qWait(20);
            return s.state() == QLocalSocket::UnconnectedState && s.bytesAvailable() == 0;
        };
        QVERIFY(sendAndWatch("GET / HTTP/1.0\r\n\r\n"));
        QVERIFY(sendAndWatch("tagwell-open/1\n3:/\x82\xa0\n\n"));
        // A message that would never end: dropped once it is past the limit.
        QByteArray endless = "tagwell-open/1\n";
        const QByteArray path(InstanceMessage::MaxPathBytes, 'a');
        while (endless.size() <= InstanceMessage::MaxBytes)
            endless += QByteArray::number(path.size()) + ':' + path + '\n';
        QVERIFY(sendAndWatch(endless));
        QTest::qWait(50);
        QCOMPARE(spy.size(), 0);

        // The server still answers a real message after all that.
        QVERIFY(handOverFromAside(folder.path(), {QStringLiteral("/tmp/x.html")}));
        QTRY_COMPARE(spy.size(), 1);
        QCOMPARE(spy.first().first().toStringList(), QStringList{QStringLiteral("/tmp/x.html")});
    }

    void oneListenerPerFolder()
    {
        QTemporaryDir folder;
        SingleInstance nobody(folder.path());
        QVERIFY(!nobody.handOver({}, 1000));

        // A program that ended without removing its socket file leaves the name free.
        const QByteArray path = SingleInstance::serverName(folder.path()).toLocal8Bit();
        QVERIFY(path.startsWith('/'));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        qstrncpy(addr.sun_path, path.constData(), sizeof addr.sun_path);
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(path)));

        SingleInstance first(folder.path());
        QVERIFY(first.listen());
        // A second listener for the same folder is refused and leaves the first one working.
        SingleInstance second(folder.path());
        QVERIFY(!second.listen());
        QSignalSpy spy(&first, &SingleInstance::handedOver);
        QVERIFY(handOverFromAside(folder.path(), {}));
        QTRY_COMPARE(spy.size(), 1);

        // Another folder is another program.
        QTemporaryDir other;
        QVERIFY(SingleInstance::serverName(other.path()) != SingleInstance::serverName(folder.path()));
        QVERIFY(!SingleInstance(other.path()).handOver({}, 1000));
    }
};

QTEST_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"

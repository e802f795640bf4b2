// Files no editor should choke on: they open through the real open command, and saving
// writes them back byte for byte apart from line ends (to CR LF) and tabs (to spaces).
#include "SavedBytes.h"
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "platform/Cp932Codec.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

// Seeded noise. The lead bytes of CP932's alternative codes (which saving writes in their
// standard form) are left out, so every byte must come back.
QByteArray noise(quint32 seed, int size)
{
    QRandomGenerator random(seed);
    QByteArray bytes(size, Qt::Uninitialized);
    for (char &b : bytes) {
        uchar u = uchar(random.bounded(256));
        if (u == 0x87 || u == 0xED || u == 0xEE || u == 0xFA)
            u = 0x85; // a lead byte of an empty row: always kept as a raw byte
        b = char(u);
    }
    return bytes;
}

// The text the editing box should show for a file that saves as saved: CR LF is one break.
QString shownText(const QByteArray &saved)
{
    return Cp932Codec::decode(saved).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

int countKind(const ScriptedPlatform &p, Platform::MessageKind kind)
{
    int n = 0;
    for (const auto &m : p.messages)
        n += m.kind == kind ? 1 : 0;
    return n;
}

} // namespace

class TestHostileFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void openAndSaveBack_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("expected"); // empty: the normalised file
        QTest::addColumn<bool>("alternativeCodes");

        QTest::newRow("NUL bytes") << QByteArray("a\0b\r\n\0\0c\0", 9) << QByteArray() << false;
        QTest::newRow("only NUL") << QByteArray(4096, '\0') << QByteArray() << false;
        QTest::newRow("invalid CP932") << QByteArray("\x81\x20\xFF\x80\xA0\x85\x41 \xFD\xFE\r\n\x93\xFA\x96\x7B\x88")
                                       << QByteArray() << false;
        QTest::newRow("lead bytes before line ends and tabs")
            << QByteArray("\x82\r\n\x82\n\x82\r\x82\t\x82\x0A\x9F") << QByteArray() << false;
        QTest::newRow("CR-only line ends") << QByteArray("<P>one\r<P>two\r\r<P>three\r") << QByteArray() << false;
        QTest::newRow("LF-only line ends") << QByteArray("<P>one\n\n<P>two") << QByteArray() << false;
        QTest::newRow("mixed line ends and tabs")
            << QByteArray("\ta\tb\r\n\n\r\r\n\t\r\tc") << QByteArray() << false;
        QTest::newRow("control characters")
            << QByteArray("\x01\x02\x1A\x1B\x1C\x1D\x1E\x1F\x7F\x0B\x0C end") << QByteArray() << false;
        // NEC-selected and IBM codes of one character are written in the code Windows writes.
        QTest::newRow("alternative codes") << QByteArray("\xED\x40\xFA\x4A\x87\x54\r\n")
                                           << QByteArray("\xFA\x5C\x87\x54\x87\x54\r\n") << true;
        for (quint32 seed : {1u, 2u, 3u})
            QTest::addRow("random bytes, seed %u", seed) << noise(seed, 64 * 1024) << QByteArray() << false;
    }

    void openAndSaveBack()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, expected);
        QFETCH(bool, alternativeCodes);
        Cp932Codec::Report report;
        Cp932Codec::decode(file, &report);
        QCOMPARE(report.duplicates, alternativeCodes); // the row holds what it says

        ShellFixture fx;
        TMainForm &f = fx.form();
        const QByteArray tab = f.tabSpaces().toLatin1();
        if (expected.isEmpty())
            expected = SavedBytes::expected(file, tab);
        const QString path = fx.writeFile(QStringLiteral("hostile.html"), file);

        f.OpenDocument(path);
        QCOMPARE(f.tabCount(), 1);
        QCOMPARE(f.ActiveDocumentName(), path);
        QCOMPARE(countKind(fx.platform(), Platform::MessageKind::Warning), 0);
        // Alternative codes are pointed out once, as the file opens.
        QCOMPARE(fx.platform().messages.size(), alternativeCodes ? 1 : 0);
        EditBox *box = f.activeBox();
        QVERIFY(!box->isModified());
        QCOMPARE(box->text(), shownText(expected));
        QCOMPARE(box->selStart(), 0);

        f.FileSaveClick();
        QCOMPARE(countKind(fx.platform(), Platform::MessageKind::Warning), 0);
        QCOMPARE(ShellFixture::readFile(path), expected);
        QVERIFY(!box->isModified());

        // Opened again, the saved file is the same text and saves to the same bytes.
        f.FileCloseClick();
        QCOMPARE(f.tabCount(), 0);
        f.OpenDocument(path);
        QCOMPARE(f.activeBox()->text(), shownText(expected));
        f.FileSaveClick();
        QCOMPARE(ShellFixture::readFile(path), expected);
    }

    // One line of 8 MB in a shown window: it opens, its end can be edited, and it saves.
    // (Word wrap off: the whole line is laid out as one.)
    void longSingleLine()
    {
        const QByteArray piece = QByteArray("<P CLASS=\"x\">\x93\xFA\x96\x7B\x8C\xEA\ttext</P>");
        QByteArray file;
        file.reserve(8 * 1024 * 1024 + piece.size());
        while (file.size() < 8 * 1024 * 1024)
            file += piece;
        ShellFixture fx;
        TMainForm &f = fx.form();
        QCOMPARE(f.wordWrap(), 0);
        const QString path = fx.writeFile(QStringLiteral("long.html"), file);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        f.OpenDocument(path);
        QCOMPARE(f.tabCount(), 1);
        QCoreApplication::processEvents();
        EditBox *box = f.activeBox();
        QCOMPARE(box->lineCount(), 1);
        // The end of the line can be reached and edited.
        box->setSelection(box->length(), 0);
        QTextCursor c = box->textCursor();
        c.insertText(QStringLiteral("!"));
        QCoreApplication::processEvents();
        QVERIFY(box->isModified());

        f.FileSaveClick();
        QCOMPARE(countKind(fx.platform(), Platform::MessageKind::Warning), 0);
        QCOMPARE(ShellFixture::readFile(path), SavedBytes::expected(file, f.tabSpaces().toLatin1()) + '!');
    }
};

QTEST_MAIN(TestHostileFiles)
#include "tst_hostilefiles.moc"

// Documents in UTF-8 beside Shift-JIS: which encoding a file is read in, that a UTF-8 file
// comes back byte for byte, and what the window shows and writes.
#include "ShellFixture.h"

#include "app/DocumentFile.h"
#include "app/EditBox.h"
#include "editing/CharsetDeclaration.h"
#include "platform/DocumentEncoding.h"
#include "ui_MainForm.h"

#include <QInputMethodEvent>
#include <QComboBox>
#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStringEncoder>
#include <QTest>

using Encoding = DocumentEncoding::Encoding;
using LineBreak = DocumentEncoding::LineBreak;
Q_DECLARE_METATYPE(DocumentEncoding::Encoding)

namespace {

// File > 文字コード, opened as the user does: the menu, then its access key.
QMenu *encodingMenu(TMainForm &f)
{
    QMenu *file = f.form()->MenuFile;
    file->popup(f.mapToGlobal(QPoint(10, 10)));
    if (!QTest::qWaitFor([file] { return file->isVisible(); }))
        return nullptr;
    QTest::keyClick(file, Qt::Key_K);
    QMenu *encoding = f.form()->MenuEncoding;
    return QTest::qWaitFor([encoding] { return encoding->isVisible(); }) ? encoding : nullptr;
}

// Picks the entry of the encoding submenu by its access key.
bool pick(TMainForm &f, Qt::Key key)
{
    QMenu *menu = encodingMenu(f);
    if (!menu)
        return false;
    QTest::keyClick(menu, key);
    return true;
}

// "日本語" in UTF-8 and in CP932.
const QByteArray Nihongo = QByteArray("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E");
const QByteArray NihongoSjis = QByteArray("\x93\xFA\x96\x7B\x8C\xEA");

QByteArray asciiPage(const QByteArray &head)
{
    return "<HTML>\r\n<HEAD>\r\n" + head + "\r\n<TITLE>t</TITLE>\r\n</HEAD>\r\n<BODY>text</BODY>\r\n</HTML>\r\n";
}

} // namespace

class TestDocumentEncodings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void detection_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Encoding>("expected");

        QTest::newRow("empty") << QByteArray() << Encoding::ShiftJis;
        QTest::newRow("pure ASCII") << asciiPage("<META NAME=\"x\" CONTENT=\"y\">") << Encoding::ShiftJis;
        QTest::newRow("Shift-JIS Japanese") << "<P>" + NihongoSjis + "</P>\r\n" << Encoding::ShiftJis;
        QTest::newRow("UTF-8 Japanese") << "<P>" + Nihongo + "</P>\n" << Encoding::Utf8;
        QTest::newRow("UTF-8 after 1 KB of ASCII") << QByteArray(4000, 'a') + Nihongo << Encoding::Utf8;
        QTest::newRow("UTF-8 cut in a character at the end") << "<P>" + Nihongo + "\xE8\xAA" << Encoding::Utf8;
        QTest::newRow("UTF-8 cut inside, not at the end") << "<P>" + Nihongo + "\xE8\xAA<P>" << Encoding::ShiftJis;
        QTest::newRow("ASCII and a cut character only") << QByteArray("<P>a\xE8\xAA") << Encoding::ShiftJis;
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF" "b") << Encoding::ShiftJis;
        QTest::newRow("encoded surrogate") << QByteArray("a\xED\xA0\x80" "b") << Encoding::ShiftJis;
        QTest::newRow("above U+10FFFF") << QByteArray("a\xF4\x90\x80\x80") << Encoding::ShiftJis;
        QTest::newRow("BOM") << "\xEF\xBB\xBF" + asciiPage("") << Encoding::Utf8Bom;
        QTest::newRow("BOM then stray bytes") << QByteArray("\xEF\xBB\xBF" "a\xFF\x93\xFA") << Encoding::Utf8Bom;
        // Half-width katakana pairs that happen to be valid UTF-8 ("ﾂｱ" is C2 B1, "±").
        QTest::newRow("Shift-JIS that is valid UTF-8") << QByteArray("<P>\xC2\xB1</P>") << Encoding::Utf8;
        QTest::newRow("META charset") << asciiPage("<meta charset=\"utf-8\">") << Encoding::Utf8;
        QTest::newRow("META charset unquoted, upper case") << asciiPage("<META CHARSET=UTF-8>") << Encoding::Utf8;
        QTest::newRow("Content-Type META")
            << asciiPage("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">") << Encoding::Utf8;
        QTest::newRow("Content-Type META, Shift_JIS")
            << asciiPage("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">")
            << Encoding::ShiftJis;
        QTest::newRow("charset outside a META") << asciiPage("<!-- charset=utf-8 -->") << Encoding::ShiftJis;
        QTest::newRow("META charset after the first 1,024 bytes")
            << QByteArray(1024, ' ') + "<meta charset=\"utf-8\">" << Encoding::ShiftJis;
        QTest::newRow("META charset UTF-8 on a Shift-JIS page")
            << asciiPage("<meta charset=\"utf-8\">") + NihongoSjis << Encoding::ShiftJis;
    }

    void detection()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Encoding, expected);
        QCOMPARE(DocumentEncoding::detect(bytes), expected);
        // The one-pass reading agrees, also where the file is longer than the part it judges
        // alone, with the verdict coming after it.
        for (const QByteArray &file : {bytes, QByteArray(QByteArray(80 * 1024, 'a') + bytes), QByteArray(bytes + QByteArray(80 * 1024, 'a'))}) {
            QString text;
            const Encoding found = DocumentEncoding::detectAndDecode(file, text);
            QCOMPARE(found, DocumentEncoding::detect(file));
            if (found != Encoding::ShiftJis)
                QCOMPARE(text, DocumentEncoding::decodeUtf8(found == Encoding::Utf8Bom ? file.sliced(3) : file));
        }
        // Detection off reads everything as Shift-JIS, exactly as before.
        const DocumentFile::Loaded off = DocumentFile::prepare(bytes, QStringLiteral("  "), DocumentFile::Reading::AsShiftJis);
        QCOMPARE(off.format.encoding, Encoding::ShiftJis);
    }

    void utf8FilesComeBackByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("shown");

        const QString nihongo = QString::fromUtf8(Nihongo);
        QTest::newRow("LF and tabs") << "<UL>\n\t<LI>" + Nihongo + "\n</UL>\n"
                                     << QStringLiteral("<UL>\n\t<LI>") + nihongo + QStringLiteral("\n</UL>\n");
        QTest::newRow("CR LF") << "<P>" + Nihongo + "\r\n<P>x\r\n" << QStringLiteral("<P>") + nihongo + QStringLiteral("\n<P>x\n");
        QTest::newRow("BOM") << "\xEF\xBB\xBF<P>" + Nihongo << QStringLiteral("<P>") + nihongo;
        QTest::newRow("emoji") << QByteArray("<P>\xF0\x9F\x98\x80") << QStringLiteral("<P>") + QString::fromUtf8("\xF0\x9F\x98\x80");
        // Stray bytes are kept one character each and written back as themselves.
        QTest::newRow("BOM with stray bytes")
            << QByteArray("\xEF\xBB\xBF" "a\xFF\x80\x93\xFA" "b\xE6\x97")
            << QStringLiteral("a") + QChar(0xF7FF) + QChar(0xF780) + QChar(0xF793) + QChar(0xF7FA) + QStringLiteral("b") +
                   QChar(0xF7E6) + QChar(0xF797);
        QTest::newRow("cut at the end") << Nihongo + "\xE8\xAA" << QString::fromUtf8(Nihongo) + QChar(0xF7E8) + QChar(0xF7AA);
        // Characters that would read back as something else stay their bytes.
        QTest::newRow("private use U+F780") << Nihongo + "\xEF\x9E\x80"
                                            << nihongo + QChar(0xF7EF) + QChar(0xF79E) + QChar(0xF780);
        QTest::newRow("paragraph separator") << Nihongo + "\xE2\x80\xA9"
                                             << nihongo + QChar(0xF7E2) + QChar(0xF780) + QChar(0xF7A9);
        QTest::newRow("line separator and replacement character")
            << Nihongo + "\xE2\x80\xA8\xEF\xBF\xBD" << nihongo + QChar(0x2028) + QChar(0xFFFD);
    }

    void utf8FilesComeBackByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, shown);
        const DocumentFile::Loaded loaded = DocumentFile::prepare(bytes, QStringLiteral("    "));
        QVERIFY(loaded.format.encoding != Encoding::ShiftJis);
        QCOMPARE(loaded.text, shown);
        int unencodable = -1;
        QCOMPARE(DocumentFile::serialize(loaded.text, loaded.format, &unencodable), bytes);
        QCOMPARE(unencodable, 0);
    }

    void lineBreaksFollowTheFirstOne()
    {
        const QByteArray mixed = Nihongo + "\na\r\nb\rc";
        const DocumentFile::Loaded loaded = DocumentFile::prepare(mixed, QStringLiteral("  "));
        QCOMPARE(loaded.format, (DocumentFile::Format{Encoding::Utf8, LineBreak::Lf}));
        QCOMPARE(DocumentFile::serialize(loaded.text, loaded.format), Nihongo + "\na\nb\nc");
        QCOMPARE(DocumentFile::prepare(Nihongo + "\r\na\nb", QString()).format.lineBreak, LineBreak::CrLf);
        QCOMPARE(DocumentFile::prepare(Nihongo, QString()).format.lineBreak, LineBreak::CrLf);
        // The editing box's paragraph separators are line breaks; a lone surrogate is refused.
        int unencodable = 0;
        const QString raw = QStringLiteral("a") + QChar(0x2029) + QStringLiteral("b") + QChar(0xD800);
        QCOMPARE(DocumentEncoding::encodeUtf8(raw, LineBreak::CrLf, &unencodable), QByteArray("a\r\nb?"));
        QCOMPARE(unencodable, 1);
    }

    // Every character the page can hold, in runs that start at every offset of the encoder's
    // eight-unit ASCII blocks, encodes as Qt's own encoder writes it, line feeds as asked.
    void encoderAgreesWithQtsEncoder()
    {
        QString text;
        QRandomGenerator random(7);
        for (char32_t cp = 1; cp < 0x110000; cp += (cp < 0x10000 ? 1 : 97)) {
            if ((cp >= 0xD800 && cp <= 0xDFFF) || (cp >= 0xF780 && cp <= 0xF7FF) || cp == 0x2029)
                continue;
            text += QString::fromUcs4(&cp, 1);
            if (random.bounded(5) == 0)
                text += QStringLiteral("0123456789abcdef\n<P>").left(int(random.bounded(22)));
        }
        // The page ends in ASCII, so that for some shift its last block ends at the very end.
        text += QStringLiteral("</HTML>\n");
        for (int shift = 0; shift < 9; ++shift) {
            const QString shifted = QString(shift, QLatin1Char('x')) + text;
            QStringEncoder qt(QStringEncoder::Utf8);
            const QByteArray expected = qt.encode(shifted);
            int unencodable = -1;
            QCOMPARE(DocumentEncoding::encodeUtf8(shifted, LineBreak::Lf, &unencodable), expected);
            QCOMPARE(unencodable, 0);
            QCOMPARE(DocumentEncoding::encodeUtf8(shifted, LineBreak::CrLf), QByteArray(expected).replace("\n", "\r\n"));
        }
    }

    // Through the window: open, look, type, save.
    void utf8PageEditedAndSaved()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QByteArray original = "<P>" + Nihongo + "</P>\n\t<P>x</P>\n";
        const QString path = fx.writeFile(QStringLiteral("utf8.html"), original);
        f.OpenDocument(path);
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8  LF"));
        EditBox *box = f.activeBox();
        QCOMPARE(box->text(), QString::fromUtf8(original));

        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        box->setFocus();
        QTest::keyClick(box, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(box, QStringLiteral("<B>"));
        // Japanese comes from the input method.
        QInputMethodEvent commit;
        commit.setCommitString(QString::fromUtf8(Nihongo));
        QCoreApplication::sendEvent(box, &commit);
        QTest::keyClicks(box, QStringLiteral("</B>"));
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!box->isModified());
        QCOMPARE(ShellFixture::readFile(path), original + "<B>" + Nihongo + "</B>");
        QVERIFY(fx.platform().messages.isEmpty());

        // A Shift-JIS page and a new document beside it: Shift-JIS with CR LF, as ever.
        const QString sjis = fx.writeFile(QStringLiteral("sjis.html"), "<P>" + NihongoSjis + "\n\t<P>");
        f.OpenDocument(sjis);
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
        QCOMPARE(f.activeBox()->text(), QStringLiteral("<P>\u65E5\u672C\u8A9E\n") + f.tabSpaces() + QStringLiteral("<P>"));
        f.FileNewClick();
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
        // The panel follows the active tab.
        QTest::keyClick(&f, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(f.ActiveDocumentName(), path);
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8  LF"));
    }

    void utf8PageSavedUnderANewNameStaysUtf8()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        // ASCII only: read again by detection it would be Shift-JIS, and lose its tab.
        const QByteArray original = "\xEF\xBB\xBF<P>\ta</P>\n";
        const QString path = fx.writeFile(QStringLiteral("bom.html"), original);
        f.OpenDocument(path);
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8 (BOM)  LF"));
        const QString copy = fx.path(QStringLiteral("copy.html"));
        fx.platform().fileAnswers.push_back({{copy}, 0});
        f.FileSaveAsClick();
        QCOMPARE(ShellFixture::readFile(copy), original);
        QCOMPARE(f.ActiveDocumentName(), copy);
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8 (BOM)  LF"));
        QCOMPARE(f.activeBox()->text(), QStringLiteral("<P>\ta</P>\n"));
    }

    // Both ways for text Shift-JIS can hold, line breaks as chosen.
    void conversionsBothWays()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QByteArray utf8 = "<P>" + Nihongo + "\n<P>\tx\n";
        const QString path = fx.writeFile(QStringLiteral("page.html"), utf8);
        f.OpenDocument(path);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QVERIFY(pick(f, Qt::Key_S)); // Shift_JIS で保存, LF kept
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  LF"));
        QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ShellFixture::readFile(path), "<P>" + NihongoSjis + "\n<P>\tx\n");
        QVERIFY(pick(f, Qt::Key_C)); // CRLF
        QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ShellFixture::readFile(path), "<P>" + NihongoSjis + "\r\n<P>\tx\r\n");
        // Read again as Shift_JIS, then written as UTF-8: the bytes it started from, in CR LF.
        QVERIFY(pick(f, Qt::Key_J));
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
        QVERIFY(pick(f, Qt::Key_8));
        QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ShellFixture::readFile(path), "<P>" + Nihongo + "\r\n<P>" + f.tabSpaces().toLatin1() + "x\r\n");
        QVERIFY(fx.platform().messages.isEmpty());
    }

    void characterThatDoesNotFit_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QByteArray>("saved"); // empty: not saved
        QTest::addColumn<QString>("panel");
        QTest::newRow("as UTF-8") << 0 << "\xF0\x9F\x98\x80\xED\x95\x9C<P>" + Nihongo + "\r\n" << QStringLiteral("UTF-8  CRLF");
        QTest::newRow("as references") << 1 << "&#x1F600;&#xD55C;<P>" + NihongoSjis + "\r\n"
                                       << QStringLiteral("Shift_JIS  CRLF");
        QTest::newRow("cancel") << 2 << QByteArray() << QStringLiteral("Shift_JIS  CRLF");
    }

    void characterThatDoesNotFit()
    {
        QFETCH(int, answer);
        QFETCH(QByteArray, saved);
        QFETCH(QString, panel);
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QByteArray original = "<P>" + NihongoSjis + "\r\n";
        const QString path = fx.writeFile(QStringLiteral("sjis.html"), original);
        f.OpenDocument(path);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        EditBox *box = f.activeBox();
        box->setFocus();
        QInputMethodEvent commit; // an emoji and a Hangul syllable: not in Shift-JIS
        commit.setCommitString(QString::fromUtf8("\xF0\x9F\x98\x80\xED\x95\x9C"));
        QCoreApplication::sendEvent(box, &commit);
        fx.platform().choiceAnswers.push_back(answer);
        QTest::keyClick(box, Qt::Key_S, Qt::ControlModifier);

        QCOMPARE(fx.platform().messages.size(), 1);
        const auto &question = fx.platform().messages.first();
        QVERIFY2(question.text.contains(QStringLiteral("2 文字")), qPrintable(question.text));
        QCOMPARE(question.choices.size(), 3);
        QCOMPARE(ShellFixture::readFile(path), saved.isEmpty() ? original : saved);
        QCOMPARE(box->isModified(), saved.isEmpty());
        QCOMPARE(f.statusText(4), panel);
    }

    void encodingSubmenuReopensAndChooses()
    {
        ShellFixture fx(QByteArray("[Memo]\r\nDetectEncoding=0\r\n"), true);
        TMainForm &f = fx.form();
        const QByteArray original = "<P>" + Nihongo + "\n<P>\tx\n";
        const QString path = fx.writeFile(QStringLiteral("page.html"), original);
        f.OpenDocument(path);
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));

        QVERIFY(pick(f, Qt::Key_U)); // UTF-8 で開き直す
        QCOMPARE(f.activeBox()->text(), QString::fromUtf8(original));
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8  LF"));
        QVERIFY(!f.activeBox()->isModified());
        QVERIFY(encodingMenu(f));
        QVERIFY(f.form()->FileSaveUtf8->isChecked());
        QVERIFY(f.form()->FileLf->isChecked());
        QVERIFY(!f.form()->FileSaveSjis->isChecked());
        f.form()->MenuEncoding->close();
        f.form()->MenuFile->close();

        // The choices take effect on the next save, which the mark asks for.
        QVERIFY(pick(f, Qt::Key_B)); // UTF-8 (BOM) で保存
        QVERIFY(pick(f, Qt::Key_C)); // 改行を CRLF で保存
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8 (BOM)  CRLF"));
        QVERIFY(f.activeBox()->isModified());
        QCOMPARE(ShellFixture::readFile(path), original);
        QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ShellFixture::readFile(path), "\xEF\xBB\xBF<P>" + Nihongo + "\r\n<P>\tx\r\n");

        // Reading again asks about typed text first, as closing does.
        QTest::keyClicks(f.activeBox(), QStringLiteral("new"));
        fx.platform().messageAnswers.push_back(Platform::Answer::Cancel);
        QVERIFY(pick(f, Qt::Key_J)); // Shift_JIS で開き直す
        QVERIFY(f.activeBox()->text().startsWith(QStringLiteral("new")));
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8 (BOM)  CRLF"));
        fx.platform().messageAnswers.push_back(Platform::Answer::No);
        QVERIFY(pick(f, Qt::Key_J));
        QCOMPARE(fx.platform().messages.size(), 2);
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
        QVERIFY(!f.activeBox()->isModified());
        QVERIFY(!f.activeBox()->text().contains(QStringLiteral("new")));
        QCOMPARE(ShellFixture::readFile(path), "\xEF\xBB\xBF<P>" + Nihongo + "\r\n<P>\tx\r\n"); // nothing written

        // An untitled document has no file to read again.
        f.FileNewClick();
        QVERIFY(encodingMenu(f));
        QVERIFY(!f.form()->FileReopenUtf8->isEnabled());
        QVERIFY(f.form()->FileSaveUtf8Bom->isEnabled());
        f.form()->MenuEncoding->close();
        f.form()->MenuFile->close();
    }

    void charsetDeclarationFound_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("value"); // empty: none found
        QTest::newRow("meta charset") << QStringLiteral("<HEAD><meta charset=\"utf-8\"></HEAD>") << QStringLiteral("utf-8");
        QTest::newRow("Content-Type") << QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; CHARSET=x-sjis\">")
                                      << QStringLiteral("x-sjis");
        QTest::newRow("unquoted") << QStringLiteral("<meta charset=Shift_JIS>") << QStringLiteral("Shift_JIS");
        QTest::newRow("in the body only") << QStringLiteral("<HEAD></HEAD><BODY><meta charset=\"utf-8\">") << QString();
        QTest::newRow("after a BODY without a HEAD") << QStringLiteral("<BODY>\n<meta charset=\"utf-8\">") << QString();
        QTest::newRow("none") << QStringLiteral("<HEAD><TITLE>charset=utf-8</TITLE></HEAD>") << QString();
    }

    void charsetDeclarationFound()
    {
        QFETCH(QString, page);
        QFETCH(QString, value);
        const auto found = CharsetDeclaration::find(page);
        QCOMPARE(found.has_value(), !value.isEmpty());
        if (found) {
            QCOMPARE(found->value, value);
            QCOMPARE(page.mid(found->start, found->length), value);
        }
    }

    // Converting the page's encoding brings its declaration along when the user agrees, as one
    // step of Undo.
    void conversionOffersToUpdateTheDeclaration()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        const QByteArray page = "<HTML><HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">\r\n"
                                "</HEAD><BODY>" + NihongoSjis + "</BODY></HTML>\r\n";
        const QString path = fx.writeFile(QStringLiteral("page.html"), page);
        f.OpenDocument(path);
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        const QString before = f.activeBox()->text();

        fx.platform().messageAnswers.push_back(Platform::Answer::No);
        QVERIFY(pick(f, Qt::Key_8)); // UTF-8 で保存
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(fx.platform().messages.last().text.contains(QStringLiteral("charset=UTF-8")));
        QCOMPARE(f.activeBox()->text(), before);

        QVERIFY(pick(f, Qt::Key_B)); // UTF-8 (BOM): the same charset, nothing asked
        QCOMPARE(fx.platform().messages.size(), 1);
        fx.platform().messageAnswers.push_back(Platform::Answer::Yes);
        QVERIFY(pick(f, Qt::Key_S)); // back to Shift_JIS: the declaration already says so
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(pick(f, Qt::Key_8));
        QCOMPARE(fx.platform().messages.size(), 2);
        QString converted = before;
        converted.replace(QStringLiteral("charset=Shift_JIS"), QStringLiteral("charset=UTF-8"));
        QCOMPARE(f.activeBox()->text(), converted);
        QTest::keyClick(f.activeBox(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.activeBox()->text(), before);
        QTest::keyClick(f.activeBox(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.activeBox()->text(), converted);

        QTest::keyClick(f.activeBox(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ShellFixture::readFile(path),
                 "<HTML><HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\r\n"
                 "</HEAD><BODY>" + Nihongo + "</BODY></HTML>\r\n");
    }

    // The page information dialog offers the document's own encoding as the charset to declare.
    void pageInformationDeclaresTheDocumentsCharset()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.OpenDocument(fx.writeFile(QStringLiteral("page.html"), "<HTML>\n<HEAD>\n<TITLE>" + Nihongo + "</TITLE>\n</HEAD>\n<BODY>\n</BODY>\n</HTML>\n"));
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            auto *charset = d->findChild<QComboBox *>(QStringLiteral("CharsetCombo"));
            if (!charset || charset->count() != 2 || charset->itemText(1) != QStringLiteral("UTF-8"))
                return int(QDialog::Rejected);
            charset->setFocus();
            QTest::keyClick(charset, Qt::Key_Down);
            QTest::keyClick(d->findChild<QPushButton *>(QStringLiteral("OkBtn")), Qt::Key_Space);
            return d->result();
        });
        f.findChild<QAction *>(QStringLiteral("HtmlBasic"))->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(f.activeBox()->text(), QStringLiteral("<HTML>\n<HEAD>\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n<TITLE>") +
                                            QString::fromUtf8(Nihongo) + QStringLiteral("</TITLE>\n</HEAD>\n<BODY>\n</BODY>\n</HTML>\n"));
    }

    void settingsChooseDetectionAndNewDocuments()
    {
        ShellFixture fx(QByteArray("[Memo]\r\nDetectEncoding=0\r\nNewEncoding=1\r\nNewLineBreak=1\r\n"), true);
        TMainForm &f = fx.form();
        const QString path = fx.writeFile(QStringLiteral("utf8.html"), "<P>" + Nihongo + "\n");
        f.OpenDocument(path);
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
        f.FileNewClick();
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8  LF"));

        ShellFixture odd(QByteArray("[Memo]\r\nNewEncoding=7\r\nNewLineBreak=-1\r\n"), true);
        odd.form().FileNewClick();
        QCOMPARE(odd.form().statusText(4), QStringLiteral("Shift_JIS  CRLF"));
    }

    // The same choices from the Options menu, written to TW.ini at once.
    void optionsMenuChoosesDetectionAndNewDocuments()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f));
        QMenu *options = f.form()->MenuOption;
        auto openOptions = [&] {
            options->popup(f.mapToGlobal(QPoint(10, 10)));
            return QTest::qWaitFor([options] { return options->isVisible(); });
        };
        QVERIFY(openOptions());
        QVERIFY(f.form()->OptDetectEncoding->isChecked());
        QVERIFY(f.form()->NewSjis->isChecked());
        QTest::keyClick(options, Qt::Key_K); // 文字コードを判別する: off
        QVERIFY(openOptions());
        // Its key, J, highlights the submenu's item; Return opens it.
        const auto openNewEncoding = [&] {
            QTest::keyClick(options, Qt::Key_J);
            QTest::keyClick(options, Qt::Key_Return);
        };
        openNewEncoding();
        QMenu *sub = f.form()->OptNewEncoding;
        QVERIFY(QTest::qWaitFor([sub] { return sub->isVisible(); }));
        QTest::keyClick(sub, Qt::Key_U);
        QVERIFY(openOptions());
        openNewEncoding();
        QVERIFY(QTest::qWaitFor([sub] { return sub->isVisible(); }));
        QVERIFY(f.form()->NewUtf8->isChecked());
        QVERIFY(!f.form()->NewSjis->isChecked());
        QTest::keyClick(sub, Qt::Key_L);

        const QByteArray ini = ShellFixture::readFile(fx.path(QStringLiteral("TW.ini")));
        QVERIFY2(ini.contains("DetectEncoding=0\r\n"), ini.constData());
        QVERIFY2(ini.contains("NewEncoding=1\r\n"), ini.constData());
        QVERIFY2(ini.contains("NewLineBreak=1\r\n"), ini.constData());
        f.FileNewClick();
        QCOMPARE(f.statusText(4), QStringLiteral("UTF-8  LF"));
        f.OpenDocument(fx.writeFile(QStringLiteral("utf8.html"), "<P>" + Nihongo + "\n"));
        QCOMPARE(f.statusText(4), QStringLiteral("Shift_JIS  CRLF"));
    }
};

QTEST_MAIN(TestDocumentEncodings)
#include "tst_documentencodings.moc"

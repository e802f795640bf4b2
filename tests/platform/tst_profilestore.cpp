#include "platform/ProfileStore.h"
#include "platform/ProfileText.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

namespace {

// A settings file as the Windows profile functions leave it: CP932, CR LF, names in
// several spellings, comments, blank lines and a line no reader understands. Kept in
// blocks so that expectations can be put together from the parts that must survive.
const QByteArrayList FixtureBlocks = {
    // 0: above the first header, belongs to no section
    "Orphan=1\r\n"
    "; Tagwell settings\r\n",
    // 1
    "[Tagwell]\r\n"
    "Version=0.92\r\n"
    "\r\n",
    // 2
    "[Form]\r\n"
    "Top=100\r\n"
    "  Left = 120 \r\n"
    "Width=650\r\n"
    "Height=550\r\n"
    "\r\n",
    // 3: "ＭＳ Ｐゴシック"
    "[font]\r\n"
    "EChar=\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\n"
    "ESize=14\r\n"
    "Quoted=\"  spaced  \"\r\n"
    "Single='x'\r\n"
    "DoubleDouble=\"\"x\"\"\r\n"
    "Mixed=\"x'\r\n"
    "Lone=\"\r\n"
    "Equals = a=b = c\r\n"
    "Empty=\r\n"
    "; Comment=not a key\r\n"
    "Garbage line\r\n"
    "\r\n",
    // 4: "ホームページ" (its "ー" has the trail byte 0x5B), a link to "日本語.html", and a
    // key "[ソフト‐" whose only "]" byte is the trail byte of "‐": not a header.
    "  [ \x83\x7A\x81\x5B\x83\x80\x83\x79\x81\x5B\x83\x57 ]  \r\n"
    "1=http://example.com/\x93\xFA\x96\x7B\x8C\xEA.html\r\n"
    "[\x83\x5C\x83\x74\x83\x67\x81\x5D=trail\r\n"
    "Count=1\r\n"
    "\r\n",
    // 5: a second section of an existing name; never read
    "[FORM]\r\n"
    "Top=999\r\n"
    "Extra=1\r\n",
    // 6: the first of two spellings of a key wins
    "[Memo]\r\n"
    "Color=$FF\r\n"
    "Case=0\r\n"
    "case=1\r\n",
};

QByteArray fixture()
{
    return FixtureBlocks.join();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray("<cannot read>");
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QByteArray withLineReplaced(QByteArray bytes, const QByteArray &oldLine, const QByteArray &newLine)
{
    const qsizetype at = bytes.indexOf(oldLine);
    Q_ASSERT(at >= 0);
    return bytes.replace(at, oldLine.size(), newLine);
}

QByteArray withLineInsertedAfter(QByteArray bytes, const QByteArray &anchor, const QByteArray &newLine)
{
    const qsizetype at = bytes.indexOf(anchor);
    Q_ASSERT(at >= 0);
    return bytes.insert(at + anchor.size(), newLine);
}

} // namespace

class TestProfileStore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir *m_dir = nullptr;
    QString m_path;

private Q_SLOTS:
    void init();
    void cleanup();

    void reading_data();
    void reading();
    void readInteger_data();
    void readInteger();
    void readBool_data();
    void readBool();
    void missingFile();
    void names();
    void readsAfreshEachTime();

    void replacingKeepsEverythingElse_data();
    void replacingKeepsEverythingElse();
    void addingKeyToSection_data();
    void addingKeyToSection();
    void addingSection();
    void writingIntegersAndBooleans();
    void otherLineEndsRead_data();
    void otherLineEndsRead();
    void lineEnds_data();
    void lineEnds();
    void valuesReadBackAsWritten_data();
    void valuesReadBackAsWritten();
    void refusedWrites_data();
    void refusedWrites();

    void erasing_data();
    void erasing();

    void failedWriteKeepsOldFile();
    void unreadableFileIsNotOverwritten();
    void unwritablePaths();

    void updateWritesAllOrNothing();
    void textRoundTripsAnyBytes();
    void textChangesOnlyWhatIsWritten();
    void lookupsFollowEveryChange();
};

void TestProfileStore::init()
{
    m_dir = new QTemporaryDir;
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("TW.ini"));
}

void TestProfileStore::cleanup()
{
    delete m_dir;
    m_dir = nullptr;
}

void TestProfileStore::reading_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QString def = QStringLiteral("<default>");
    QTest::newRow("as spelled") << "Tagwell" << "Version" << "0.92";
    QTest::newRow("case-blind names") << "TAGWELL" << "version" << "0.92";
    QTest::newRow("blanks around key and value") << "form" << "LEFT" << "120";
    QTest::newRow("caller's blanks ignored") << " Form " << " Top " << "100";
    QTest::newRow("CP932 value") << "Font" << "EChar" << QStringLiteral("ＭＳ Ｐゴシック");
    QTest::newRow("double quotes removed") << "font" << "Quoted" << "  spaced  ";
    QTest::newRow("single quotes removed") << "font" << "Single" << "x";
    QTest::newRow("only one pair of quotes") << "font" << "DoubleDouble" << "\"x\"";
    QTest::newRow("unmatched quotes kept") << "font" << "Mixed" << "\"x'";
    QTest::newRow("lone quote kept") << "font" << "Lone" << "\"";
    QTest::newRow("= inside value") << "font" << "Equals" << "a=b = c";
    QTest::newRow("empty value is a value") << "font" << "Empty" << "";
    QTest::newRow("comment is no key") << "font" << "; Comment" << def;
    QTest::newRow("line without =") << "font" << "Garbage line" << def;
    QTest::newRow("key above any section") << "" << "Orphan" << def;
    QTest::newRow("above-section key not in first") << "Tagwell" << "Orphan" << def;
    QTest::newRow("CP932 section name") << QStringLiteral("ホームページ") << "1"
                                        << QStringLiteral("http://example.com/日本語.html");
    QTest::newRow("trail byte ] is no header") << QStringLiteral("ホームページ") << QStringLiteral("[ソフト‐")
                                               << "trail";
    QTest::newRow("key after trail byte line") << QStringLiteral("ホームページ") << "count" << "1";
    QTest::newRow("first section wins") << "FORM" << "Top" << "100";
    QTest::newRow("second section never read") << "Form" << "Extra" << def;
    QTest::newRow("first key wins") << "Memo" << "CASE" << "0";
    QTest::newRow("missing section") << "NoSuch" << "Top" << def;
    QTest::newRow("missing key") << "Form" << "NoSuch" << def;
    QTest::newRow("empty key") << "Tagwell" << "" << def;
    QTest::newRow("key of another section") << "Tagwell" << "Top" << def;
}

void TestProfileStore::reading()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QVERIFY(writeFile(m_path, fixture()));
    const ProfileStore store(m_path);
    QCOMPARE(store.readString(section, key, QStringLiteral("<default>")), expected);
}

void TestProfileStore::readInteger_data()
{
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<int>("expected");

    QTest::newRow("decimal") << QByteArray("650") << 650;
    QTest::newRow("negative") << QByteArray("-32") << -32;
    QTest::newRow("plus sign") << QByteArray("+5") << 5;
    QTest::newRow("leading zeros") << QByteArray("007") << 7;
    QTest::newRow("blanks") << QByteArray("  12\t") << 12;
    QTest::newRow("quoted") << QByteArray("'15'") << 15;
    QTest::newRow("dollar hex") << QByteArray("$FF") << 255;
    QTest::newRow("0x hex") << QByteArray("0x1a") << 26;
    QTest::newRow("0X hex") << QByteArray("0X10") << 16;
    QTest::newRow("negative hex") << QByteArray("-$10") << -16;
    QTest::newRow("hex uses all 32 bits") << QByteArray("$FFFFFFFF") << -1;
    QTest::newRow("hex colour constant") << QByteArray("$80000005") << int(0x80000005u - 0x100000000ll);
    QTest::newRow("int max") << QByteArray("2147483647") << 2147483647;
    QTest::newRow("int min") << QByteArray("-2147483648") << int(-2147483647 - 1);
    // Not numbers: the default.
    QTest::newRow("empty") << QByteArray("") << 7;
    QTest::newRow("word") << QByteArray("abc") << 7;
    QTest::newRow("trailing junk") << QByteArray("12abc") << 7;
    QTest::newRow("inner blank") << QByteArray("1 2") << 7;
    QTest::newRow("sign only") << QByteArray("-") << 7;
    QTest::newRow("prefix only") << QByteArray("$") << 7;
    QTest::newRow("hex digits without prefix") << QByteArray("FF") << 7;
    QTest::newRow("decimal overflow") << QByteArray("2147483648") << 7;
    QTest::newRow("hex overflow") << QByteArray("$100000000") << 7;
    QTest::newRow("fraction") << QByteArray("1.5") << 7;
    QTest::newRow("fullwidth digits") << QByteArray("\x82\x50") << 7;
}

void TestProfileStore::readInteger()
{
    QFETCH(QByteArray, raw);
    QFETCH(int, expected);
    QVERIFY(writeFile(m_path, "[Memo]\r\nTab=" + raw + "\r\n"));
    const ProfileStore store(m_path);
    QCOMPARE(store.readInteger(QStringLiteral("memo"), QStringLiteral("tab"), 7), expected);
}

void TestProfileStore::readBool_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("def");
    QTest::addColumn<bool>("expected");

    QTest::newRow("1") << QByteArray("[V]\r\nOn=1\r\n") << false << true;
    QTest::newRow("0") << QByteArray("[V]\r\nOn=0\r\n") << true << false;
    QTest::newRow("any other number") << QByteArray("[V]\r\nOn=2\r\n") << false << true;
    QTest::newRow("not a number, default true") << QByteArray("[V]\r\nOn=yes\r\n") << true << true;
    QTest::newRow("not a number, default false") << QByteArray("[V]\r\nOn=true\r\n") << false << false;
    QTest::newRow("missing, default true") << QByteArray("[V]\r\n") << true << true;
    QTest::newRow("missing, default false") << QByteArray("[V]\r\n") << false << false;
}

void TestProfileStore::readBool()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, def);
    QFETCH(bool, expected);
    QVERIFY(writeFile(m_path, file));
    const ProfileStore store(m_path);
    QCOMPARE(store.readBool(QStringLiteral("V"), QStringLiteral("On"), def), expected);
}

void TestProfileStore::missingFile()
{
    ProfileStore store(m_path);
    QCOMPARE(store.path(), m_path);
    QCOMPARE(store.readString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("d")), QStringLiteral("d"));
    QVERIFY(store.readString(QStringLiteral("Form"), QStringLiteral("Top")).isNull());
    QCOMPARE(store.readInteger(QStringLiteral("Form"), QStringLiteral("Top"), 100), 100);
    QCOMPARE(store.readBool(QStringLiteral("Form"), QStringLiteral("ToolBar"), true), true);
    QVERIFY(!store.hasSection(QStringLiteral("Form")));
    QVERIFY(store.sectionNames().isEmpty());
    QVERIFY(store.keyNames(QStringLiteral("Form")).isEmpty());

    // Erasing from a file that is not there succeeds and creates nothing.
    QVERIFY(store.eraseSection(QStringLiteral("Form")));
    QVERIFY(!QFile::exists(m_path));

    // The first write creates the file as the Windows functions would.
    QVERIFY(store.writeString(QStringLiteral("ホームページ"), QStringLiteral("1"), QStringLiteral("表示\\")));
    QCOMPARE(readFile(m_path), QByteArray("[\x83\x7A\x81\x5B\x83\x80\x83\x79\x81\x5B\x83\x57]\r\n"
                                          "1=\x95\x5C\x8E\xA6\x5C\r\n"));
    QVERIFY(store.lastError().isEmpty());
}

void TestProfileStore::names()
{
    QVERIFY(writeFile(m_path, fixture()));
    const ProfileStore store(m_path);
    QCOMPARE(store.sectionNames(),
             QStringList({"Tagwell", "Form", "font", QStringLiteral("ホームページ"), "Memo"}));
    QCOMPARE(store.keyNames(QStringLiteral("FONT")),
             QStringList({"EChar", "ESize", "Quoted", "Single", "DoubleDouble", "Mixed", "Lone", "Equals", "Empty"}));
    QCOMPARE(store.keyNames(QStringLiteral("memo")), QStringList({"Color", "Case"}));
    QCOMPARE(store.keyNames(QStringLiteral("form")), QStringList({"Top", "Left", "Width", "Height"}));
    QVERIFY(store.keyNames(QStringLiteral("NoSuch")).isEmpty());
    QVERIFY(store.hasSection(QStringLiteral("MEMO")));
    QVERIFY(store.hasSection(QStringLiteral(" ホームページ ")));
    QVERIFY(!store.hasSection(QStringLiteral("ソフト‐")));
    QVERIFY(!store.hasSection(QString()));
}

void TestProfileStore::readsAfreshEachTime()
{
    QVERIFY(writeFile(m_path, "[Form]\r\nTop=1\r\n"));
    ProfileStore store(m_path);
    QCOMPARE(store.readInteger(QStringLiteral("Form"), QStringLiteral("Top"), 0), 1);
    QVERIFY(writeFile(m_path, "[Form]\r\nTop=2\r\n"));
    QCOMPARE(store.readInteger(QStringLiteral("Form"), QStringLiteral("Top"), 0), 2);
    // A write starts from the file as it is now, not from what was read before.
    QVERIFY(writeFile(m_path, "[Form]\r\nTop=3\r\nLeft=4\r\n"));
    QVERIFY(store.writeInteger(QStringLiteral("Form"), QStringLiteral("Width"), 5));
    QCOMPARE(readFile(m_path), QByteArray("[Form]\r\nTop=3\r\nLeft=4\r\nWidth=5\r\n"));
}

void TestProfileStore::replacingKeepsEverythingElse_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("oldLine");
    QTest::addColumn<QByteArray>("newLine");

    QTest::newRow("caller's spelling, first section")
        << "FORM" << "top" << "42" << QByteArray("Top=100\r\n") << QByteArray("top=42\r\n");
    QTest::newRow("line with blanks") << "form" << "Left" << "7" << QByteArray("  Left = 120 \r\n")
                                      << QByteArray("Left=7\r\n");
    QTest::newRow("CP932 value") << "Font" << "EChar" << QStringLiteral("ＭＳ 明朝")
                                 << QByteArray("EChar=\x82\x6C\x82\x72 \x82\x6F\x83\x53\x83\x56\x83\x62\x83\x4E\r\n")
                                 << QByteArray("EChar=\x82\x6C\x82\x72\x20\x96\xBE\x92\xA9\r\n");
    QTest::newRow("first of two keys") << "memo" << "Case" << "1" << QByteArray("Case=0\r\n")
                                       << QByteArray("Case=1\r\n");
    QTest::newRow("empty value") << "Tagwell" << "Version" << "" << QByteArray("Version=0.92\r\n")
                                 << QByteArray("Version=\r\n");
    QTest::newRow("key after trail byte line") << QStringLiteral("ホームページ") << "Count" << "2"
                                               << QByteArray("Count=1\r\n") << QByteArray("Count=2\r\n");
}

void TestProfileStore::replacingKeepsEverythingElse()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, oldLine);
    QFETCH(QByteArray, newLine);

    QVERIFY(writeFile(m_path, fixture()));
    ProfileStore store(m_path);
    QVERIFY2(store.writeString(section, key, value), qPrintable(store.lastError()));
    QCOMPARE(readFile(m_path), withLineReplaced(fixture(), oldLine, newLine));
    QCOMPARE(store.readString(section, key, QStringLiteral("<default>")), value);
}

void TestProfileStore::addingKeyToSection_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("anchor");
    QTest::addColumn<QByteArray>("newLine");

    QTest::newRow("before trailing blank line")
        << "Form" << "ToolBar" << "1" << QByteArray("Height=550\r\n") << QByteArray("ToolBar=1\r\n");
    QTest::newRow("before comment and junk")
        << "FONT" << "PChar" << QStringLiteral("値") << QByteArray("Empty=\r\n") << QByteArray("PChar=\x92\x6C\r\n");
    QTest::newRow("key only in second section") << "Form" << "Extra" << "2" << QByteArray("Height=550\r\n")
                                                << QByteArray("Extra=2\r\n");
    QTest::newRow("CP932 section") << QStringLiteral("ホームページ") << "2" << "x" << QByteArray("Count=1\r\n")
                                   << QByteArray("2=x\r\n");
    QTest::newRow("last section of file") << "Memo" << "Tab" << "4" << QByteArray("case=1\r\n")
                                          << QByteArray("Tab=4\r\n");
}

void TestProfileStore::addingKeyToSection()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, anchor);
    QFETCH(QByteArray, newLine);

    QVERIFY(writeFile(m_path, fixture()));
    ProfileStore store(m_path);
    QVERIFY2(store.writeString(section, key, value), qPrintable(store.lastError()));
    QCOMPARE(readFile(m_path), withLineInsertedAfter(fixture(), anchor, newLine));
    QCOMPARE(store.readString(section, key), value);
}

void TestProfileStore::addingSection()
{
    QVERIFY(writeFile(m_path, fixture()));
    ProfileStore store(m_path);
    QVERIFY(store.writeString(QStringLiteral("新規"), QStringLiteral("キー"), QStringLiteral("値")));
    QCOMPARE(readFile(m_path), QByteArray(fixture() + "[\x90\x56\x8B\x4B]\r\n\x83\x4C\x81\x5B=\x92\x6C\r\n"));
    QVERIFY(store.writeString(QStringLiteral("新規"), QStringLiteral("Second"), QStringLiteral("2")));
    QCOMPARE(readFile(m_path), QByteArray(fixture() + "[\x90\x56\x8B\x4B]\r\n\x83\x4C\x81\x5B=\x92\x6C\r\nSecond=2\r\n"));
    QCOMPARE(store.sectionNames().last(), QStringLiteral("新規"));
    QCOMPARE(store.readString(QStringLiteral("Form"), QStringLiteral("Top")), QStringLiteral("100"));
}

void TestProfileStore::writingIntegersAndBooleans()
{
    ProfileStore store(m_path);
    QVERIFY(store.writeInteger(QStringLiteral("Form"), QStringLiteral("Top"), -5));
    QVERIFY(store.writeInteger(QStringLiteral("Form"), QStringLiteral("Color"), int(0x80000005u - 0x100000000ll)));
    QVERIFY(store.writeBool(QStringLiteral("Form"), QStringLiteral("ToolBar"), true));
    QVERIFY(store.writeBool(QStringLiteral("Form"), QStringLiteral("HtmlBar"), false));
    QCOMPARE(readFile(m_path),
             QByteArray("[Form]\r\nTop=-5\r\nColor=-2147483643\r\nToolBar=1\r\nHtmlBar=0\r\n"));
    QCOMPARE(store.readInteger(QStringLiteral("Form"), QStringLiteral("Color"), 0), int(0x80000005u - 0x100000000ll));
    QCOMPARE(store.readBool(QStringLiteral("Form"), QStringLiteral("ToolBar"), false), true);
    QCOMPARE(store.readBool(QStringLiteral("Form"), QStringLiteral("HtmlBar"), true), false);
}

void TestProfileStore::otherLineEndsRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const QByteArray lf("; LF\n[A]\na=1\n\n[B]\nb=\x93\xFA\x96\x7B\n");
    const QByteArray cr("; CR\r[A]\ra=1\r\r[B]\rb=\x93\xFA\x96\x7B");
    const QByteArray mixed("[A]\r\na=1\n[B]\rb=\x93\xFA\x96\x7B\r\n");
    QTest::newRow("LF first") << lf << "a" << "A" << "1";
    QTest::newRow("LF second") << lf << "b" << "B" << QStringLiteral("日本");
    QTest::newRow("LF no leak") << lf << "A" << "b" << "<none>";
    QTest::newRow("CR first") << cr << "A" << "a" << "1";
    QTest::newRow("CR last line unterminated") << cr << "B" << "b" << QStringLiteral("日本");
    QTest::newRow("CR no leak") << cr << "B" << "a" << "<none>";
    QTest::newRow("mixed") << mixed << "B" << "b" << QStringLiteral("日本");
    QTest::newRow("mixed no leak") << mixed << "A" << "b" << "<none>";
}

void TestProfileStore::otherLineEndsRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QVERIFY(writeFile(m_path, file));
    const ProfileStore store(m_path);
    QCOMPARE(store.readString(section, key, QStringLiteral("<none>")), expected);
    QCOMPARE(store.sectionNames(), QStringList({QStringLiteral("A"), QStringLiteral("B")}));
}

void TestProfileStore::lineEnds_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");

    // Lines the store adds end in CR LF; every other line keeps its own line end.
    QTest::newRow("LF: add key") << QByteArray("[A]\na=1\n\n[B]\nb=2\n") << "a" << "c" << "3"
                                 << QByteArray("[A]\na=1\nc=3\r\n\n[B]\nb=2\n");
    QTest::newRow("LF: replace keeps LF") << QByteArray("[A]\na=1\n\n[B]\nb=2\n") << "B" << "b" << "5"
                                          << QByteArray("[A]\na=1\n\n[B]\nb=5\n");
    QTest::newRow("LF: new section") << QByteArray("[A]\na=1\n") << "C" << "c" << "3"
                                     << QByteArray("[A]\na=1\n[C]\r\nc=3\r\n");
    QTest::newRow("lone CR") << QByteArray("[A]\ra=1\r[B]\rb=2") << "b" << "c" << "3"
                             << QByteArray("[A]\ra=1\r[B]\rb=2\r\nc=3\r\n");
    QTest::newRow("no line end: add key") << QByteArray("[A]\r\na=1") << "A" << "b" << "2"
                                          << QByteArray("[A]\r\na=1\r\nb=2\r\n");
    QTest::newRow("no line end: replace") << QByteArray("[A]\r\na=1") << "A" << "a" << "9"
                                          << QByteArray("[A]\r\na=9");
    QTest::newRow("no line end: new section") << QByteArray("[A]\r\n; end") << "C" << "c" << "3"
                                              << QByteArray("[A]\r\n; end\r\n[C]\r\nc=3\r\n");
    QTest::newRow("empty section: after header")
        << QByteArray("[A]\r\n\r\n; about B\r\n[B]\r\nb=1\r\n") << "A" << "a" << "1"
        << QByteArray("[A]\r\na=1\r\n\r\n; about B\r\n[B]\r\nb=1\r\n");
    QTest::newRow("CR CR LF is two lines") << QByteArray("[A]\r\r\na=1\r\n") << "A" << "b" << "2"
                                           << QByteArray("[A]\r\r\na=1\r\nb=2\r\n");
    QTest::newRow("empty file") << QByteArray("") << "A" << "a" << "1" << QByteArray("[A]\r\na=1\r\n");
}

void TestProfileStore::lineEnds()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);

    QVERIFY(writeFile(m_path, before));
    ProfileStore store(m_path);
    QVERIFY(store.writeString(section, key, value));
    QCOMPARE(readFile(m_path), after);
    QCOMPARE(store.readString(section, key), value);
}

void TestProfileStore::valuesReadBackAsWritten_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("plain") << "plain" << QByteArray("k=plain\r\n");
    QTest::newRow("tag with quotes inside") << "<A HREF=\"x.html\">" << QByteArray("k=<A HREF=\"x.html\">\r\n");
    QTest::newRow("leading blank") << " lead" << QByteArray("k=\" lead\"\r\n");
    QTest::newRow("trailing tab") << "trail\t" << QByteArray("k=\"trail\t\"\r\n");
    QTest::newRow("enclosed in double quotes") << "\"q\"" << QByteArray("k=\"\"q\"\"\r\n");
    QTest::newRow("enclosed in single quotes") << "'q'" << QByteArray("k=\"'q'\"\r\n");
    QTest::newRow("two quotes") << "''" << QByteArray("k=\"''\"\r\n");
    QTest::newRow("one quote") << "\"" << QByteArray("k=\"\r\n");
    QTest::newRow("quote at one end") << "\"abc" << QByteArray("k=\"abc\r\n");
    QTest::newRow("equals signs") << "=a=b=" << QByteArray("k==a=b=\r\n");
    QTest::newRow("semicolon") << ";not a comment" << QByteArray("k=;not a comment\r\n");
    QTest::newRow("brackets") << "[x]" << QByteArray("k=[x]\r\n");
    QTest::newRow("backslash trail byte") << QStringLiteral("表示") << QByteArray("k=\x95\x5C\x8E\xA6\r\n");
    // As read from the bytes 81 FA 4A: a stray lead byte, then "Ⅰ" in its IBM code, which is
    // kept because the standard 87 54 would pair with the stray byte.
    QTest::newRow("stray lead byte, then alternative code")
        << QString(QChar(char16_t(0xF781))) + QChar(char16_t(0x2160)) << QByteArray("k=\x81\xFA\x4A\r\n");
    QTest::newRow("stray lead byte at the end") << QString(QChar(char16_t(0xF781))) << QByteArray("k=\x81\r\n");
    QTest::newRow("stray lead byte before the closing quote")
        << QString(u' ' + QChar(char16_t(0xF781))) << QByteArray("k=\" \x81\"\r\n");
}

void TestProfileStore::valuesReadBackAsWritten()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, line);
    ProfileStore store(m_path);
    QVERIFY(store.writeString(QStringLiteral("S"), QStringLiteral("k"), value));
    QCOMPARE(store.readString(QStringLiteral("S"), QStringLiteral("k")), value);
    QCOMPARE(readFile(m_path), QByteArray("[S]\r\n" + line));
    // Rewriting the same value leaves the same line.
    QVERIFY(store.writeString(QStringLiteral("S"), QStringLiteral("k"), value));
    QCOMPARE(readFile(m_path), QByteArray("[S]\r\n" + line));
}

void TestProfileStore::refusedWrites_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");

    QTest::newRow("CR LF in value") << "Form" << "Top" << "1\r\n[Evil]";
    QTest::newRow("LF in value") << "Form" << "Top" << "1\nx=2";
    QTest::newRow("CR in value") << "Form" << "Top" << "1\rx=2";
    QTest::newRow("NUL in value") << "Form" << "Top" << QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b"));
    QTest::newRow("line break in section") << "A\r\nB" << "k" << "v";
    QTest::newRow("line break in key") << "Form" << "a\nb" << "v";
    QTest::newRow("= in key") << "Form" << "a=b" << "v";
    QTest::newRow("key like a header") << "Form" << "[Top]" << "v";
    QTest::newRow("key like a comment") << "Form" << ";Top" << "v";
    QTest::newRow("empty key") << "Form" << "  " << "v";
    QTest::newRow("empty section") << "" << "k" << "v";
    QTest::newRow("value outside CP932") << "Form" << "Top" << QStringLiteral("한국");
    QTest::newRow("emoji in value") << "Form" << "Top" << QStringLiteral("a\U0001F600");
    QTest::newRow("section outside CP932") << QStringLiteral("한") << "k" << "v";
    // A stray lead byte (raw-byte character) that would pair with the byte written after it.
    const QString rawF0(QChar(char16_t(0xF7F0)));
    const QString raw81(QChar(char16_t(0xF781)));
    QTest::newRow("section ending in a lead byte") << QString(u'A' + rawF0) << "k" << "v";
    QTest::newRow("CP932 section ending in a lead byte") << QString(QStringLiteral("日本") + raw81) << "k" << "v";
    QTest::newRow("key with a lead byte before ASCII") << "Form" << QString(raw81 + u'x') << "v";
    QTest::newRow("value with a lead byte before ASCII") << "Form" << "Top" << QString(raw81 + u'A');
}

void TestProfileStore::refusedWrites()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QVERIFY(writeFile(m_path, fixture()));
    ProfileStore store(m_path);
    QVERIFY(!store.writeString(section, key, value));
    QVERIFY(!store.lastError().isEmpty());
    QCOMPARE(readFile(m_path), fixture());
    // A later write that works clears the error.
    QVERIFY(store.writeString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("1")));
    QVERIFY(store.lastError().isEmpty());
}

void TestProfileStore::erasing_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QList<int>>("kept");

    QTest::newRow("middle section, both spellings") << "form" << QList<int>{0, 1, 3, 4, 6};
    QTest::newRow("last section") << "MEMO" << QList<int>{0, 1, 2, 3, 4, 5};
    QTest::newRow("CP932 section") << QStringLiteral("ホームページ") << QList<int>{0, 1, 2, 3, 5, 6};
    QTest::newRow("missing section") << "NoSuch" << QList<int>{0, 1, 2, 3, 4, 5, 6};
    QTest::newRow("trail byte line is no section") << QStringLiteral("ソフト‐") << QList<int>{0, 1, 2, 3, 4, 5, 6};
}

void TestProfileStore::erasing()
{
    QFETCH(QString, section);
    QFETCH(QList<int>, kept);

    QVERIFY(writeFile(m_path, fixture()));
    ProfileStore store(m_path);
    QVERIFY2(store.eraseSection(section), qPrintable(store.lastError()));
    QByteArray expected;
    for (int block : kept)
        expected += FixtureBlocks[block];
    QCOMPARE(readFile(m_path), expected);
    QVERIFY(!store.hasSection(section));
    // Erasing and writing again gives a fresh section, as the lists of the program do.
    QVERIFY(store.writeString(section, QStringLiteral("Count"), QStringLiteral("0")));
    QCOMPARE(store.keyNames(section), QStringList{QStringLiteral("Count")});
}

void TestProfileStore::updateWritesAllOrNothing()
{
    QVERIFY(writeFile(m_path, fixture()));
    ProfileStore store(m_path);
    // A change refused half way leaves the file as it was.
    QVERIFY(!store.update([](ProfileText &text, QString *error) {
        return text.setValue(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("1"), error)
            && text.setValue(QStringLiteral("Form"), QStringLiteral("Left"), QStringLiteral("a\nb"), error);
    }));
    QVERIFY(store.lastError().contains(QStringLiteral("TW.ini")));
    QCOMPARE(readFile(m_path), fixture());
    QVERIFY(store.update([](ProfileText &text, QString *error) {
        text.eraseSection(QStringLiteral("Font"));
        return text.setValue(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("1"), error)
            && text.setValue(QStringLiteral("New"), QStringLiteral("Key"), QStringLiteral("v"), error);
    }));
    QVERIFY(store.lastError().isEmpty());
    ProfileText text;
    QVERIFY(store.read(text));
    QCOMPARE(text.value(QStringLiteral("form"), QStringLiteral("top")), std::optional<QString>(QStringLiteral("1")));
    QCOMPARE(text.value(QStringLiteral("New"), QStringLiteral("Key")), std::optional<QString>(QStringLiteral("v")));
    QVERIFY(!text.hasSection(QStringLiteral("Font")));
}

void TestProfileStore::failedWriteKeepsOldFile()
{
    const QString folder = m_dir->filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/TW.ini");
    QVERIFY(writeFile(path, fixture()));
    QFile::Permissions writable = QFile::permissions(folder);
    QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(folder, writable); });
    {
        QFile probe(folder + QStringLiteral("/probe"));
        if (probe.open(QIODevice::WriteOnly))
            QSKIP("The read-only folder is still writable (running as root?); the failed write cannot be provoked.");
    }

    ProfileStore store(path);
    QVERIFY(!store.writeString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("1")));
    QVERIFY(!store.lastError().isEmpty());
    QVERIFY(store.lastError().contains(QStringLiteral("TW.ini")));
    QVERIFY(!store.eraseSection(QStringLiteral("Form")));
    QVERIFY(!store.lastError().isEmpty());
    QCOMPARE(readFile(path), fixture());
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("TW.ini")});
    // Reading still works and nothing pretended to be written.
    QCOMPARE(store.readString(QStringLiteral("Form"), QStringLiteral("Top")), QStringLiteral("100"));
    // A write that changes nothing needs no access to the folder.
    QVERIFY(store.writeString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("100")));
}

void TestProfileStore::unreadableFileIsNotOverwritten()
{
    QVERIFY(writeFile(m_path, fixture()));
    const QFile::Permissions readable = QFile::permissions(m_path);
    QVERIFY(QFile::setPermissions(m_path, QFile::WriteOwner));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(m_path, readable); });
    {
        QFile probe(m_path);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("The unreadable file can still be read (running as root?); the failed read cannot be provoked.");
    }

    ProfileStore store(m_path);
    QCOMPARE(store.readString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("d")), QStringLiteral("d"));
    // Writing what could not be read would throw the file's other keys away.
    QVERIFY(!store.writeString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("1")));
    QVERIFY(!store.lastError().isEmpty());
    QVERIFY(!store.eraseSection(QStringLiteral("Form")));
    QVERIFY(QFile::setPermissions(m_path, readable));
    QCOMPARE(readFile(m_path), fixture());
}

void TestProfileStore::unwritablePaths()
{
    // Failures that permissions do not decide, so they also hold when running as root.
    ProfileStore noFolder(m_dir->filePath(QStringLiteral("missing/TW.ini")));
    QVERIFY(!noFolder.writeString(QStringLiteral("Form"), QStringLiteral("Top"), QStringLiteral("1")));
    QVERIFY(!noFolder.lastError().isEmpty());
    QVERIFY(!QFile::exists(noFolder.path()));

    const QString folderPath = m_dir->filePath(QStringLiteral("CustomTag.ini"));
    QVERIFY(QDir().mkpath(folderPath));
    ProfileStore folder(folderPath);
    QCOMPARE(folder.readString(QStringLiteral("Tags"), QStringLiteral("Count"), QStringLiteral("0")), QStringLiteral("0"));
    QVERIFY(!folder.writeString(QStringLiteral("Tags"), QStringLiteral("Count"), QStringLiteral("1")));
    QVERIFY(!folder.lastError().isEmpty());
    QVERIFY(!folder.eraseSection(QStringLiteral("Tags")));
    QVERIFY(QFileInfo(folderPath).isDir());
}

void TestProfileStore::textRoundTripsAnyBytes()
{
    // Whatever the bytes, parsing and serialising gives them back unchanged.
    static const char alphabet[] = "[]=;\r\n \t\"'aAbB$0x9";
    QRandomGenerator random(4711);
    for (int trial = 0; trial < 500; ++trial) {
        QByteArray bytes;
        const int length = random.bounded(120);
        for (int i = 0; i < length; ++i) {
            const int pick = random.bounded(4);
            if (pick == 0)
                bytes += char(random.bounded(256));
            else
                bytes += alphabet[random.bounded(int(sizeof alphabet) - 1)];
        }
        QCOMPARE(ProfileText(bytes).toBytes(), bytes);
    }
}

void TestProfileStore::textChangesOnlyWhatIsWritten()
{
    // On random files: a written key reads back as given, and every other key reads as
    // before; an erased section is gone and the other sections read as before.
    static const char *const pieces[] = {"[a]", "[A]", "[b]", " [ ab ] ", "a=1", "A = 2", "b='3'", "ab=\"4\"",
                                         ";a=5", "junk", "", "[b", "b=\x95\x5C", "\x83\x5C]=6", "\t"};
    static const char *const ends[] = {"\r\n", "\n", "\r", ""};
    const QStringList names{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("ab")};
    const QStringList values{QStringLiteral("x"), QStringLiteral(" y "), QStringLiteral("\"q\""),
                             QStringLiteral("表示"), QString(), QStringLiteral("a=b")};
    auto snapshot = [&](const ProfileText &text) {
        QStringList seen;
        for (const QString &s : names) {
            for (const QString &k : names)
                seen << text.value(s, k).value_or(QStringLiteral("<none>"));
        }
        return seen;
    };

    QRandomGenerator random(1234);
    for (int trial = 0; trial < 400; ++trial) {
        QByteArray bytes;
        const int lines = random.bounded(10);
        for (int i = 0; i < lines; ++i) {
            bytes += pieces[random.bounded(int(std::size(pieces)))];
            bytes += ends[i + 1 == lines ? random.bounded(4) : random.bounded(3)];
        }
        const ProfileText original(bytes);
        const QStringList before = snapshot(original);

        const int s = random.bounded(int(names.size()));
        const int k = random.bounded(int(names.size()));
        const QString value = values[random.bounded(int(values.size()))];
        ProfileText written(bytes);
        QVERIFY(written.setValue(names[s], names[k], value));
        const ProfileText reread(written.toBytes());
        QStringList expected = before;
        expected[s * names.size() + k] = value;
        QCOMPARE(snapshot(reread), expected);

        ProfileText erased(bytes);
        erased.eraseSection(names[s]);
        const ProfileText rereadErased(erased.toBytes());
        QVERIFY(!rereadErased.hasSection(names[s]));
        const QStringList afterErase = snapshot(rereadErased);
        for (int i = 0; i < names.size(); ++i) {
            for (int j = 0; j < names.size(); ++j) {
                const int index = i * int(names.size()) + j;
                if (i == s)
                    QCOMPARE(afterErase[index], QStringLiteral("<none>"));
                else
                    QCOMPARE(afterErase[index], before[index]);
            }
        }
    }
}

void TestProfileStore::lookupsFollowEveryChange()
{
    // One text read, written and erased in turns reads at every step as the same bytes
    // read afresh: what earlier lookups learnt never outlives a change.
    static const char *const pieces[] = {"[a]", "[A]", "[b]", "[ab]", "[]", "a=1", "A=2", "b=3", "ab=4", ";a=5", "x", ""};
    const QStringList names{QStringLiteral("a"), QStringLiteral("B"), QStringLiteral("ab"), QStringLiteral("c")};
    auto snapshot = [&](const ProfileText &text) {
        QStringList seen;
        for (const QString &s : names) {
            seen << QString::number(text.hasSection(s)) << text.keyNames(s).join(QLatin1Char(','));
            for (const QString &k : names)
                seen << text.value(s, k).value_or(QStringLiteral("<none>"));
        }
        return seen;
    };
    QRandomGenerator random(4321);
    for (int trial = 0; trial < 200; ++trial) {
        QByteArray bytes;
        for (int i = random.bounded(12); i > 0; --i)
            bytes += QByteArray(pieces[random.bounded(int(std::size(pieces)))]) + "\r\n";
        ProfileText text(bytes);
        for (int step = 0; step < 8; ++step) {
            QCOMPARE(snapshot(text), snapshot(ProfileText(text.toBytes())));
            const QString &s = names[random.bounded(int(names.size()))];
            if (random.bounded(4) == 0)
                text.eraseSection(s);
            else
                QVERIFY(text.setValue(s, names[random.bounded(int(names.size()))], QString::number(step)));
        }
        QCOMPARE(snapshot(text), snapshot(ProfileText(text.toBytes())));
    }
}

QTEST_GUILESS_MAIN(TestProfileStore)
#include "tst_profilestore.moc"

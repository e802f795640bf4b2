// The tag dictionary without windows: reading the file, the word before the caret, the
// completion's and the editor's block lookups, the editor's operations and the shipped file.
#include "TagDictionaryScan.h"

#include "editing/AsciiCase.h"
#include "platform/Cp932Codec.h"
#include "userdata/tagdictionary/TagCompletion.h"
#include "userdata/tagdictionary/TagDictionary.h"
#include "userdata/tagdictionary/TagDictionaryEditor.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include "SourceTree.h"

using Mode = TagCompletion::Mode;
using Kind = TagDictionaryEditor::Notice::Kind;

namespace {
QStringList L(const char *text)
{
    return QString::fromUtf8(text).split(QLatin1Char('|'));
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

// Every key a lookup could be asked for in these lines: each "<text>" and each word's start.
QStringList keysOf(const QStringList &lines)
{
    QSet<QString> keys{QString(), QStringLiteral("TAGS"), QStringLiteral("A")};
    static const QRegularExpression marker(QStringLiteral("<(/?[^<>]*)>"));
    for (const QString &line : lines) {
        for (auto it = marker.globalMatch(line); it.hasNext();) {
            const QString k = it.next().captured(1);
            keys << k << (k.startsWith(QLatin1Char('/')) ? k.mid(1) : k);
        }
        for (int n = 1; n <= 3 && n <= line.size(); ++n)
            keys << line.left(n);
    }
    return keys.values();
}

QList<Kind> kinds(const TagDictionaryEditor &e)
{
    QList<Kind> k;
    for (const auto &n : e.notices())
        k << n.kind;
    return k;
}
} // namespace

class TestTagDictionary : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void fileLines()
    {
        QCOMPARE(TagDictionary::linesOf("<TAGS>\r\nA\r\n</TAGS>\r\n"), L("<TAGS>|A|</TAGS>"));
        QCOMPARE(TagDictionary::linesOf("a\nb\rc\r\n\r\nd"), L("a|b|c||d"));
        QCOMPARE(TagDictionary::linesOf(""), QStringList());
        QCOMPARE(TagDictionary::linesOf("\r\n"), QStringList{QString()});
        QCOMPARE(TagDictionary::bytesOf(L("<A>|HREF=\"\"|</A>")), QByteArray("<A>\r\nHREF=\"\"\r\n</A>\r\n"));
        // Bytes that are not CP932 come back as they were.
        const QByteArray odd("<\x81>\r\n\xff\xa0\x82\r\n");
        QCOMPARE(TagDictionary::bytesOf(TagDictionary::linesOf(odd)), odd);
        const QByteArray japanese = Cp932Codec::encode(u"<表>\r\n幅=\"\"\r\n");
        QCOMPARE(TagDictionary::linesOf(japanese), QStringList({QStringLiteral("<表>"), QStringLiteral("幅=\"\"")}));
    }

    void wordBeforeCaret_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("typed");
        QTest::newRow("just after <") << "<" << int(Mode::TagName) << "" << 0;
        QTest::newRow("tag name") << "<TA" << int(Mode::TagName) << "TA" << 2;
        QTest::newRow("lower case is raised") << "text <ta" << int(Mode::TagName) << "TA" << 2;
        QTest::newRow("the last < counts") << "<B>bold</B> <I" << int(Mode::TagName) << "I" << 1;
        QTest::newRow("after a complete tag") << "<TABLE>" << int(Mode::None) << "" << 0;
        QTest::newRow("text after a tag") << "<B>bold" << int(Mode::None) << "" << 0;
        QTest::newRow("no < on the line") << "ta" << int(Mode::TagName) << "TA" << 2;
        QTest::newRow("empty line") << "" << int(Mode::TagName) << "" << 0;
        QTest::newRow("tag and space") << "<table " << int(Mode::Attribute) << "TABLE" << 0;
        QTest::newRow("after an attribute") << "<TABLE BORDER=\"1\" " << int(Mode::Attribute) << "TABLE" << 0;
        QTest::newRow("inside an attribute") << "<a href" << int(Mode::Attribute) << "A" << 0;
        QTest::newRow("space first") << "< " << int(Mode::Attribute) << "" << 0;
        QTest::newRow("tab is no space") << "<TD\tW" << int(Mode::TagName) << "TD\tW" << 4;
        QTest::newRow("only ASCII letters change") << "<ａb" << int(Mode::TagName) << "ａB" << 2;
    }
    void wordBeforeCaret()
    {
        QFETCH(QString, prefix);
        const TagCompletion::Request r = TagCompletion::request(prefix);
        QTEST(int(r.mode), "mode");
        QTEST(r.key, "key");
        QTEST(r.typedLength, "typed");
    }

    void completionLookups()
    {
        const TagDictionary d(L("x <TAGS> y|TABLE|TD|TA|table|TEXTAREA|z </TAGS>|TAG|"
                                "<TABLE>|BORDER=\"\"|WIDTH=\"\"|</TABLE>|<TD>|</TD>|<TABLE>|SECOND=\"\"|</TABLE>|"
                                "<TR>|ALIGN=\"\"|</TD>|BGCOLOR=\"\"|</TR>|<OPEN>|REST|OF|FILE"));
        // Contains tests, file order, case-sensitive; lines past the closing line are not tags.
        QCOMPARE(d.tagsStartingWith(u"TA"), L("TABLE|TA"));
        QCOMPARE(d.tagsStartingWith(u"T"), L("TABLE|TD|TA|TEXTAREA"));
        QCOMPARE(d.tagsStartingWith(u"TAG"), QStringList());
        QCOMPARE(d.tagsStartingWith(u""), QStringList());
        QCOMPARE(d.attributesOf(u"TABLE"), L("BORDER=\"\"|WIDTH=\"\""));
        QCOMPARE(d.attributesOf(u"TD"), QStringList());
        QVERIFY(d.block(u"TD").has_value());
        // The closing line of another tag does not end a block.
        QCOMPARE(d.attributesOf(u"TR"), L("ALIGN=\"\"|</TD>|BGCOLOR=\"\""));
        // No closing line: to the end.
        QCOMPARE(d.attributesOf(u"OPEN"), L("REST|OF|FILE"));
        QVERIFY(!d.block(u"NONE").has_value());
        QVERIFY(!d.block(u"table").has_value());

        // A closing line before the opening one is not its end; nor is the opening line itself.
        const TagDictionary e(L("</B>|<B>I=\"\"</B>|X|</B>|Y"));
        QCOMPARE(e.attributesOf(u"B"), L("X"));
        QCOMPARE(TagCompletion::entries(e, TagCompletion::request(u"<b ")), L("X"));
        QCOMPARE(TagCompletion::entries(e, TagCompletion::request(u"<b>")), QStringList());

        // No tag list at all.
        QCOMPARE(TagDictionary(L("<A>|HREF|</A>")).tagsStartingWith(u"A"), QStringList());
        QCOMPARE(TagDictionary().tagsStartingWith(u"A"), QStringList());
        QCOMPARE(TagCompletion::remainder(QStringLiteral("TABLE"), 2), QStringLiteral("BLE"));
    }

    // The lookups built at load time against walking the lines, on every seed of the fuzz
    // corpus and on the shipped dictionary.
    void lookupsAgreeWithScans()
    {
        QStringList files{SourceTree::path(u"resources/Template.tag")};
        const QDir corpus(SourceTree::path(u"fuzz/corpus/tagdictionary"));
        QVERIFY(corpus.exists());
        for (const QString &name : corpus.entryList(QDir::Files))
            files << corpus.filePath(name);
        QVERIFY(files.size() > 3);
        for (const QString &file : std::as_const(files)) {
            const QStringList lines = TagDictionary::linesOf(readFile(file));
            const TagDictionary d(lines);
            const TagDictionaryEditor e(lines);
            for (const QString &key : keysOf(lines)) {
                const auto scanned = TagDictionaryScan::completionBlock(lines, key);
                QCOMPARE(d.attributesOf(key), scanned.value_or(QStringList()));
                QCOMPARE(d.tagsStartingWith(key), TagDictionaryScan::tagsStartingWith(lines, key));
                const QString lower = key.toLower();
                QCOMPARE(e.find(lower), TagDictionaryScan::find(lines, lower));
                const qsizetype at = TagDictionaryScan::find(lines, key);
                QCOMPARE(e.find(key, at + 1), TagDictionaryScan::find(lines, key, at + 1));
            }
        }
    }

    void editorFindsWholeLinesInAnyCase()
    {
        TagDictionaryEditor e(L("<tags>|b|a|</Tags>| <A>|<a>|x|</A>"));
        QCOMPARE(e.names(), L("a|b"));
        QVERIFY(e.notices().isEmpty());
        QCOMPARE(e.find(u"<A>"), 5);
        QCOMPARE(e.attributes(QStringLiteral("A")), L("x"));
        QCOMPARE(e.attributes(QStringLiteral("NONE")), QStringList());
        QVERIFY(e.notices().isEmpty());
        // An opening line without its closing line: the copy is kept for IndexOf.txt.
        TagDictionaryEditor broken(L("<TAGS>|A"));
        QCOMPARE(broken.names(), QStringList());
        QCOMPARE(kinds(broken), QList<Kind>{Kind::IndexOfError});
        QCOMPARE(broken.notices().first().snapshot, L("<TAGS>|A"));
        QCOMPARE(broken.notices().first().text(), QStringLiteral("IndexOf Error"));
    }

    void add()
    {
        TagDictionaryEditor e;
        QVERIFY(!e.add(QStringLiteral("  ")));
        QVERIFY(e.lines().isEmpty());
        QVERIFY(e.add(QStringLiteral(" p ")));
        QCOMPARE(e.lines(), L("<TAGS>|P|</TAGS>|<P>|</P>"));
        QVERIFY(e.add(QStringLiteral("a")));
        QCOMPARE(e.lines(), L("<TAGS>|A|P|</TAGS>|<P>|</P>|<A>|</A>"));
        QCOMPARE(e.names(), L("A|P"));
        // Listed already, as typed in any case.
        QVERIFY(!e.add(QStringLiteral("p")));
        QCOMPARE(kinds(e), QList<Kind>{Kind::Duplicate});
        QCOMPARE(e.notices().first().text(),
                 QStringLiteral("\"P\" を追加しようとしました。\r\n\r\nこのタグはすでに登録されています。"));
        QCOMPARE(e.lines().size(), 8);

        // The tag list moves to the top, sorted without regard to case.
        TagDictionaryEditor m(L("<B>|X|</B>|<TAGS>|b|</TAGS>"));
        QVERIFY(m.add(QStringLiteral("a")));
        QCOMPARE(m.lines(), L("<TAGS>|A|b|</TAGS>|<B>|X|</B>|<A>|</A>"));

        // Without a tag list one is made, after the warning.
        TagDictionaryEditor none(L("<B>|</B>"));
        QVERIFY(none.add(QStringLiteral("c")));
        QCOMPARE(kinds(none), QList<Kind>{Kind::NotFound});
        QCOMPARE(none.notices().first().text(), QStringLiteral("'<TAGS>'が見つかりませんでした。"));
        QCOMPARE(none.lines(), L("<TAGS>|C|</TAGS>|<B>|</B>|<C>|</C>"));

        // A tag list without its end is not rebuilt from nothing.
        TagDictionaryEditor broken(L("<TAGS>|A|B"));
        QVERIFY(!broken.add(QStringLiteral("c")));
        QCOMPARE(kinds(broken), (QList<Kind>{Kind::IndexOfError, Kind::NotFound}));
        QCOMPARE(broken.lines(), L("<TAGS>|A|B"));
        QCOMPARE(broken.names(), QStringList());
    }

    void addRefusesWhatIsNoTagName_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("blanks only") << " \t " << int(Kind::EmptyName) << "追加するタグ名を入力してください。";
        QTest::newRow("the tag list's marker") << " tags " << int(Kind::ReservedName)
                                               << "\"TAGS\" はタグ一覧の目印に使われているため、タグとして追加できません。";
        QTest::newRow("blank inside") << "my tag" << int(Kind::NotATagName)
                                      << "\"MY TAG\" はタグ名として追加できません。\r\n\r\n空白、「<」「>」「/」を含まない名前を入力してください。";
        QTest::newRow("full-width blank") << "A\u3000B" << int(Kind::NotATagName) << QString();
        QTest::newRow("opening bracket") << "<p" << int(Kind::NotATagName) << QString();
        QTest::newRow("closing bracket") << "p>" << int(Kind::NotATagName) << QString();
        QTest::newRow("slash") << "/p" << int(Kind::NotATagName) << QString();
        QTest::newRow("not in Shift-JIS") << "caf\u00e9\U0001F600" << int(Kind::Unencodable)
                                          << "Shift-JIS で保存できない文字「\u00e9\U0001F600」が含まれています。\r\n\r\n"
                                             "この文字を除いてから、もう一度お試しください。";
    }
    void addRefusesWhatIsNoTagName()
    {
        QFETCH(QString, typed);
        QFETCH(int, kind);
        QFETCH(QString, text);
        const QStringList before = L("<TAGS>|A|</TAGS>|<A>|</A>");
        TagDictionaryEditor e(before);
        QVERIFY(!e.add(typed));
        QCOMPARE(kinds(e), QList<Kind>{Kind(kind)});
        if (!text.isEmpty())
            QCOMPARE(e.notices().first().text(), text);
        QCOMPARE(e.lines(), before);
        QCOMPARE(e.names(), L("A"));
        // Completion still offers the tags afterwards.
        QCOMPARE(TagDictionary(e.lines()).tagsStartingWith(QStringLiteral("A")), L("A"));
        // Japanese names Shift-JIS holds are tag names like any other.
        QVERIFY(e.add(QStringLiteral("見出し")));
        QCOMPARE(e.names(), L("A|見出し"));
    }

    void updateRefusesWhatShiftJisCannotHold()
    {
        const QStringList before = L("<TAGS>|A|</TAGS>|<A>|HREF=\"\"|</A>");
        TagDictionaryEditor e(before);
        QCOMPARE(e.update(QStringLiteral("A"), QStringLiteral("title=\"caf\u00e9 \u00e9\"\nname=\"\"")), std::nullopt);
        QCOMPARE(kinds(e), QList<Kind>{Kind::Unencodable});
        QCOMPARE(e.notices().first().subject, QStringLiteral("\u00e9"));
        QCOMPARE(e.lines(), before);
        // Japanese text and the file's own undecodable bytes go through.
        QCOMPARE(e.update(QStringLiteral("A"), QStringLiteral("title=\"題名\"\n") + QChar(Cp932Codec::RawByteFirst)),
                 std::optional(QStringList{QStringLiteral("TITLE=\"題名\""), QString(QChar(Cp932Codec::RawByteFirst))}));
        QVERIFY(e.notices().isEmpty());
    }

    void remove()
    {
        TagDictionaryEditor e(L("<TAGS>|A|B|</TAGS>|<A>|HREF|</A>|<B>|</B>"));
        QVERIFY(e.remove(QStringLiteral("A")));
        QCOMPARE(e.lines(), L("<B>|</B>|<TAGS>|B|</TAGS>"));
        QCOMPARE(e.names(), L("B"));
        QVERIFY(e.notices().isEmpty());
        // The only tag: an empty tag list stays.
        QVERIFY(e.remove(QStringLiteral("B")));
        QCOMPARE(e.lines(), L("<TAGS>|</TAGS>"));
        QCOMPARE(e.names(), QStringList());

        // No attribute block: the name still leaves the list, with the warning.
        TagDictionaryEditor noBlock(L("<TAGS>|A|</TAGS>"));
        QVERIFY(noBlock.remove(QStringLiteral("A")));
        QCOMPARE(kinds(noBlock), QList<Kind>{Kind::NotFound});
        QCOMPARE(noBlock.notices().first().text(), QStringLiteral("'<A>'が見つかりませんでした。"));
        QCOMPARE(noBlock.lines(), L("<TAGS>|</TAGS>"));

        // No line begins with "<TAGS>": nothing changes and the name stays listed.
        TagDictionaryEditor lower(L("<tags>|A|</tags>|<A>|</A>"));
        QCOMPARE(lower.names(), L("A"));
        QVERIFY(!lower.remove(QStringLiteral("A")));
        QCOMPARE(kinds(lower), QList<Kind>{Kind::DeleteFailed});
        QCOMPARE(lower.notices().first().text(), QStringLiteral("\"A\" の削除に失敗しました。"));
        QCOMPARE(lower.lines(), L("<tags>|A|</tags>|<A>|</A>"));
        QCOMPARE(lower.names(), L("A"));

        // A tag list that cannot be removed whole is not appended a second time.
        TagDictionaryEditor broken(L("<TAGS>|A|<A>|</A>"));
        QVERIFY(!broken.remove(QStringLiteral("A")));
        QCOMPARE(broken.lines(), L("<TAGS>|A|<A>|</A>"));
    }

    void update()
    {
        TagDictionaryEditor e(L("<TAGS>|A|</TAGS>|<A>|HREF=\"\"|</A>|<B>|</B>"));
        QCOMPARE(e.update(QStringLiteral("A"), QString()), std::nullopt);
        QCOMPARE(e.lines().size(), 8);
        QCOMPARE(e.update(QStringLiteral("A"), QStringLiteral("  target=\"\"\n\n\tname=\"x\"  \nHREF=\"\"\n   ")),
                 std::optional(L("HREF=\"\"|NAME=\"X\"|TARGET=\"\"")));
        QCOMPARE(e.lines(), L("<TAGS>|A|</TAGS>|<B>|</B>|<A>|HREF=\"\"|NAME=\"X\"|TARGET=\"\"|</A>"));
        // A tag whose block is missing gets one, after the warning.
        QCOMPARE(e.update(QStringLiteral("C"), QStringLiteral("x")), std::optional(L("X")));
        QCOMPARE(kinds(e), QList<Kind>{Kind::NotFound});
        QCOMPARE(e.lines().mid(10), L("<C>|X|</C>"));
        // An open block is left as it is.
        TagDictionaryEditor broken(L("<A>|X"));
        broken.update(QStringLiteral("A"), QStringLiteral("y"));
        QCOMPARE(broken.lines(), L("<A>|X"));
    }

    // The dictionary that ships beside the program.
    void shippedDictionary()
    {
        const QByteArray bytes = readFile(SourceTree::path(u"resources/Template.tag"));
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        Cp932Codec::Report report;
        Cp932Codec::decode(bytes, &report);
        QVERIFY(!report.invalidBytes);
        const QStringList lines = TagDictionary::linesOf(bytes);
        QCOMPARE(TagDictionary::bytesOf(lines), bytes);

        const TagDictionary d(lines);
        TagDictionaryEditor e(lines);
        QVERIFY(e.notices().isEmpty());
        const QStringList tags = TagDictionaryScan::completionBlock(lines, QStringLiteral("TAGS")).value();
        QCOMPARE(e.names(), tags);
        QStringList sorted = tags;
        TagDictionaryEditor::sortNames(sorted);
        QCOMPARE(tags, sorted);
        for (const char *name : {"A", "TABLE", "FRAMESET", "FONT", "CENTER", "ISINDEX", "SECTION", "ARTICLE", "NAV",
                                 "MAIN", "VIDEO", "PICTURE", "TEMPLATE", "DIALOG", "SEARCH", "H6"})
            QVERIFY2(tags.contains(QLatin1String(name)), name);
        static const QRegularExpression attribute(QStringLiteral("^[A-Z][A-Z0-9-]*(=\"\")?$"));
        int blocks = 1;
        for (const QString &tag : tags) {
            QCOMPARE(tag, AsciiCase::upper(tag));
            QVERIFY2(d.block(tag).has_value(), qPrintable(tag));
            const QStringList attrs = e.attributes(tag);
            QVERIFY(e.notices().isEmpty());
            QCOMPARE(d.attributesOf(tag), attrs);
            QStringList s = attrs;
            TagDictionaryEditor::sortNames(s);
            QCOMPARE(attrs, s);
            for (const QString &a : attrs)
                QVERIFY2(attribute.match(a).hasMatch(), qPrintable(tag + QLatin1Char(' ') + a));
            blocks += 1;
        }
        // Nothing but the blocks.
        int markers = 0;
        for (const QString &line : lines)
            markers += line.startsWith(QLatin1Char('<')) ? 1 : 0;
        QCOMPARE(markers, 2 * blocks);
        QVERIFY(d.attributesOf(u"A").contains(QStringLiteral("HREF=\"\"")));
        QVERIFY(d.attributesOf(u"INPUT").contains(QStringLiteral("CHECKED")));
        QCOMPARE(d.tagsStartingWith(u"TA").first(), QStringLiteral("TABLE"));
    }
};

QTEST_GUILESS_MAIN(TestTagDictionary)
#include "tst_tagdictionary.moc"

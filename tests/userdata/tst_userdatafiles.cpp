// The user's data files as older installations left them: CustomTag.ini, FS.ini, the
// start-up list, Temp/Title.lst and the template files, read and written on bytes.
#include "platform/Cp932Codec.h"
#include "userdata/customtags/CustomTagFile.h"
#include "userdata/customtags/CustomTagSource.h"
#include "userdata/filesets/FileSetFile.h"
#include "userdata/filesets/FileSetSource.h"
#include "userdata/listmanager/MenuCaption.h"
#include "userdata/listmanager/RegistList.h"
#include "userdata/templates/TemplateFiles.h"
#include "userdata/templates/TemplateSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

QByteArray sjis(const QString &text)
{
    return Cp932Codec::encode(text);
}

void put(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray get(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

RegistList listOf(const QStringList &titles)
{
    RegistList list;
    for (const QString &t : titles)
        list.append({t, {}});
    return list;
}

// CustomTag.ini as the other platform's profile functions leave it: names in any case,
// keys in any order, comments, an unknown key, a section without Foot, a stale section.
const QByteArray OldCustomTags = sjis(QStringLiteral(
    "; my tags\r\n"
    "[tags]\r\n"
    "COUNT=3\r\n"
    "[TAG1]\r\n"
    "Foot=</FONT>\r\n"
    "name=赤い字\r\n"
    "HEAD=<FONT COLOR=\"red\">\r\n"
    "Note=kept\r\n"
    "[Tag2]\r\n"
    "Name=改行\r\n"
    "Head=<BR>\r\n"
    "[Tag3]\r\n"
    "Head=<HR>\r\n"
    "Foot=No\r\n"
    "[Tag4]\r\n"
    "Name=stale\r\n"
    "Head=<STALE>\r\n"
    "Foot=</STALE>\r\n"));

} // namespace

class TestUserDataFiles : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
    }

    void customTagsReadAsTheReadersDefaultThem();
    void customTagsWrittenBackChangeOnlyTheirSections();
    void customTagLineBreaksAreRefusedBeforeWriting();
    void damagedCountsReadOnlyWhatTheFileHolds();
    void registListMovesWrapAround();
    void menuCaptionsGiveTheNameBack();

    void titleListReadAndAppendedKeepingItsBytes();
    void templateBytesComeBack();
    void templateTitlesThatCannotNameAFileAreRefused();
    void templateFoundWhateverItsLetterCase();
    void titleListWrittenWhole();

    void fileSetsReadFromOldFiles();
    void newSetAddedAfterTheOthers();
    void changedSetFoundByItsOldTitle();
    void emptiedListsAreWritten();
    void fileSetTitlesThatWouldCorruptTheFileAreRefused();
    void setEditorRefusesAndWrites();
    void setEditorAddsNewPathsSorted();
    void largeFilesReadWhole();

private:
    QString folder() const { return dir_->path() + QLatin1Char('/'); }
    QString path(const QString &name) const { return folder() + name; }
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestUserDataFiles::customTagsReadAsTheReadersDefaultThem()
{
    const QString ini = path(QStringLiteral("CustomTag.ini"));
    put(ini, OldCustomTags);
    const QList<CustomTag> menu = CustomTagFile(ini).readAll(QStringLiteral("Tag"));
    QCOMPARE(menu.size(), 3);
    QCOMPARE(menu.at(0), (CustomTag{QStringLiteral("赤い字"), QStringLiteral("<FONT COLOR=\"red\">"), QStringLiteral("</FONT>")}));
    // No Foot: a head-only tag for every reader.
    QCOMPARE(menu.at(1).foot, QStringLiteral("No"));
    QCOMPARE(menu.at(2).name, QStringLiteral("Tag"));
    QCOMPARE(CustomTagFile(ini).readAll(QString()).at(2).name, QString());
    QCOMPARE(CustomTagFile(ini).read(2).head, QStringLiteral("<BR>"));

    CustomTagSource source(ini);
    source.load();
    QCOMPARE(source.list().titles(), (QStringList{QStringLiteral("赤い字"), QStringLiteral("改行"), QString()}));
    QCOMPARE(source.list().at(1).data, (QStringList{QStringLiteral("<BR>"), QStringLiteral("No")}));

    QVERIFY(CustomTagFile(path(QStringLiteral("missing.ini"))).readAll(QString()).isEmpty());
}

void TestUserDataFiles::customTagsWrittenBackChangeOnlyTheirSections()
{
    const QString ini = path(QStringLiteral("CustomTag.ini"));
    put(ini, OldCustomTags);
    CustomTagSource source(ini);
    source.load();
    source.list().remove(2);
    source.list().moveUp(0); // the first goes to the end
    QVERIFY(source.accept().accepted);

    // Each section is erased and written anew; sections beyond Count stay byte for byte.
    QCOMPARE(get(ini), sjis(QStringLiteral("; my tags\r\n[tags]\r\nCount=2\r\n"
                                           "[Tag3]\r\nHead=<HR>\r\nFoot=No\r\n"
                                           "[Tag4]\r\nName=stale\r\nHead=<STALE>\r\nFoot=</STALE>\r\n"
                                           "[Tag1]\r\nName=改行\r\nHead=<BR>\r\nFoot=No\r\n"
                                           "[Tag2]\r\nName=赤い字\r\nHead=<FONT COLOR=\"red\">\r\nFoot=</FONT>\r\n")));

    // A list saved unchanged reads back the same.
    CustomTagSource again(ini);
    again.load();
    QCOMPARE(again.list().entries(), source.list().entries());
}

void TestUserDataFiles::customTagLineBreaksAreRefusedBeforeWriting()
{
    const QString ini = path(QStringLiteral("CustomTag.ini"));
    put(ini, OldCustomTags);
    CustomTagSource source(ini);
    source.load();
    source.list().append(CustomTagSource::entry(QStringLiteral("two\nlines"), QStringLiteral("<X>"), QStringLiteral("No")));
    const RegistVerdict verdict = source.accept();
    QVERIFY(!verdict.accepted);
    QVERIFY(verdict.message.contains(QDir::toNativeSeparators(ini)));
    QCOMPARE(get(ini), OldCustomTags);
    QVERIFY(!CustomTagFile::fieldAcceptable(QStringLiteral("a\rb")));
    QVERIFY(CustomTagFile::fieldAcceptable(QStringLiteral("<A HREF=\"x\">")));
}

void TestUserDataFiles::damagedCountsReadOnlyWhatTheFileHolds()
{
    const QString tags = path(QStringLiteral("CustomTag.ini"));
    put(tags, "[Tags]\r\nCount=2000000000\r\n[Tag1]\r\nName=a\r\n");
    QCOMPARE(CustomTagFile(tags).readAll(QString()).size(), 2); // Tag1, and at most one more
    const QString fs = path(QStringLiteral("FS.ini"));
    put(fs, "[FileSet]\r\nCount=99999999\r\n0=site\r\n[site]\r\nCount=2147483647\r\n0=/a.html\r\n");
    QVERIFY(FileSetFile(fs).titles().size() <= 3);
    QVERIFY(FileSetFile(fs).files(QStringLiteral("site")).size() <= 2);
    put(fs, "[FileSet]\r\nCount=-5\r\n0=site\r\n");
    QVERIFY(FileSetFile(fs).titles().isEmpty());

    // A Count beyond the keys there: a set added or renamed is still listed afterwards.
    put(fs, "[FileSet]\r\nCount=999\r\n2=old\r\n");
    const QStringList damaged = FileSetFile(fs).titles();
    QString error;
    QVERIFY(FileSetFile(fs).addSet(QStringLiteral("new"), {QStringLiteral("/n.html")}, &error));
    QCOMPARE(FileSetFile(fs).titles(), damaged + QStringList{QStringLiteral("new")});
    QVERIFY(FileSetFile(fs).changeSet(QStringLiteral("gone"), QStringLiteral("back"), {QStringLiteral("/b.html")}, &error));
    QCOMPARE(FileSetFile(fs).titles(), damaged + QStringList({QStringLiteral("new"), QStringLiteral("back")}));
    QCOMPARE(FileSetFile(fs).files(QStringLiteral("back")), QStringList{QStringLiteral("/b.html")});
}

void TestUserDataFiles::registListMovesWrapAround()
{
    RegistList list = listOf({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    QCOMPARE(list.moveUp(0), 2);
    QCOMPARE(list.titles(), (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
    QCOMPARE(list.moveDown(2), 0);
    QCOMPARE(list.titles(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(list.moveDown(0), 1);
    QCOMPARE(list.moveUp(2), 1);
    QCOMPARE(list.titles(), (QStringList{QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("a")}));
    QCOMPARE(list.moveUp(5), -1);
    // Deleting selects the entry before, none after the first went, the last one left.
    QCOMPARE(list.remove(1), 0);
    QCOMPARE(list.remove(0), 0);
    QCOMPARE(list.titles(), QStringList{QStringLiteral("a")});
    RegistList three = listOf({QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")});
    QCOMPARE(three.remove(0), -1);
    RegistList one = listOf({QStringLiteral("x")});
    QCOMPARE(one.moveUp(0), 0);
    QCOMPARE(one.remove(0), -1);
}

void TestUserDataFiles::menuCaptionsGiveTheNameBack()
{
    QCOMPARE(MenuCaption::entry(3, QStringLiteral("site top")), QStringLiteral("&3 site top"));
    QCOMPARE(MenuCaption::nameOf(QStringLiteral("&3 site top")), QStringLiteral("site top"));
    QCOMPARE(MenuCaption::nameOf(MenuCaption::entry(12, QStringLiteral(" lead"))), QStringLiteral(" lead"));
}

void TestUserDataFiles::titleListReadAndAppendedKeepingItsBytes()
{
    const QString temp = folder();
    const TemplateFiles files(temp);
    QVERIFY(files.titles().isEmpty());
    // A stray byte, a lone LF and a last line without its line end.
    const QByteArray old = sjis(QStringLiteral("表のひな形\r\n")) + "odd\x81\r\nunix\nlast";
    put(files.listPath(), old);
    const QStringList titles = files.titles();
    QCOMPARE(titles.size(), 4);
    QCOMPARE(titles.at(0), QStringLiteral("表のひな形"));
    QCOMPARE(titles.at(3), QStringLiteral("last"));
    QString error;
    QVERIFY(files.appendTitle(QStringLiteral("新しい"), &error));
    QCOMPARE(get(files.listPath()), old + "\r\n" + sjis(QStringLiteral("新しい\r\n")));
    QVERIFY(files.appendTitle(QStringLiteral("next"), &error));
    QVERIFY(get(files.listPath()).endsWith(sjis(QStringLiteral("新しい\r\nnext\r\n"))));
    // Written whole, the stray byte goes back as it came.
    TemplateSource source(temp);
    source.load();
    QVERIFY(source.accept().accepted);
    QCOMPARE(get(files.listPath()), old.left(old.size() - 9) + "unix\r\nlast\r\n" + sjis(QStringLiteral("新しい\r\nnext\r\n")));
}

void TestUserDataFiles::templateBytesComeBack()
{
    const TemplateFiles files(folder());
    const QByteArray bytes = sjis(QStringLiteral("<HTML>\r\n\t<BODY>表</BODY>\r\n</HTML>\r\n"));
    put(files.templatePath(QStringLiteral("page")), bytes);
    QString text;
    QVERIFY(files.readTemplate(QStringLiteral("page"), text));
    QCOMPARE(text, QStringLiteral("<HTML>\n\t<BODY>表</BODY>\n</HTML>\n"));
    QString error;
    QVERIFY(files.writeTemplate(QStringLiteral("copy"), text, &error));
    QCOMPARE(get(files.templatePath(QStringLiteral("copy"))), bytes);
    // The memo's last line gets its CR LF.
    QVERIFY(files.writeTemplate(QStringLiteral("short"), QStringLiteral("a\nb"), &error));
    QCOMPARE(get(files.templatePath(QStringLiteral("short"))), QByteArray("a\r\nb\r\n"));
    QVERIFY(!files.readTemplate(QStringLiteral("nothing"), text));
    // Text CP932 cannot hold is refused, not written as question marks.
    QVERIFY(!files.writeTemplate(QStringLiteral("hangul"), QStringLiteral("한"), &error));
    QVERIFY(!QFile::exists(files.templatePath(QStringLiteral("hangul"))));
    QVERIFY(error.contains(QStringLiteral("hangul")));
}

void TestUserDataFiles::templateTitlesThatCannotNameAFileAreRefused()
{
    const QStringList bads{QStringLiteral("a/b"), QStringLiteral("../x"), QStringLiteral("."), QStringLiteral(".."),
                               QStringLiteral("Title.lst"), QStringLiteral("title.LST"), QStringLiteral("two\nlines"),
                               QStringLiteral("cr\rhere"), QStringLiteral("nul") + QChar(0), QStringLiteral("한글"),
                               QStringLiteral("emoji \U0001F600"), QString()};
    for (const QString &bad : bads) {
        QVERIFY2(!TemplateFiles::titleProblem(bad).isEmpty(), qPrintable(bad));
        QString error;
        QVERIFY(!TemplateFiles(folder()).writeTemplate(bad, QStringLiteral("x"), &error));
    }
    for (const QString &good : {QStringLiteral("site top"), QStringLiteral("表..x"), QStringLiteral(".hidden"), QStringLiteral("a\\b")})
        QVERIFY2(TemplateFiles::titleProblem(good).isEmpty(), qPrintable(good));
    QVERIFY(QDir(dir_->path()).entryList(QDir::Files).isEmpty());
}

void TestUserDataFiles::templateFoundWhateverItsLetterCase()
{
    // Lists made where file names ignore letter case.
    const TemplateFiles files(folder());
    put(folder() + QStringLiteral("index"), "lower\r\n");
    put(folder() + QStringLiteral("Both"), "exact\r\n");
    put(folder() + QStringLiteral("BOTH"), "other\r\n");
    QString text;
    QVERIFY(files.readTemplate(QStringLiteral("Index"), text));
    QCOMPARE(text, QStringLiteral("lower\n"));
    QVERIFY(files.readTemplate(QStringLiteral("Both"), text));
    QCOMPARE(text, QStringLiteral("exact\n")); // the very name first
    QVERIFY(!files.readTemplate(QStringLiteral("indexes"), text));
    // Written back to the file it came from, not beside it.
    QString error;
    QVERIFY(files.writeTemplate(QStringLiteral("INDEX"), QStringLiteral("new"), &error));
    QCOMPARE(get(folder() + QStringLiteral("index")), QByteArray("new\r\n"));
    QVERIFY(!QFile::exists(folder() + QStringLiteral("INDEX")));
    // The title list is never a template, whatever its case.
    put(files.listPath(), "title.lst\r\n");
    QVERIFY(!files.readTemplate(QStringLiteral("TITLE.LST"), text));
}

void TestUserDataFiles::titleListWrittenWhole()
{
    const TemplateFiles files(folder());
    QString error;
    QVERIFY(files.writeTitles({QStringLiteral("a b"), QStringLiteral("表")}, &error));
    QCOMPARE(get(files.listPath()), sjis(QStringLiteral("a b\r\n表\r\n")));
    QVERIFY(files.writeTitles({}, &error));
    QCOMPARE(get(files.listPath()), QByteArray());
    QVERIFY(!files.writeTitles({QStringLiteral("a\nb")}, &error));
    QCOMPARE(get(files.listPath()), QByteArray());
}

void TestUserDataFiles::fileSetsReadFromOldFiles()
{
    const QString fs = path(QStringLiteral("FS.ini"));
    put(fs, sjis(QStringLiteral("[サイト]\r\nCount=1\r\n0=/old.html\r\n"
                                "[fileset]\r\n1=二番目\r\ncount=2\r\n0=サイト\r\n; note\r\n"
                                "[二番目]\r\n0=C:\\a.html\r\n1=C:\\b.html\r\nCOUNT=2\r\n")));
    const FileSetFile file(fs);
    QCOMPARE(file.titles(), (QStringList{QStringLiteral("サイト"), QStringLiteral("二番目")}));
    QCOMPARE(file.files(QStringLiteral("二番目")), (QStringList{QStringLiteral("C:\\a.html"), QStringLiteral("C:\\b.html")}));
    QVERIFY(file.hasSet(QStringLiteral("サイト")));
    QVERIFY(!file.hasSet(QStringLiteral("none")));
    QVERIFY(file.files(QStringLiteral("none")).isEmpty());
    QVERIFY(FileSetFile::readList(path(QStringLiteral("missing.ini"))).isEmpty());
}

void TestUserDataFiles::newSetAddedAfterTheOthers()
{
    // The titles' lines as the user spaced and quoted them stay byte for byte; only Count
    // and the new key are written.
    const QString fs = path(QStringLiteral("FS.ini"));
    const QByteArray old = "; sets\r\n[FileSet]\r\nCount = 2\r\n0 = one\r\n1=\"two\"\r\n[one]\r\nCount=1\r\n0=/1.html\r\n";
    put(fs, old);
    QString error;
    QVERIFY(FileSetFile(fs).addSet(QStringLiteral("two words"), {QStringLiteral("/a.html"), QStringLiteral("/b.html")}, &error));
    QCOMPARE(get(fs), QByteArray("; sets\r\n[FileSet]\r\nCount=3\r\n0 = one\r\n1=\"two\"\r\n2=two words\r\n"
                                 "[one]\r\nCount=1\r\n0=/1.html\r\n[two words]\r\nCount=2\r\n0=/a.html\r\n1=/b.html\r\n"));
    // The first set of a file without any.
    const QString empty = path(QStringLiteral("new.ini"));
    QVERIFY(FileSetFile(empty).addSet(QStringLiteral("s"), {QStringLiteral("/s")}, &error));
    QCOMPARE(get(empty), QByteArray("[FileSet]\r\nCount=1\r\n0=s\r\n[s]\r\nCount=1\r\n0=/s\r\n"));
    // A stray key holding the new key's number: the list is written whole, and reads back.
    put(empty, "[FileSet]\r\nCount=5\r\n2=stray\r\n");
    const QStringList damaged = FileSetFile(empty).titles();
    QVERIFY(FileSetFile(empty).addSet(QStringLiteral("t"), {QStringLiteral("/t")}, &error));
    QCOMPARE(FileSetFile(empty).titles(), damaged + QStringList{QStringLiteral("t")});
}

void TestUserDataFiles::changedSetFoundByItsOldTitle()
{
    const QString fs = path(QStringLiteral("FS.ini"));
    put(fs, "[FileSet]\r\nCount=3\r\n0=a\r\n1=b\r\n2=c\r\n[a]\r\nCount=1\r\n0=/a\r\n[b]\r\nCount=1\r\n0=/b\r\n[c]\r\nCount=1\r\n0=/c\r\n");
    QString error;
    QVERIFY(FileSetFile(fs).changeSet(QStringLiteral("c"), QStringLiteral("see"), {QStringLiteral("/c2")}, &error));
    const FileSetFile file(fs);
    QCOMPARE(file.titles(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("see")}));
    QVERIFY(!file.hasSet(QStringLiteral("c")));
    QCOMPARE(file.files(QStringLiteral("see")), QStringList{QStringLiteral("/c2")});
    QCOMPARE(file.files(QStringLiteral("a")), QStringList{QStringLiteral("/a")});
}

void TestUserDataFiles::emptiedListsAreWritten()
{
    const QString fs = path(QStringLiteral("FS.ini"));
    put(fs, "[FileSet]\r\nCount=1\r\n0=a\r\n[a]\r\nCount=1\r\n0=/a\r\n");
    QString error;
    QVERIFY(FileSetFile(fs).writeTitles({}, &error));
    QCOMPARE(get(fs), QByteArray("[a]\r\nCount=1\r\n0=/a\r\n[FileSet]\r\nCount=0\r\n"));
    const QString tw = path(QStringLiteral("TW.ini"));
    put(tw, "[Main]\r\nLeft=3\r\n[FileSet]\r\nCount=1\r\n0=a\r\n[View]\r\nTab=2\r\n");
    QVERIFY(FileSetFile::writeList(tw, {}, &error));
    QCOMPARE(get(tw), QByteArray("[Main]\r\nLeft=3\r\n[View]\r\nTab=2\r\n"));
    QVERIFY(FileSetFile::writeList(tw, {QStringLiteral("x y")}, &error));
    QCOMPARE(FileSetFile::readList(tw), QStringList{QStringLiteral("x y")});
}

void TestUserDataFiles::fileSetTitlesThatWouldCorruptTheFileAreRefused()
{
    const QStringList others{QStringLiteral("Site"), QStringLiteral("表")};
    for (const QString &bad : {QStringLiteral("[x"), QStringLiteral("x]"), QStringLiteral("a\nb"), QStringLiteral(" lead"),
                               QStringLiteral("trail "), QStringLiteral("FileSet"), QStringLiteral("fileset"),
                               QStringLiteral("site"), QStringLiteral("表")})
        QVERIFY2(!FileSetFile::titleProblem(bad, others).isEmpty(), qPrintable(bad));
    QVERIFY(FileSetFile::titleProblem(QStringLiteral("my site"), others).isEmpty());
}

void TestUserDataFiles::setEditorRefusesAndWrites()
{
    const QString fs = path(QStringLiteral("FS.ini"));
    put(fs, "[FileSet]\r\nCount=2\r\n0=a\r\n1=b\r\n[a]\r\nCount=1\r\n0=/a\r\n[b]\r\nCount=1\r\n0=/b\r\n");
    const QByteArray before = get(fs);
    FileSetSource fresh = FileSetSource::newSet(fs, {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("unsaved")});
    fresh.load();
    QVERIFY(fresh.title.isEmpty() && fresh.list().isEmpty());
    RegistVerdict v = fresh.accept();
    QCOMPARE(v.focus, RegistVerdict::Focus::List);
    QCOMPARE(v.message, QStringLiteral("ファイルが指定されていません。\r\nファイルは必ず指定して下さい。"));
    fresh.addFiles({QStringLiteral("/x")});
    v = fresh.accept();
    QCOMPARE(v.focus, RegistVerdict::Focus::Title);
    QCOMPARE(v.kind, RegistVerdict::Kind::Plain);
    for (const QString &taken : {QStringLiteral("A"), QStringLiteral("Unsaved"), QStringLiteral("[x]")}) {
        fresh.title = taken;
        QVERIFY(!fresh.accept().accepted);
    }
    QCOMPARE(get(fs), before);
    fresh.title = QStringLiteral("c");
    QVERIFY(fresh.accept().accepted);
    QCOMPARE(FileSetFile(fs).titles(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));

    // Changing: loaded from its set; keeping its own title in another case is no clash.
    FileSetSource change = FileSetSource::changedSet(fs, QStringLiteral("a"), {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    change.load();
    QCOMPARE(change.title, QStringLiteral("a"));
    QCOMPARE(change.list().titles(), QStringList{QStringLiteral("/a")});
    change.title = QStringLiteral("B");
    QVERIFY(!change.accept().accepted);
    change.title = QStringLiteral("A");
    QVERIFY(change.accept().accepted);
    QCOMPARE(FileSetFile(fs).titles(), (QStringList{QStringLiteral("A"), QStringLiteral("b"), QStringLiteral("c")}));
    QCOMPARE(FileSetFile(fs).files(QStringLiteral("A")), QStringList{QStringLiteral("/a")});
}

void TestUserDataFiles::setEditorAddsNewPathsSorted()
{
    FileSetSource source = FileSetSource::newSet(path(QStringLiteral("FS.ini")), {});
    source.load();
    QCOMPARE(source.addFiles({QStringLiteral("/d"), QStringLiteral("/b")}), 1);
    QCOMPARE(source.addFiles({QStringLiteral("/c"), QStringLiteral("/d"), QStringLiteral("/a")}), 3);
    QCOMPARE(source.list().titles(), (QStringList{QStringLiteral("/b"), QStringLiteral("/d"), QStringLiteral("/a"), QStringLiteral("/c")}));
    QCOMPARE(source.addFiles({QStringLiteral("/a")}), -1);
}

void TestUserDataFiles::largeFilesReadWhole()
{
    // Thousands of entries read each one from its own section, first spelling winning.
    QByteArray tags = "[Tags]\r\nCount=4000\r\n";
    for (int n = 1; n <= 4000; ++n)
        tags += "[Tag" + QByteArray::number(n) + "]\r\nName=t" + QByteArray::number(n) + "\r\nHead=<H" + QByteArray::number(n)
              + ">\r\n";
    tags += "[TAG4000]\r\nName=second\r\n";
    put(path(QStringLiteral("CustomTag.ini")), tags);
    const QList<CustomTag> read = CustomTagFile(path(QStringLiteral("CustomTag.ini"))).readAll(QString());
    QCOMPARE(read.size(), 4000);
    QCOMPARE(read.at(2999), (CustomTag{QStringLiteral("t3000"), QStringLiteral("<H3000>"), QStringLiteral("No")}));
    QCOMPARE(read.last().name, QStringLiteral("t4000"));

    QByteArray list = "[FileSet]\r\nCount=20000\r\n";
    QByteArray sets;
    for (int i = 0; i < 20000; ++i) {
        list += QByteArray::number(i) + "=s" + QByteArray::number(i) + "\r\n";
        sets += "[s" + QByteArray::number(i) + "]\r\nCount=1\r\n0=/" + QByteArray::number(i) + "\r\n";
    }
    const QString fs = path(QStringLiteral("FS.ini"));
    put(fs, list + sets);
    const QStringList titles = FileSetFile(fs).titles();
    QCOMPARE(titles.size(), 20000);
    QCOMPARE(titles.last(), QStringLiteral("s19999"));
    QCOMPARE(FileSetFile(fs).files(QStringLiteral("S19999")), QStringList{QStringLiteral("/19999")});
    QString error;
    QVERIFY(FileSetFile(fs).addSet(QStringLiteral("new"), {QStringLiteral("/n")}, &error));
    QCOMPARE(FileSetFile(fs).titles().last(), QStringLiteral("new"));
}

QTEST_GUILESS_MAIN(TestUserDataFiles)
#include "tst_userdatafiles.moc"

// The help pages are opened by a browser from the program folder: the dialogs' help
// buttons jump to fixed anchors of Tips.html, the dictionary editor opens TagTemplate.html
// and F1 opens Help.html. These tests keep the pages loadable, their links whole and the
// menu captions, tool tips and short-cut keys they quote in step with the main window.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include "SourceTree.h"

namespace {

const QStringList PageNames = {QStringLiteral("Help.html"), QStringLiteral("Tips.html"),
                               QStringLiteral("TagTemplate.html")};

QString helpDir()
{
    return SourceTree::path(u"resources/Help");
}

QString at(qint64 line)
{
    return QStringLiteral(" (line %1)").arg(line);
}

// What one page holds, as far as the checks need it.
struct Page
{
    QStringList problems; // structural faults found while reading
    QString lang;
    QString charset;
    QString title;
    QHash<QString, qint64> ids;
    QList<QPair<QString, qint64>> links;     // <a href>
    QList<QPair<QString, qint64>> resources; // <link href>, src of any element
    QSet<QString> navTargets;                // links inside the shared navigation bar
    QList<QPair<QString, qint64>> menuQuotes; // <span class="menu">
    QList<QPair<QString, qint64>> tipQuotes;  // <span class="tip">
    struct KeyRow
    {
        QString caption;
        QString keys;
        bool runtime = false;
        qint64 line = 0;
    };
    QList<KeyRow> keyRows; // table rows that pair a menu caption with its key
};

bool hasClass(const QXmlStreamAttributes &attributes, const QString &cls)
{
    return attributes.value(QLatin1String("class")).toString().split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(cls);
}

// Reads a page as XML: the pages are written as XHTML-compatible HTML5, so any unclosed
// or misnested element is a parse error here.
Page readPage(const QString &path)
{
    Page page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        page.problems << QStringLiteral("cannot open ") + path;
        return page;
    }
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError())
        page.problems << QStringLiteral("not valid UTF-8");
    if (bytes.startsWith("\xEF\xBB\xBF"))
        page.problems << QStringLiteral("starts with a byte order mark");

    QXmlStreamReader xml(text);
    int depth = 0;
    int navDepth = -1;
    // Table row state for the key rows.
    bool inRow = false;
    bool rowRuntime = false;
    int cellIndex = -1;
    bool cellIsKey = false;
    int captionCell = -1;
    QString rowCaption;
    QStringList rowKeys;
    qint64 rowLine = 0;

    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const QString name = xml.name().toString();
            const QXmlStreamAttributes attributes = xml.attributes();
            const qint64 line = xml.lineNumber();
            ++depth;
            if (depth == 1 && name == QLatin1String("html"))
                page.lang = attributes.value(QLatin1String("lang")).toString();
            if (depth == 1 && name != QLatin1String("html"))
                page.problems << QStringLiteral("root element is <%1>").arg(name);
            if (name == QLatin1String("meta") && attributes.hasAttribute(QLatin1String("charset")))
                page.charset = attributes.value(QLatin1String("charset")).toString();
            if (attributes.hasAttribute(QLatin1String("id"))) {
                const QString id = attributes.value(QLatin1String("id")).toString();
                if (page.ids.contains(id))
                    page.problems << QStringLiteral("duplicate id \"%1\"").arg(id) + at(line);
                page.ids.insert(id, line);
            }
            if (name == QLatin1String("script"))
                page.problems << QStringLiteral("<script> element") + at(line);
            if (attributes.hasAttribute(QLatin1String("src")))
                page.resources << qMakePair(attributes.value(QLatin1String("src")).toString(), line);
            if (name == QLatin1String("link"))
                page.resources << qMakePair(attributes.value(QLatin1String("href")).toString(), line);
            if (name == QLatin1String("nav") && hasClass(attributes, QStringLiteral("site-nav")))
                navDepth = depth;
            if (name == QLatin1String("a") && attributes.hasAttribute(QLatin1String("href"))) {
                const QString href = attributes.value(QLatin1String("href")).toString();
                page.links << qMakePair(href, line);
                if (navDepth >= 0)
                    page.navTargets.insert(href);
            }
            if (name == QLatin1String("tr")) {
                inRow = true;
                rowRuntime = hasClass(attributes, QStringLiteral("runtime"));
                cellIndex = -1;
                captionCell = -1;
                rowCaption.clear();
                rowKeys.clear();
                rowLine = line;
            }
            if (inRow && (name == QLatin1String("td") || name == QLatin1String("th"))) {
                ++cellIndex;
                cellIsKey = hasClass(attributes, QStringLiteral("key"));
            }
            if (name == QLatin1String("title")) {
                page.title = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                --depth;
            } else if (name == QLatin1String("span")
                       && (hasClass(attributes, QStringLiteral("menu")) || hasClass(attributes, QStringLiteral("tip")))) {
                const bool menu = hasClass(attributes, QStringLiteral("menu"));
                const QString quoted = xml.readElementText(QXmlStreamReader::IncludeChildElements).simplified();
                --depth;
                (menu ? page.menuQuotes : page.tipQuotes) << qMakePair(quoted, line);
                // The item of a row is the last caption of the first cell that quotes one.
                if (menu && inRow && !cellIsKey && (captionCell < 0 || captionCell == cellIndex)) {
                    captionCell = cellIndex;
                    rowCaption = quoted;
                }
            } else if (name == QLatin1String("kbd")) {
                const QString key = xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
                --depth;
                if (inRow && cellIsKey)
                    rowKeys << key;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const QString name = xml.name().toString();
            if (navDepth == depth)
                navDepth = -1;
            if (name == QLatin1String("tr")) {
                if (!rowCaption.isEmpty() && !rowKeys.isEmpty())
                    page.keyRows << Page::KeyRow{rowCaption, rowKeys.join(QLatin1Char('+')), rowRuntime, rowLine};
                inRow = false;
            }
            --depth;
        }
    }
    if (xml.hasError())
        page.problems << QStringLiteral("XML error: %1").arg(xml.errorString()) + at(xml.lineNumber());
    return page;
}

// Faults of a page on its own: head, language, scripts, outside resources.
QStringList pageProblems(const QString &dir, const QString &name)
{
    const Page page = readPage(dir + QLatin1Char('/') + name);
    QStringList problems = page.problems;
    if (page.charset.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) != 0)
        problems << QStringLiteral("charset is \"%1\", not UTF-8").arg(page.charset);
    if (page.title.isEmpty())
        problems << QStringLiteral("no title");
    if (page.lang != QLatin1String("ja"))
        problems << QStringLiteral("html lang is \"%1\"").arg(page.lang);
    bool styled = false;
    for (const auto &[resource, line] : page.resources) {
        if (resource.contains(QLatin1String("://")) || resource.startsWith(QLatin1String("//")))
            problems << QStringLiteral("outside resource %1").arg(resource) + at(line);
        else if (!QFileInfo::exists(dir + QLatin1Char('/') + resource))
            problems << QStringLiteral("missing resource %1").arg(resource) + at(line);
        else if (resource.endsWith(QLatin1String(".css")))
            styled = true;
    }
    if (!styled)
        problems << QStringLiteral("no style sheet");
    const QSet<QString> pages(PageNames.cbegin(), PageNames.cend());
    if (page.navTargets != pages)
        problems << QStringLiteral("navigation bar links %1").arg(QStringList(page.navTargets.cbegin(), page.navTargets.cend()).join(QLatin1Char(',')));
    return problems;
}

// Every link of a page leads to an existing page of the folder and, with a fragment,
// to an element of that page with that id.
QStringList linkProblems(const QString &dir, const QString &name)
{
    QHash<QString, Page> cache;
    auto pageFor = [&](const QString &file) -> const Page & {
        auto it = cache.find(file);
        if (it == cache.end())
            it = cache.insert(file, readPage(dir + QLatin1Char('/') + file));
        return it.value();
    };
    QStringList problems;
    for (const auto &[href, line] : pageFor(name).links) {
        if (href.contains(QLatin1Char(':')) || href.startsWith(QLatin1String("//"))) {
            problems << QStringLiteral("link leaves the help folder: %1").arg(href) + at(line);
            continue;
        }
        const qsizetype hash = href.indexOf(QLatin1Char('#'));
        const QString file = hash < 0 ? href : href.left(hash);
        const QString fragment = hash < 0 ? QString() : href.mid(hash + 1);
        const QString target = file.isEmpty() ? name : file;
        if (!QFileInfo(dir + QLatin1Char('/') + target).isFile()) {
            problems << QStringLiteral("link to missing file %1").arg(href) + at(line);
            continue;
        }
        if (hash >= 0 && !pageFor(target).ids.contains(fragment))
            problems << QStringLiteral("link to missing anchor %1").arg(href) + at(line);
    }
    return problems;
}

// Captions, tool tips and short-cuts of the main window, as its form defines them.
struct ProgramTexts
{
    QSet<QString> captions;
    QMultiHash<QString, QString> shortcuts; // caption -> key
    QSet<QString> tips;
    QString error;
};

QString plainCaption(QString caption)
{
    static const QRegularExpression accelerator(QStringLiteral("\\(&.\\)"));
    caption.remove(accelerator);
    caption.replace(QLatin1String("&&"), QStringLiteral("\x01"));
    caption.remove(QLatin1Char('&'));
    caption.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    return caption.simplified();
}

QString plainKey(QString key)
{
    key.replace(QLatin1String("Return"), QLatin1String("Enter"));
    return key;
}

QString plainTip(const QString &tip)
{
    QString first = tip.section(QLatin1Char('\n'), 0, 0);
    first.replace(QLatin1String("&lt;"), QLatin1String("<"));
    first.replace(QLatin1String("&gt;"), QLatin1String(">"));
    first.replace(QLatin1String("&quot;"), QLatin1String("\""));
    first.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return first.simplified();
}

ProgramTexts readProgramTexts(const QString &formPath)
{
    ProgramTexts texts;
    QFile file(formPath);
    if (!file.open(QIODevice::ReadOnly)) {
        texts.error = QStringLiteral("cannot open ") + formPath;
        return texts;
    }
    QXmlStreamReader xml(&file);
    // The actions and widgets being read, innermost last: a menu's title comes before
    // its submenus, so each keeps its own caption until its end tag.
    struct Owner
    {
        bool captioned = false; // an action, or a menu whose title is its caption
        QString text;
        QString shortcut;
    };
    QList<Owner> owners;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            const auto name = xml.name();
            if (name == QLatin1String("action") || name == QLatin1String("widget")) {
                owners << Owner{name == QLatin1String("action")
                                    || xml.attributes().value(QLatin1String("class")) == QLatin1String("QMenu"),
                                {}, {}};
            } else if (name == QLatin1String("property") && !owners.isEmpty()) {
                const QString property = xml.attributes().value(QLatin1String("name")).toString();
                if (property != QLatin1String("text") && property != QLatin1String("title")
                    && property != QLatin1String("shortcut") && property != QLatin1String("toolTip"))
                    continue;
                while (xml.readNextStartElement()) {
                    if (xml.name() != QLatin1String("string")) {
                        xml.skipCurrentElement();
                        continue;
                    }
                    const QString value = xml.readElementText();
                    Owner &owner = owners.last();
                    if (property == QLatin1String("toolTip"))
                        texts.tips.insert(plainTip(value));
                    else if (property == QLatin1String("shortcut"))
                        owner.shortcut = value;
                    else if (owner.captioned)
                        owner.text = value;
                }
            }
        } else if (token == QXmlStreamReader::EndElement) {
            const auto name = xml.name();
            if ((name == QLatin1String("action") || name == QLatin1String("widget")) && !owners.isEmpty()) {
                const Owner owner = owners.takeLast();
                if (!owner.text.isEmpty()) {
                    const QString caption = plainCaption(owner.text);
                    texts.captions.insert(caption);
                    if (!owner.shortcut.isEmpty())
                        texts.shortcuts.insert(caption, plainKey(owner.shortcut));
                }
            }
        }
    }
    if (xml.hasError())
        texts.error = xml.errorString();
    return texts;
}

// Quoted captions and tool tips must be the program's own; a row that gives a caption
// and a key must give the key the program binds (rows marked runtime name keys that are
// read from the settings at start-up instead).
QStringList quoteProblems(const QString &dir, const QString &name, const ProgramTexts &program)
{
    const Page page = readPage(dir + QLatin1Char('/') + name);
    QStringList problems = page.problems;
    for (const auto &[caption, line] : page.menuQuotes) {
        if (!program.captions.contains(caption))
            problems << QStringLiteral("unknown menu caption \"%1\"").arg(caption) + at(line);
    }
    for (const auto &[tip, line] : page.tipQuotes) {
        if (!program.tips.contains(tip))
            problems << QStringLiteral("unknown tool tip \"%1\"").arg(tip) + at(line);
    }
    static const QRegularExpression functionKey(QStringLiteral("^F([2-9]|1[0-2])$"));
    for (const auto &row : page.keyRows) {
        const QStringList bound = program.shortcuts.values(row.caption);
        if (row.runtime) {
            if (!functionKey.match(row.keys).hasMatch())
                problems << QStringLiteral("\"%1\": %2 is no settable preview key").arg(row.caption, row.keys) + at(row.line);
        } else if (!bound.contains(row.keys)) {
            problems << QStringLiteral("\"%1\" is given %2, the program binds %3")
                            .arg(row.caption, row.keys, bound.isEmpty() ? QStringLiteral("no key") : bound.join(QLatin1Char('/')))
                     + at(row.line);
        }
    }
    return problems;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(path));
    file.write(bytes);
}

const QByteArray GoodHead = "<!DOCTYPE html>\n<html lang=\"ja\"><head><meta charset=\"UTF-8\" /><title>t</title>"
                            "<link rel=\"stylesheet\" href=\"help.css\" /></head><body>"
                            "<nav class=\"site-nav\"><a href=\"Help.html\">1</a><a href=\"Tips.html\">2</a>"
                            "<a href=\"TagTemplate.html\">3</a></nav>";
const QByteArray GoodTail = "</body></html>\n";

} // namespace

class TestHelpPages : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pagesAreSound_data();
    void pagesAreSound();
    void linksResolve_data();
    void linksResolve();
    void tipsCarryEveryDialogAnchor_data();
    void tipsCarryEveryDialogAnchor();
    void contentsLinkToTheOtherPages();
    void quotesMatchTheProgram_data();
    void quotesMatchTheProgram();
    void checksCatchBrokenPages();
    void checksCatchWrongQuotes();
};

void TestHelpPages::pagesAreSound_data()
{
    QTest::addColumn<QString>("page");
    for (const QString &page : PageNames)
        QTest::newRow(qPrintable(page)) << page;
}

void TestHelpPages::pagesAreSound()
{
    QFETCH(QString, page);
    QVERIFY2(QFileInfo(helpDir() + QLatin1Char('/') + page).isFile(), qPrintable(page + QStringLiteral(" is missing")));
    const QStringList problems = pageProblems(helpDir(), page);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestHelpPages::linksResolve_data()
{
    pagesAreSound_data();
}

void TestHelpPages::linksResolve()
{
    QFETCH(QString, page);
    const QStringList problems = linkProblems(helpDir(), page);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestHelpPages::tipsCarryEveryDialogAnchor_data()
{
    // The anchors the dialogs' help buttons open.
    QTest::addColumn<QString>("anchor");
    for (const char *anchor : {"Comment", "LinkMark", "FrameSrc", "Image", "TableWizard", "TableOption",
                               "TableTagOption", "FrameTagOpt", "FrameWizard", "PageInfo", "Background", "FontColor"})
        QTest::newRow(anchor) << QString::fromLatin1(anchor);
}

void TestHelpPages::tipsCarryEveryDialogAnchor()
{
    QFETCH(QString, anchor);
    const Page tips = readPage(helpDir() + QStringLiteral("/Tips.html"));
    QVERIFY2(tips.problems.isEmpty(), qPrintable(tips.problems.join(QLatin1Char('\n'))));
    QVERIFY2(tips.ids.contains(anchor), qPrintable(QStringLiteral("Tips.html has no element with id ") + anchor));
}

void TestHelpPages::contentsLinkToTheOtherPages()
{
    const Page contents = readPage(helpDir() + QStringLiteral("/Help.html"));
    QSet<QString> files;
    qsizetype outsideNav = 0;
    for (const auto &[href, line] : contents.links) {
        files.insert(href.section(QLatin1Char('#'), 0, 0));
        if (href.startsWith(QLatin1String("Tips.html#")) || href.startsWith(QLatin1String("TagTemplate.html#")))
            ++outsideNav;
    }
    QVERIFY(files.contains(QStringLiteral("Tips.html")));
    QVERIFY(files.contains(QStringLiteral("TagTemplate.html")));
    // Beyond the navigation bar the contents page points into the other pages' sections.
    QVERIFY2(outsideNav >= 10, qPrintable(QString::number(outsideNav)));
}

void TestHelpPages::quotesMatchTheProgram_data()
{
    pagesAreSound_data();
}

void TestHelpPages::quotesMatchTheProgram()
{
    QFETCH(QString, page);
    const ProgramTexts program = readProgramTexts(SourceTree::path(u"forms/MainForm.ui"));
    QVERIFY2(program.error.isEmpty(), qPrintable(program.error));
    QVERIFY(program.captions.contains(QStringLiteral("新規")));
    const QStringList problems = quoteProblems(helpDir(), page, program);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
}

void TestHelpPages::checksCatchBrokenPages()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("help.css")), "body{}");
    writeFile(dir.filePath(QStringLiteral("Help.html")),
              GoodHead + "<p id=\"a\"><a href=\"Tips.html#b\">x</a><a href=\"#a\">y</a></p>" + GoodTail);
    writeFile(dir.filePath(QStringLiteral("Tips.html")),
              GoodHead + "<section id=\"b\"><a href=\"Help.html#gone\">x</a><a href=\"Missing.html\">y</a>"
                         "<a href=\"http://example.com/\">z</a></section>" + GoodTail);
    writeFile(dir.filePath(QStringLiteral("TagTemplate.html")),
              GoodHead + "<div><p>unclosed paragraph</div>" + GoodTail);

    QCOMPARE(pageProblems(dir.path(), QStringLiteral("Help.html")), QStringList());
    QCOMPARE(linkProblems(dir.path(), QStringLiteral("Help.html")), QStringList());

    const QStringList links = linkProblems(dir.path(), QStringLiteral("Tips.html"));
    QCOMPARE(links.size(), 3);
    QVERIFY(links.at(0).contains(QLatin1String("missing anchor Help.html#gone")));
    QVERIFY(links.at(1).contains(QLatin1String("missing file Missing.html")));
    QVERIFY(links.at(2).contains(QLatin1String("leaves the help folder")));

    const QStringList broken = pageProblems(dir.path(), QStringLiteral("TagTemplate.html"));
    QVERIFY(!broken.isEmpty());
    QVERIFY(broken.first().startsWith(QLatin1String("XML error")));

    writeFile(dir.filePath(QStringLiteral("Tips.html")),
              "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"Shift_JIS\" /><title></title>"
              "<script src=\"https://cdn.example.com/x.js\"></script></head><body>"
              "<p id=\"d\">\x82\xA0</p><p id=\"d\"></p></body></html>\n");
    const QStringList head = pageProblems(dir.path(), QStringLiteral("Tips.html"));
    const QString all = head.join(QLatin1Char('\n'));
    for (const char *expected : {"not valid UTF-8", "duplicate id \"d\"", "<script>", "outside resource", "charset is",
                                 "no title", "html lang", "no style sheet", "navigation bar"})
        QVERIFY2(all.contains(QLatin1String(expected)), expected);
}

void TestHelpPages::checksCatchWrongQuotes()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    writeFile(dir.filePath(QStringLiteral("Main.ui")),
              "<ui version=\"4.0\"><widget class=\"QMainWindow\" name=\"M\">"
              "<widget class=\"QMenu\" name=\"MenuFile\"><property name=\"title\"><string>ファイル(&amp;F)</string></property>"
              "<addaction name=\"FileNew\"/></widget>"
              "<widget class=\"QToolButton\" name=\"B\"><property name=\"toolTip\"><string>太字\n&lt;B&gt;</string></property></widget>"
              "<action name=\"FileNew\"><property name=\"text\"><string>新規(&amp;N)</string></property>"
              "<property name=\"shortcut\"><string>Ctrl+N</string></property></action>"
              "<action name=\"Br\"><property name=\"text\"><string>改行(&amp;R)</string></property>"
              "<property name=\"shortcut\"><string>Shift+Return</string></property></action>"
              "<action name=\"Prev\"><property name=\"text\"><string>プレビュー（&amp;1）</string></property></action>"
              "</widget></ui>");
    const ProgramTexts program = readProgramTexts(dir.filePath(QStringLiteral("Main.ui")));
    QVERIFY2(program.error.isEmpty(), qPrintable(program.error));
    QVERIFY(program.captions.contains(QStringLiteral("ファイル")));
    QVERIFY(program.captions.contains(QStringLiteral("プレビュー（1）")));
    QVERIFY(program.tips.contains(QStringLiteral("太字")));

    writeFile(dir.filePath(QStringLiteral("Help.html")),
              GoodHead
                  + "<table><tr><td><span class=\"menu\">新規</span></td><td class=\"key\"><kbd>Ctrl</kbd>+<kbd>N</kbd></td></tr>"
                    "<tr><td class=\"key\"><kbd>Shift</kbd>+<kbd>Enter</kbd></td><td><span class=\"menu\">改行</span></td></tr>"
                    "<tr class=\"runtime\"><td><span class=\"menu\">プレビュー（1）</span></td><td class=\"key\"><kbd>F9</kbd></td></tr>"
                    "<tr><td><span class=\"menu\">ファイル</span> › <span class=\"menu\">新規</span></td>"
                    "<td>see <kbd>Tab</kbd></td><td><span class=\"tip\">太字</span></td></tr></table>"
                  + GoodTail);
    QCOMPARE(quoteProblems(dir.path(), QStringLiteral("Help.html"), program), QStringList());

    writeFile(dir.filePath(QStringLiteral("Help.html")),
              GoodHead
                  + "<table><tr><td><span class=\"menu\">新規</span></td><td class=\"key\"><kbd>Ctrl</kbd>+<kbd>M</kbd></td></tr>"
                    "<tr><td><span class=\"menu\">改行</span></td><td class=\"key\"><kbd>Ctrl</kbd>+<kbd>Enter</kbd></td></tr>"
                    "<tr class=\"runtime\"><td><span class=\"menu\">プレビュー（1）</span></td><td class=\"key\"><kbd>Ctrl</kbd>+<kbd>P</kbd></td></tr>"
                    "</table><p><span class=\"menu\">新規作成</span><span class=\"tip\">細字</span></p>"
                  + GoodTail);
    const QStringList problems = quoteProblems(dir.path(), QStringLiteral("Help.html"), program);
    QCOMPARE(problems.size(), 5);
    QVERIFY(problems.at(0).contains(QStringLiteral("新規作成")));
    QVERIFY(problems.at(1).contains(QStringLiteral("細字")));
    QVERIFY(problems.at(2).contains(QLatin1String("Ctrl+M")));
    QVERIFY(problems.at(3).contains(QLatin1String("Shift+Enter")));
    QVERIFY(problems.at(4).contains(QLatin1String("no settable preview key")));
}

QTEST_GUILESS_MAIN(TestHelpPages)
#include "tst_helppages.moc"

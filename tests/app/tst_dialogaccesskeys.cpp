// Every dialog of the program, built offscreen: no two controls that show at once share an
// access key, and every label that shows the user's text shows it as plain text.
#include "ShellFixture.h"

#include "app/AboutBox.h"
#include "app/EditBox.h"
#include "userdata/customtags/AddTagBox.h"
#include "userdata/filesets/FileSetBox.h"
#include "userdata/listmanager/RegistBox.h"
#include "userdata/listmanager/RegistSource.h"
#include "userdata/listmanager/slListBox.h"
#include "userdata/search/FindBox.h"
#include "userdata/search/ReplaceBox.h"
#include "userdata/search/SearchBox.h"
#include "userdata/search/SelectBox.h"
#include "userdata/settings/BrowserSetBox.h"
#include "userdata/settings/ColorBox.h"
#include "userdata/settings/HomeSet.h"
#include "userdata/settings/PropertyBox.h"
#include "userdata/tagdictionary/EditTagTempBox.h"
#include "userdata/tagdictionary/TagTempBox.h"
#include "userdata/templates/EditTempBox.h"
#include "wizards/fonts/FontBox.h"
#include "wizards/fonts/HeaderBox.h"
#include "wizards/fonts/LineSet.h"
#include "wizards/fonts/SizeBox.h"
#include "wizards/frames/FrameBox.h"
#include "wizards/frames/FrmOptBox.h"
#include "wizards/images/ImageBox.h"
#include "wizards/links/InputBox.h"
#include "wizards/links/LinkBox.h"
#include "wizards/links/LinkMarkup.h"
#include "wizards/lists/ListOption.h"
#include "wizards/lists/ListSet.h"
#include "wizards/lists/MarqueeBox.h"
#include "wizards/lists/TimeBox.h"
#include "wizards/pageinfo/PageInfoBox.h"
#include "wizards/stylesheets/SSRadioBox.h"
#include "wizards/stylesheets/ssFontBox.h"
#include "wizards/stylesheets/ssSizeBox.h"
#include "wizards/tables/TableBox.h"
#include "wizards/tables/TagOpt.h"

#include "Controls.h"
#include "SourceTree.h"

#include <QAbstractButton>
#include <QAction>
#include <QDirIterator>
#include <QRegularExpression>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using DialogMaker = std::function<std::unique_ptr<QDialog>()>;

struct Dialog
{
    QString name;
    DialogMaker make;
};

// A list manager layout with nothing behind it.
class LayoutOnly : public RegistSource
{
public:
    explicit LayoutOnly(RegistLayout layout) : layout_(std::move(layout)) {}
    QString caption() const override { return QStringLiteral("list"); }
    QString groupCaption() const override { return QStringLiteral("entries"); }
    RegistLayout layout() const override { return layout_; }
    void load() override {}
    RegistVerdict accept() override { return {}; }

private:
    RegistLayout layout_;
};

// Every dialog class of the program, in each mode that changes its controls.
QList<Dialog> everyDialog(const QString &folder)
{
    const auto noColor = [](const QColor &) -> std::optional<QColor> { return std::nullopt; };
    const auto noRgb = [](const std::optional<RgbColor> &) -> std::optional<RgbColor> { return std::nullopt; };
    QList<Dialog> all = {
        {QStringLiteral("TAboutBox"), [] { return std::make_unique<TAboutBox>(); }},
        {QStringLiteral("TFrmOptBox"), [] { return std::make_unique<TFrmOptBox>(1); }},
        {QStringLiteral("TFrameBox"),
         [folder] { return std::make_unique<TFrameBox>(QStringList(), folder + QStringLiteral("page.html")); }},
        {QStringLiteral("TssFontBox"),
         [] { return std::make_unique<TssFontBox>(QStringList{QStringLiteral("Sans")}, StyleProperties::FontMemory(), 1); }},
        {QStringLiteral("TTableBox"), [] { return std::make_unique<TTableBox>(); }},
        {QStringLiteral("TTagOpt"), [] { return std::make_unique<TTagOpt>(); }},
        {QStringLiteral("TImageBox"), [folder] { return std::make_unique<TImageBox>(folder + QStringLiteral("page.html")); }},
        {QStringLiteral("TPageInfoBox"),
         [noColor] { return std::make_unique<TPageInfoBox>(PageInfoMarkup::PageInfo(), noColor); }},
        {QStringLiteral("TMarqueeBox"),
         [noRgb] { return std::make_unique<TMarqueeBox>(MarqueeMarkup::Settings(), QString(), noRgb); }},
        {QStringLiteral("TListOption"), [] { return std::make_unique<TListOption>(); }},
        {QStringLiteral("TTimeBox"),
         [] {
             return std::make_unique<TTimeBox>(DateParts(), std::array<int, 3>{0, 0, 0}, QStringLiteral("000"),
                                               DateFormat::Conventions());
         }},
        {QStringLiteral("TListSet"), [] { return std::make_unique<TListSet>(); }},
        {QStringLiteral("TSizeBox"), [] { return std::make_unique<TSizeBox>(QString()); }},
        {QStringLiteral("THeaderBox"), [] { return std::make_unique<THeaderBox>(); }},
        {QStringLiteral("TLineSet"), [] { return std::make_unique<TLineSet>(); }},
        {QStringLiteral("TFontBox"), [noColor] { return std::make_unique<TFontBox>(QString(), noColor); }},
        {QStringLiteral("TLinkBox"), [] { return std::make_unique<TLinkBox>(); }},
        {QStringLiteral("TTagTempBox"), [] { return std::make_unique<TTagTempBox>(QStringList{QStringLiteral("A")}, 0); }},
        {QStringLiteral("TEditTagTempBox"),
         [folder] {
             return std::make_unique<TEditTagTempBox>(QStringList(), folder,
                                                      [](QWidget *, const QStringList &) { return true; });
         }},
        {QStringLiteral("TFileSetBox"),
         [folder] {
             return std::make_unique<TFileSetBox>(folder + QStringLiteral("FS.ini"), folder + QStringLiteral("TW.ini"));
         }},
        {QStringLiteral("TSearchBox"), [] { return std::make_unique<TSearchBox>(); }},
        {QStringLiteral("TReplaceBox"), [] { return std::make_unique<TReplaceBox>(); }},
        {QStringLiteral("TFindBox"), [] { return std::make_unique<TFindBox>(); }},
        {QStringLiteral("TSelectBox"), [] { return std::make_unique<TSelectBox>(); }},
        {QStringLiteral("TPropertyBox"), [] { return std::make_unique<TPropertyBox>(); }},
        {QStringLiteral("TColorBox"), [noColor] { return std::make_unique<TColorBox>(noColor); }},
        {QStringLiteral("TBrowserSetBox"), [] { return std::make_unique<TBrowserSetBox>(); }},
        {QStringLiteral("THomeSet"), [folder] { return std::make_unique<THomeSet>(folder, QString()); }},
        {QStringLiteral("TAddTagBox"), [] { return std::make_unique<TAddTagBox>(true); }},
    };
    for (int mode : {LinkMarkup::Comment, LinkMarkup::HomePage, LinkMarkup::Mail, LinkMarkup::Ftp, LinkMarkup::Mark,
                     LinkMarkup::JumpMark, LinkMarkup::JumpFile, LinkMarkup::FileLink, LinkMarkup::FrameSource,
                     LinkMarkup::BackgroundImage, LinkMarkup::FontFamily}) {
        all.append({QStringLiteral("TInputBox mode %1").arg(mode), [mode] {
                        auto box = std::make_unique<TInputBox>();
                        box->setMode(mode);
                        return box;
                    }});
    }
    for (int mode = 0; mode <= int(StyleProperties::ChoiceMode::Transform); ++mode) {
        all.append({QStringLiteral("TSSRadioBox mode %1").arg(mode), [mode] {
                        auto box = std::make_unique<TSSRadioBox>();
                        box->setMode(StyleProperties::ChoiceMode(mode), 1);
                        return box;
                    }});
    }
    for (int mode = 0; mode <= int(StyleProperties::SizeMode::TextIndent); ++mode) {
        all.append({QStringLiteral("TssSizeBox mode %1").arg(mode), [mode] {
                        auto box = std::make_unique<TssSizeBox>();
                        box->setMode(StyleProperties::SizeMode(mode), 1);
                        return box;
                    }});
    }
    for (auto mode : {TslListBox::FileSets, TslListBox::CustomTags, TslListBox::Templates}) {
        all.append({QStringLiteral("TslListBox mode %1").arg(int(mode)),
                    [mode] { return std::make_unique<TslListBox>(mode, QStringList{QStringLiteral("a")}); }});
    }
    for (auto mode : {TEditTempBox::AddToList, TEditTempBox::ChangeInList, TEditTempBox::AddFromWindow}) {
        all.append({QStringLiteral("TEditTempBox mode %1").arg(int(mode)),
                    [mode, folder] { return std::make_unique<TEditTempBox>(mode, folder, QStringList()); }});
    }
    RegistLayout fileSet;
    fileSet.fileSet = true;
    fileSet.showChange = false;
    RegistLayout styles;
    styles.showAdd = styles.showChange = styles.showHelp = false;
    styles.okCaption = QStringLiteral("入力(&I)");
    const QList<std::pair<QString, RegistLayout>> layouts = {
        {QStringLiteral("TRegistBox"), RegistLayout()},
        {QStringLiteral("TRegistBox file set"), fileSet},
        {QStringLiteral("TRegistBox style collection"), styles},
    };
    for (const auto &[name, layout] : layouts) {
        all.append({name, [layout] {
                        // The source lives as long as the dialog.
                        auto *source = new LayoutOnly(layout);
                        auto box = std::make_unique<TRegistBox>(*source);
                        QObject::connect(box.get(), &QObject::destroyed, [source] { delete source; });
                        return std::unique_ptr<QDialog>(std::move(box));
                    }});
    }
    return all;
}

// Where a control sits among pages that show one at a time (tab pages): the stacks it is
// in and its page in each.
QHash<const QObject *, int> pagesOf(const QWidget *w, const QWidget *dialog)
{
    QHash<const QObject *, int> pages;
    for (const QWidget *child = w; child && child != dialog; child = child->parentWidget()) {
        if (auto *stack = qobject_cast<const QStackedWidget *>(child->parentWidget()))
            pages.insert(stack, stack->indexOf(const_cast<QWidget *>(child)));
    }
    return pages;
}

// Hidden by the dialog's mode, not merely on a page that is not showing.
bool hiddenByMode(const QWidget *w, const QWidget *dialog)
{
    for (const QWidget *p = w; p && p != dialog; p = p->parentWidget()) {
        if (p->isHidden() && !qobject_cast<const QStackedWidget *>(p->parentWidget()))
            return true;
    }
    return false;
}

bool showTogether(const QHash<const QObject *, int> &a, const QHash<const QObject *, int> &b)
{
    for (auto it = a.begin(); it != a.end(); ++it) {
        if (b.contains(it.key()) && b.value(it.key()) != it.value())
            return false;
    }
    return true;
}

struct AccessKey
{
    QString key;
    QString caption;
    QString control;
    QHash<const QObject *, int> pages;
};

// Access keys that the dialogs' own captions give to two controls.
struct OwnClash
{
    QString dialog;
    QString key;
    QStringList captions;
};
const QList<OwnClash> OwnClashes = {
    {QStringLiteral("TImageBox"), QStringLiteral("Alt+B"), {QStringLiteral("参照(&B)..."), QStringLiteral("境界線をつける(&B)")}},
    {QStringLiteral("TPageInfoBox"), QStringLiteral("Alt+B"), {QStringLiteral("背景色を指定(&B)"), QStringLiteral("参照(&B)...")}},
    {QStringLiteral("TssFontBox"), QStringLiteral("Alt+N"), {QStringLiteral("&None")}},
    {QStringLiteral("TssFontBox"), QStringLiteral("Alt+M"), {QStringLiteral("Nor&mal")}},
    {QStringLiteral("TSSRadioBox mode %1").arg(int(StyleProperties::ChoiceMode::Style)), QStringLiteral("Alt+I"),
     {QStringLiteral("&Italic"), QStringLiteral("&Input")}},
};

bool ownClash(const QString &dialog, const QString &key, const QString &a, const QString &b)
{
    for (const OwnClash &c : OwnClashes) {
        if (c.dialog == dialog && c.key == key && c.captions.contains(a) && c.captions.contains(b))
            return true;
    }
    return false;
}

QString accessKey(const QString &caption)
{
    return QKeySequence::mnemonic(caption).toString(QKeySequence::PortableText);
}

// The access keys of a dialog's buttons, radio and check boxes, labels with a buddy, group
// boxes and tabs.
QList<AccessKey> accessKeys(QDialog *dialog)
{
    QList<AccessKey> keys;
    auto add = [&](const QWidget *w, const QString &caption, const QString &what) {
        const QString key = accessKey(caption);
        if (!key.isEmpty() && !hiddenByMode(w, dialog))
            keys.append({key, caption, what + QStringLiteral(" \"") + caption + QLatin1Char('"'), pagesOf(w, dialog)});
    };
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
        add(b, b->text(), b->objectName());
    for (QLabel *l : dialog->findChildren<QLabel *>()) {
        if (l->buddy())
            add(l, l->text(), l->objectName());
    }
    for (QGroupBox *g : dialog->findChildren<QGroupBox *>())
        add(g, g->title(), g->objectName());
    for (QTabWidget *t : dialog->findChildren<QTabWidget *>()) {
        for (int i = 0; i < t->count(); ++i)
            add(t, t->tabText(i), t->objectName() + QStringLiteral(" tab"));
    }
    return keys;
}

} // namespace

class TestDialogAccessKeys : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void noTwoControlsShareAnAccessKey()
    {
        ScriptedPlatform platform;
        QTemporaryDir dir;
        QStringList clashes;
        const QList<Dialog> dialogs = everyDialog(dir.path() + QLatin1Char('/'));
        // Every dialog class of the wizards and the user data, and the about box.
        QSet<QString> built;
        for (const Dialog &d : dialogs)
            built.insert(d.name.section(QLatin1Char(' '), 0, 0));
        QStringList sources = {SourceTree::path(u"app/AboutBox.h")};
        for (const char *folder : {"wizards", "userdata"}) {
            QDirIterator it(SourceTree::path(QString::fromLatin1(folder)), {QStringLiteral("*.h")}, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext())
                sources << it.next();
        }
        static const QRegularExpression dialogClass(QStringLiteral(R"(class (T\w+) : public QDialog)"));
        int classes = 0;
        for (const QString &path : sources) {
            QFile file(path);
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(path));
            const QString text = QString::fromUtf8(file.readAll());
            for (const QRegularExpressionMatch &m : dialogClass.globalMatch(text)) {
                ++classes;
                QVERIFY2(built.contains(m.captured(1)), qPrintable(m.captured(1)));
            }
        }
        QCOMPARE(classes, int(built.size()));
        for (const Dialog &d : dialogs) {
            const std::unique_ptr<QDialog> dialog = d.make();
            const QList<AccessKey> keys = accessKeys(dialog.get());
            for (int i = 0; i < keys.size(); ++i) {
                for (int j = i + 1; j < keys.size(); ++j) {
                    if (keys[i].key != keys[j].key || !showTogether(keys[i].pages, keys[j].pages))
                        continue;
                    if (!ownClash(d.name, keys[i].key, keys[i].caption, keys[j].caption))
                        clashes.append(d.name + QStringLiteral(": ") + keys[i].key + QLatin1Char(' ') + keys[i].control +
                                       QStringLiteral(" / ") + keys[j].control);
                }
            }
        }
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QLatin1Char('\n'))));
    }

    // Text from the user or a file, given to every dialog that shows some: each label that
    // shows it shows it as plain text, never as markup.
    void labelsShowTheUsersTextAsPlainText()
    {
        ScriptedPlatform platform;
        QTemporaryDir dir;
        const QString folder = dir.path() + QLatin1Char('/');
        const QString file = folder + QStringLiteral("<i>x.html");
        const QString bold = QStringLiteral("<B>bold</B>");
        const auto noColor = [](const QColor &) -> std::optional<QColor> { return std::nullopt; };
        QList<Dialog> fed = {
            {QStringLiteral("TFontBox"), [&] { return std::make_unique<TFontBox>(bold, noColor); }},
            {QStringLiteral("TSizeBox"), [&] { return std::make_unique<TSizeBox>(bold); }},
            {QStringLiteral("TPropertyBox"),
             [&] {
                 auto box = std::make_unique<TPropertyBox>();
                 box->showDocument(file, QStringLiteral("1 KB"),
                                   {QStringLiteral("<TITLE>") + bold + QStringLiteral("</TITLE>")});
                 return box;
             }},
            {QStringLiteral("TPropertyBox long name"),
             [&] {
                 auto box = std::make_unique<TPropertyBox>();
                 box->showDocument(folder + QString(60, QLatin1Char('d')) + QStringLiteral("/<i>x.html"),
                                   QStringLiteral("1 KB"), {});
                 return box;
             }},
            {QStringLiteral("TAddTagBox"),
             [&] {
                 auto box = std::make_unique<TAddTagBox>(false);
                 QTest::keyClicks(child<QLineEdit>(box.get(), "HTagEdit"), QStringLiteral("i>x"));
                 return box;
             }},
            {QStringLiteral("TTimeBox"),
             [&] {
                 DateFormat::Conventions c;
                 c.am = c.pm = bold;
                 return std::make_unique<TTimeBox>(DateParts(), std::array<int, 3>{0, 7, 0}, QStringLiteral("010"), c);
             }},
        };
        int shown = 0;
        for (const Dialog &d : fed) {
            const std::unique_ptr<QDialog> dialog = d.make();
            for (QLabel *l : dialog->findChildren<QLabel *>()) {
                if (!l->text().contains(QLatin1String("bold")) && !l->text().contains(QLatin1String("x.html"))
                    && !l->text().contains(QLatin1String("i>x")))
                    continue;
                ++shown;
                QVERIFY2(l->textFormat() == Qt::PlainText, qPrintable(d.name + QLatin1Char(' ') + l->objectName()));
            }
        }
        // Font and size samples, property file name (both halves) and title, tag previews, date preview.
        QCOMPARE(shown, 8);
    }

    // Alt+O chooses "番号付き(&O)" and Return then takes the numbered list.
    void numberedListByAltOAndReturn()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.SetTabWidth(0); // two spaces
        f.FileNewClick();
        EditBox *box = f.activeBox();
        bool active = false;
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            d->show();
            d->activateWindow();
            active = QTest::qWaitForWindowActive(d);
            QTest::keyClick(d->focusWidget(), Qt::Key_O, Qt::AltModifier);
            // A button's access key clicks it a moment later, as a person's Return would come.
            QAbstractButton *numbered = child<QAbstractButton>(d, "OLRadio");
            (void)QTest::qWaitFor([numbered] { return numbered->isChecked(); }, 2000);
            QTest::keyClick(d->focusWidget(), Qt::Key_Return);
            return d->result();
        });
        child<QAction>(&f, "ListWizard")->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QVERIFY(active);
        QCOMPARE(box->text(), QStringLiteral("<OL>\n  <LI>\n</OL>"));
    }
};

QTEST_MAIN(TestDialogAccessKeys)
#include "tst_dialogaccesskeys.moc"

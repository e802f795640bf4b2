// The page information dialog as the user reaches it: what it reads, its pages, and OK
// rebuilding the page, repeatedly and undoably.
#include "ShellFixture.h"

#include "app/DialogPlacement.h"
#include "app/EditBox.h"
#include "wizards/pageinfo/PageInfoBox.h"

#include "Controls.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {
void run(TMainForm &f, const char *name)
{
    QObject *item = f.item(QLatin1String(name));
    if (auto *a = qobject_cast<QAction *>(item))
        a->trigger();
    else
        qobject_cast<QAbstractButton *>(item)->click();
}

const QString Skeleton = QStringLiteral("<HTML>\n<HEAD>\n<TITLE>Top</TITLE>\n<META NAME=\"Author\" CONTENT=\"Ann\">\n"
                                        "</HEAD>\n\n<BODY>\n</BODY>\n</HTML>");
} // namespace

class TestPageInfoBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void threeUsesOnOnePage()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        QVERIFY(!f.item(QStringLiteral("HtmlBasic"))->property("enabled").toBool());
        f.FileNewClick();
        EditBox *box = f.activeBox();
        QVERIFY(f.item(QStringLiteral("HtmlBasic"))->property("enabled").toBool());

        // First: a title and an author on the empty page.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("ページ情報の設定"));
                QCOMPARE(d->pos(), DialogPlacement::upperThird(f.frameGeometry(), d->frameGeometry().size()));
                QComboBox *charset = child<QComboBox>(d, "CharsetCombo");
                QVERIFY(charset->isEnabled());
                QCOMPARE(charset->count(), 2);
                QCOMPARE(charset->itemText(1), QStringLiteral("Shift_JIS"));
                QCOMPARE(charset->currentIndex(), 0); // nothing written unless chosen
                QVERIFY(!child<QComboBox>(d, "LevelCombo")->isEnabled());
                QCOMPARE(child<QComboBox>(d, "LevelCombo")->count(), 3);
                QLineEdit *author = child<QLineEdit>(d, "AuthorEdit");
                QVERIFY(!author->isEnabled());
                QTest::keyClicks(child<QLineEdit>(d, "PageTitle"), QStringLiteral("Top"));
                child<QCheckBox>(d, "AuthorChk")->click();
                QVERIFY(author->isEnabled());
                author->setText(QStringLiteral("Ann"));
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        f.findChild<QAction *>(QStringLiteral("HtmlBasic"))->trigger();
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), Skeleton);

        // Second: a background colour, from the tool button.
        fx.platform().colorAnswers.push_back(QColor(0, 255, 0));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(child<QLineEdit>(d, "PageTitle")->text(), QStringLiteral("Top"));
                QVERIFY(child<QCheckBox>(d, "AuthorChk")->isChecked());
                QCOMPARE(child<QLineEdit>(d, "AuthorEdit")->text(), QStringLiteral("Ann"));
                QPushButton *change = child<QPushButton>(d, "ColorBtn");
                QVERIFY(!change->isEnabled());
                child<QTabWidget>(d, "PageControl")->setCurrentIndex(1);
                child<QCheckBox>(d, "bgColorChk")->click();
                change->click();
                QCOMPARE(static_cast<TPageInfoBox *>(d)->swatchColor(), QColor(0, 255, 0));
                QCOMPARE(child<QLabel>(d, "SampleLabel")->palette().color(QPalette::Window), QColor(0, 255, 0));
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        box->setSelection(20, 0);
        run(f, "HtmlBasicSpd");
        QVERIFY(fx.platform().dialogScripts.empty());
        const QString second = QString(Skeleton).replace(QStringLiteral("<BODY>"), QStringLiteral("<BODY BGCOLOR=\"#00FF00\">"));
        QCOMPARE(box->text(), second);
        QCOMPARE(box->selStart(), 20);

        // Third: nothing changed, from the pop-up menu; the colour was read back.
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QVERIFY(child<QCheckBox>(d, "bgColorChk")->isChecked());
                QCOMPARE(static_cast<TPageInfoBox *>(d)->swatchColor(), QColor(0, 255, 0));
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        run(f, "PopHtmlBasic");
        QCOMPARE(box->text(), second);

        // Undo gives back the page before the second use.
        run(f, "EditUndo");
        QCOMPARE(box->text(), Skeleton);
    }

    void coloursReadFromTheBodyTagAndCancel()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        const QString page = QStringLiteral("<html>\n<head>\n</head>\n<body bgcolor=\"#000080\" text=\"#112233\" vlink=red>\n</body>\n</html>");
        box->setPlainText(page);
        fx.platform().colorAnswers.push_back(QColor(255, 0, 0));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                auto *pi = static_cast<TPageInfoBox *>(d);
                QVERIFY(child<QCheckBox>(d, "fcTextChk")->isChecked());
                QVERIFY(!child<QCheckBox>(d, "fcLinkChk")->isChecked());
                QVERIFY(child<QCheckBox>(d, "fcVlinkChk")->isChecked());
                QCOMPARE(pi->sampleColor(0), QColor(0x11, 0x22, 0x33));
                QCOMPARE(pi->sampleColor(2), QColor(Qt::red));
                QLabel *text = child<QLabel>(d, "fcSample1");
                QCOMPARE(text->palette().color(QPalette::Window), QColor(0, 0, 0x80));
                QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0x11, 0x22, 0x33));
                // Checking a box paints its sample on the background colour; unchecking, on white.
                QCheckBox *alink = child<QCheckBox>(d, "fcAlinkChk");
                alink->click();
                QVERIFY(child<QPushButton>(d, "ChangeColor4")->isEnabled());
                QCOMPARE(child<QLabel>(d, "fcSample4")->palette().color(QPalette::Window), QColor(0, 0, 0x80));
                child<QPushButton>(d, "ChangeColor4")->click();
                QCOMPARE(pi->sampleColor(3), QColor(255, 0, 0));
                alink->click();
                QCOMPARE(child<QLabel>(d, "fcSample4")->palette().color(QPalette::Window), QColor(Qt::white));
                QVERIFY(!child<QPushButton>(d, "ChangeColor4")->isEnabled());
            }();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        run(f, "HtmlBasic");
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), page);
        QVERIFY(fx.platform().colorAnswers.empty());
    }

    void changedColoursAndPictureRewriteTheTag()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        f.findChild<QAction *>(QStringLiteral("TagLower"))->trigger();
        EditBox *box = f.activeBox();
        box->setPlainText(QStringLiteral("<html>\n<head>\n</head>\n<body class=\"m\" link=\"#00f\" text=\"#112233\">\n</body>\n</html>"));
        const QString picture = fx.path(QStringLiteral("img/back.gif"));
        fx.platform().fileAnswers.push_back({{picture}, 0});
        fx.platform().colorAnswers.push_back(QColor(0x80, 0, 0x80));
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                child<QCheckBox>(d, "bgImageChk")->click();
                child<QPushButton>(d, "ImgBtn")->click();
                QCOMPARE(fx.platform().fileCalls.size(), 1);
                QCOMPARE(fx.platform().fileCalls.first().request.title, QStringLiteral("画像ファイルの選択"));
                QCOMPARE(fx.platform().fileCalls.first().request.filters.size(), 5);
                QLineEdit *image = child<QLineEdit>(d, "ImageEdit");
                QCOMPARE(image->text(), QStringLiteral("back.gif"));
                child<QRadioButton>(d, "AddPathRadio")->click();
                QCOMPARE(image->text(), picture);
                child<QRadioButton>(d, "NameRadio")->click();
                QCOMPARE(image->text(), QStringLiteral("back.gif"));
                // LINK unchecked, TEXT changed.
                child<QCheckBox>(d, "fcLinkChk")->click();
                child<QPushButton>(d, "ChangeColor1")->click();
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        run(f, "HtmlBasic");
        QCOMPARE(box->text(), QStringLiteral("<html>\n<head>\n</head>\n<body class=\"m\" text=\"#800080\" "
                                             "background=\"back.gif\">\n</body>\n</html>"));
    }

    void helpFollowsThePage()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            QTabWidget *pages = child<QTabWidget>(d, "PageControl");
            for (int i = 0; i < 3; ++i) {
                pages->setCurrentIndex(i);
                child<QPushButton>(d, "HelpBtn")->click();
            }
            return int(QDialog::Rejected);
        });
        run(f, "HtmlBasic");
        QStringList asked = fx.platform().shellOpened;
        for (const auto &started : fx.platform().programsStarted)
            asked.append(started.second);
        QCOMPARE(asked.size(), 3);
        QVERIFY(asked[0].endsWith(QLatin1String("Tips.html#PageInfo")));
        QVERIFY(asked[1].endsWith(QLatin1String("Tips.html#Background")));
        QVERIFY(asked[2].endsWith(QLatin1String("Tips.html#FontColor")));
    }
};

QTEST_MAIN(TestPageInfoBox)
#include "tst_pageinfobox.moc"

// The image dialog as the user reaches it: the three commands, Browse with the size
// readers, the path and ALT buttons, the options-only mode and OK.
#include "ShellFixture.h"

#include "app/EditBox.h"
#include "wizards/images/ImageBox.h"

#include "Controls.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

namespace {
QByteArray pngOf(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void trigger(TMainForm &f, const char *name)
{
    if (QAction *a = f.findChild<QAction *>(QLatin1String(name)))
        a->trigger();
    else if (QToolButton *b = f.findChild<QToolButton *>(QLatin1String(name)))
        b->click();
    else
        qFatal("no command %s", name);
}
} // namespace

class TestImageBox : public QObject
{
    Q_OBJECT

    // A saved document in the fixture's folder, with a picture in a sub-folder of it.
    EditBox *openDocument(ShellFixture &fx, const QString &text)
    {
        const QString doc = fx.writeFile(QStringLiteral("page.html"), text.toLatin1());
        fx.form().OpenDocument(doc);
        return fx.form().activeBox();
    }

    QString writePicture(ShellFixture &fx, const QString &relative, const QByteArray &bytes)
    {
        QDir(fx.folder()).mkpath(QFileInfo(relative).path());
        return fx.writeFile(relative, bytes);
    }

private Q_SLOTS:
    void browseFillsTheFieldsAndOkInsertsTheTag_data()
    {
        QTest::addColumn<int>("tagCase");
        QTest::addColumn<QString>("expected");
        QTest::newRow("upper") << 1 << "<IMG SRC=\"img/Pic.png\" ALT=\"Pic.png SIZE\" WIDTH=\"120\" HEIGHT=\"80\" HSPACE=\"7\">";
        QTest::newRow("lower") << 0 << "<img src=\"img/Pic.png\" alt=\"Pic.png SIZE\" width=\"120\" height=\"80\" hspace=\"7\">";
    }
    void browseFillsTheFieldsAndOkInsertsTheTag()
    {
        QFETCH(int, tagCase);
        QFETCH(QString, expected);
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openDocument(fx, QStringLiteral("ab"));
        trigger(f, tagCase ? "TagUpper" : "TagLower");
        box->setSelection(1, 0);
        const QString picture = writePicture(fx, QStringLiteral("img/Pic.png"), pngOf(120, 80));
        const QString sizeText = TMainForm::FileSizeText(picture);
        expected.replace(QLatin1String("SIZE"), sizeText);
        fx.platform().fileAnswers.push_back({{picture}, 0});

        bool ran = false;
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            ran = true;
            [&] {
                QCOMPARE(d->windowTitle(), QStringLiteral("画像を表示する"));
                QCOMPARE(d->pos(), f.pos() + QPoint(180, 100));
                QCOMPARE(d->focusWidget(), child<QLineEdit>(d, "ImageFile"));
                QCOMPARE(child<QLineEdit>(d, "WidthEdit")->text(), QStringLiteral("0"));
                QVERIFY(child<QRadioButton>(d, "PathRadio")->isChecked());
                child<QPushButton>(d, "Button1")->click();
                QCOMPARE(fx.platform().fileCalls.size(), 1);
                const Platform::FileRequest &r = fx.platform().fileCalls.first().request;
                QCOMPARE(r.title, QStringLiteral("画像ファイルの選択"));
                QCOMPARE(r.filters.size(), 5);
                QCOMPARE(r.filters.first(), QStringLiteral("画像ファイル (*.gif *.jpg *.jpeg *.png)"));
                QCOMPARE(r.filterIndex, 0);
                QCOMPARE(child<QLineEdit>(d, "WidthEdit")->text(), QStringLiteral("120"));
                QCOMPARE(child<QLineEdit>(d, "HeightEdit")->text(), QStringLiteral("80"));
                QLineEdit *file = child<QLineEdit>(d, "ImageFile");
                QCOMPARE(file->text(), QStringLiteral("img/Pic.png"));
                // The radios toggle between the two forms; a typed path is replaced by either.
                child<QRadioButton>(d, "NameRadio")->click();
                QCOMPARE(file->text(), QStringLiteral("Pic.png"));
                file->setText(QStringLiteral("typed/by/hand.png"));
                child<QRadioButton>(d, "PathRadio")->click();
                QCOMPARE(file->text(), QStringLiteral("img/Pic.png"));
                QLineEdit *alt = child<QLineEdit>(d, "AltEdit");
                child<QPushButton>(d, "AltSizeBtn")->click();
                QCOMPARE(alt->text(), sizeText);
                child<QPushButton>(d, "AltClearBtn")->click();
                QCOMPARE(alt->text(), QString());
                child<QPushButton>(d, "AltFileBtn")->click();
                child<QPushButton>(d, "AltSizeBtn")->click();
                QCOMPARE(alt->text(), QStringLiteral("Pic.png ") + sizeText);
                QSpinBox *hspace = child<QSpinBox>(d, "HSpaceSpin");
                QVERIFY(!hspace->isEnabled());
                child<QCheckBox>(d, "HSCheck")->click();
                QVERIFY(hspace->isEnabled());
                QCOMPARE(d->focusWidget(), hspace);
                hspace->setValue(7);
                // Checked and unchecked again: off, and not written.
                child<QCheckBox>(d, "BorderCheck")->click();
                QVERIFY(child<QSpinBox>(d, "BorderSpin")->isEnabled());
                child<QCheckBox>(d, "BorderCheck")->click();
                QVERIFY(!child<QSpinBox>(d, "BorderSpin")->isEnabled());
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        trigger(f, "imgPicture");
        QVERIFY(ran);
        QVERIFY(fx.platform().dialogScripts.empty());
        QCOMPARE(box->text(), QStringLiteral("a") + expected + QStringLiteral("b"));
        QCOMPARE(box->selStart(), 1 + expected.size());
    }

    void optionsOnlyFromTheToolButton()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openDocument(fx, QStringLiteral("<IMG SRC=\"x.gif\">"));
        box->setSelection(16, 0); // before the ">"
        fx.platform().dialogScripts.push_back([&](QDialog *d) {
            [&] {
                QCOMPARE(d->pos(), f.pos() + QPoint(130, 40));
                QVERIFY(child<QCheckBox>(d, "OptionChk")->isChecked());
                QCOMPARE(d->focusWidget(), child<QLineEdit>(d, "AltEdit"));
                for (const char *name : {"ImageFile", "Button1", "PathRadio", "NameRadio", "FileGroup"})
                    QVERIFY2(!child<QWidget>(d, name)->isEnabled(), name);
                child<QLineEdit>(d, "AltEdit")->setText(QStringLiteral("Top"));
                child<QCheckBox>(d, "VSCheck")->click();
                child<QSpinBox>(d, "VSpaceSpin")->setValue(3);
            }();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        trigger(f, "SpeedButton1");
        QCOMPARE(box->text(), QStringLiteral("<IMG SRC=\"x.gif\" ALT=\"Top\" VSPACE=\"3\">"));
    }

    void optionsOnlyWithNothingSetDeletesTheSelection()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openDocument(fx, QStringLiteral("keep this"));
        box->setSelection(4, 5);
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        trigger(f, "SpeedButton1");
        QCOMPARE(box->text(), QStringLiteral("keep"));
        trigger(f, "EditUndo");
        QCOMPARE(box->text(), QStringLiteral("keep this"));
    }

    void uncheckingOptionsOnlyGivesTheFileBack()
    {
        ShellFixture fx;
        openDocument(fx, QString());
        TImageBox box(fx.form().ActiveDocumentName(), &fx.form());
        box.startWithOptionsOnly();
        QCheckBox *only = box.findChild<QCheckBox *>(QStringLiteral("OptionChk"));
        only->click();
        for (const char *name : {"ImageFile", "Button1", "PathRadio", "NameRadio", "FileGroup"})
            QVERIFY2(box.findChild<QWidget *>(QLatin1String(name))->isEnabled(), name);
        QCOMPARE(box.focusWidget(), box.findChild<QLineEdit *>(QStringLiteral("ImageFile")));
        box.findChild<QLineEdit *>(QStringLiteral("ImageFile"))->setText(QStringLiteral("a.gif"));
        QCOMPARE(box.insertion(1), QStringLiteral("<IMG SRC=\"a.gif\">"));
    }

    void untitledDocumentGetsTheFullPath()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        f.FileNewClick();
        EditBox *box = f.activeBox();
        const QString picture = writePicture(fx, QStringLiteral("deep/er/a.GIF"),
                                             QByteArray("GIF89a") + QByteArray::fromHex("0A001400000000"));
        fx.platform().fileAnswers.push_back({{picture}, 0});
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QPushButton>(d, "Button1")->click();
            child<QPushButton>(d, "OkBtn")->click();
            return d->result();
        });
        trigger(f, "imgPictureSpd");
        QCOMPARE(box->text(), QStringLiteral("<IMG SRC=\"") + picture + QStringLiteral("\" WIDTH=\"10\" HEIGHT=\"20\">"));
        QVERIFY(picture.startsWith(QLatin1Char('/')));
    }

    void unreadablePictureKeepsEveryField()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        openDocument(fx, QString());
        const QString bad = writePicture(fx, QStringLiteral("bad.jpg"), QByteArray("not a picture at all"));
        const QString good = writePicture(fx, QStringLiteral("good.gif"),
                                          QByteArray("GIF89a") + QByteArray::fromHex("0500060000"));
        TImageBox box(f.ActiveDocumentName(), &f);
        QLineEdit *file = box.findChild<QLineEdit *>(QStringLiteral("ImageFile"));
        QLineEdit *width = box.findChild<QLineEdit *>(QStringLiteral("WidthEdit"));
        QVERIFY(box.useFile(good));
        QCOMPARE(file->text(), QStringLiteral("good.gif"));
        file->setText(QStringLiteral("mine.gif"));
        width->setText(QStringLiteral("33"));
        QVERIFY(!box.useFile(bad));
        QCOMPARE(fx.platform().messages.size(), 1);
        QVERIFY(fx.platform().messages.first().text.contains(bad));
        QCOMPARE(file->text(), QStringLiteral("mine.gif"));
        QCOMPARE(width->text(), QStringLiteral("33"));
        QCOMPARE(box.chosenFile(), good); // the ALT buttons still use the last good pick

        // A picture without a readable size is still taken; the sizes stay as they were.
        const QString tenBytes = writePicture(fx, QStringLiteral("ten.gif"), QByteArray("GIF89a") + QByteArray(4, '\x01'));
        QVERIFY(box.useFile(tenBytes));
        QCOMPARE(width->text(), QStringLiteral("33"));
        QCOMPARE(file->text(), QStringLiteral("ten.gif"));
        QCOMPARE(fx.platform().messages.size(), 1);
    }

    void buttonsWithoutAPickedFile()
    {
        ShellFixture fx;
        openDocument(fx, QString());
        TImageBox box(fx.form().ActiveDocumentName(), &fx.form());
        QLineEdit *file = box.findChild<QLineEdit *>(QStringLiteral("ImageFile"));
        QLineEdit *alt = box.findChild<QLineEdit *>(QStringLiteral("AltEdit"));
        file->setText(QStringLiteral("typed.png"));
        box.findChild<QRadioButton *>(QStringLiteral("NameRadio"))->click();
        box.findChild<QRadioButton *>(QStringLiteral("PathRadio"))->click();
        QCOMPARE(file->text(), QStringLiteral("typed.png"));
        alt->setText(QStringLiteral("x"));
        box.findChild<QPushButton *>(QStringLiteral("AltFileBtn"))->click();
        QCOMPARE(alt->text(), QStringLiteral("x"));
        box.findChild<QPushButton *>(QStringLiteral("AltSizeBtn"))->click();
        QCOMPARE(alt->text(), QStringLiteral("x 不明"));
        // Browse cancelled: nothing changes.
        fx.platform().fileAnswers.push_back({{}, 0});
        box.findChild<QPushButton *>(QStringLiteral("Button1"))->click();
        QCOMPARE(file->text(), QStringLiteral("typed.png"));
    }

    void cancelInsertsNothingAndHelpShowsTheTopic()
    {
        ShellFixture fx;
        TMainForm &f = fx.form();
        EditBox *box = openDocument(fx, QStringLiteral("text"));
        box->setSelection(0, 4);
        fx.platform().dialogScripts.push_back([](QDialog *d) {
            child<QLineEdit>(d, "ImageFile")->setText(QStringLiteral("a.png"));
            child<QPushButton>(d, "HelpBtn")->click();
            child<QPushButton>(d, "CancelBtn")->click();
            return d->result();
        });
        trigger(f, "PopimgPicture");
        QCOMPARE(box->text(), QStringLiteral("text"));
        QVERIFY(!box->isModified());
        QStringList shown = fx.platform().shellOpened;
        for (const auto &p : fx.platform().programsStarted)
            shown << p.second;
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().endsWith(QLatin1String("Help/Tips.html#Image")), qPrintable(shown.first()));
    }

    void noDocumentNoDialog()
    {
        ShellFixture fx;
        fx.form().findChild<QAction *>(QStringLiteral("imgPicture"))->trigger();
        QCOMPARE(fx.platform().unscripted, 0);
    }
};

QTEST_MAIN(TestImageBox)
#include "tst_imagebox.moc"

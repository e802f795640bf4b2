// Qt's own dialogs speak Japanese like the rest of the program.
#include "app/QtTranslations.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestQtTranslations : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void fileDialogButtonsAreJapanese()
    {
        // Whatever the system language: the tests run under C.UTF-8.
        if (!QtTranslations::install(*qApp))
            QSKIP("Qt's Japanese translation (qt6-translations-l10n) is not installed; scripts/deps installs it");
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        auto *buttons = dialog.findChild<QDialogButtonBox *>();
        QVERIFY(buttons);
        const QString open = buttons->button(QDialogButtonBox::Open)->text();
        const QString cancel = buttons->button(QDialogButtonBox::Cancel)->text();
        QVERIFY2(open.contains(QStringLiteral("開く")), qPrintable(open));
        QVERIFY2(cancel.contains(QStringLiteral("キャンセル")), qPrintable(cancel));
        auto *lookIn = dialog.findChild<QLabel *>(QStringLiteral("lookInLabel"));
        QVERIFY(lookIn);
        QVERIFY2(!lookIn->text().contains(QLatin1String("Look in")), qPrintable(lookIn->text()));
    }
};

QTEST_MAIN(TestQtTranslations)
#include "tst_qttranslations.moc"

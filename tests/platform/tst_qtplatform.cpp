// The open dialog as users meet it: a filter for programs lists only what may be run.
#include "platform/gui/QtPlatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {
void writeFile(const QString &path, QFile::Permissions permissions)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("x");
    f.close();
    QVERIFY(f.setPermissions(permissions));
}

// The names the dialog's file list shows, folders included.
QStringList shownNames(QFileDialog *dialog)
{
    const auto *list = dialog->findChild<QAbstractItemView *>(QStringLiteral("listView"));
    if (!list || !list->model())
        return {};
    QStringList names;
    const QModelIndex root = list->rootIndex();
    for (int row = 0; row < list->model()->rowCount(root); ++row)
        names << list->model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}
} // namespace

class TestQtPlatform : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void programsFilterListsOnlyWhatMayBeRun()
    {
        QTemporaryDir dir;
        const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner;
        writeFile(dir.filePath(QStringLiteral("browser")), readWrite | QFile::ExeOwner);
        writeFile(dir.filePath(QStringLiteral("notes.txt")), readWrite);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("sub")));

        Platform::FileRequest request;
        request.folder = dir.path();
        request.filters = {QStringLiteral("WWWブラウザ (*)"), QStringLiteral("その他 (*)")};
        request.programsFilter = 0;

        QStringList withPrograms, withOthers;
        bool sawDialog = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            sawDialog = true;
            // Folders stay listed so that the user can walk to the program.
            const QStringList programsOnly = {QStringLiteral("browser"), QStringLiteral("sub")};
            (void)QTest::qWaitFor([&] { return shownNames(dialog) == programsOnly; }, 5000);
            withPrograms = shownNames(dialog);
            // The user picks the other filter from the list.
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            if (types) {
                types->setFocus();
                QTest::keyClick(types, Qt::Key_Down);
            }
            const QStringList everything = {QStringLiteral("browser"), QStringLiteral("notes.txt"),
                                            QStringLiteral("sub")};
            (void)QTest::qWaitFor([&] { return shownNames(dialog) == everything; }, 5000);
            withOthers = shownNames(dialog);
            dialog->reject();
        });
        QtPlatform platform;
        const Platform::FileAnswer answer = platform.openFiles(nullptr, request, false);
        QVERIFY(sawDialog);
        QVERIFY(answer.files.isEmpty());
        QCOMPARE(withPrograms, QStringList({QStringLiteral("browser"), QStringLiteral("sub")}));
        QCOMPARE(withOthers, QStringList({QStringLiteral("browser"), QStringLiteral("notes.txt"), QStringLiteral("sub")}));
    }

    void filtersMatchEitherCaseAndTheChosenOneComesBack()
    {
        QTemporaryDir dir;
        writeFile(dir.filePath(QStringLiteral("page.HTML")), QFile::ReadOwner | QFile::WriteOwner);
        writeFile(dir.filePath(QStringLiteral("notes.txt")), QFile::ReadOwner | QFile::WriteOwner);

        Platform::FileRequest request;
        request.folder = dir.path();
        request.filters = {QStringLiteral("HTMLファイル (*.htm *.html)"), QStringLiteral("すべてのファイル (*)")};

        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            // The suffix matches in either case; no execute permission is asked for.
            (void)QTest::qWaitFor([&] { return !shownNames(dialog).isEmpty(); }, 5000);
            QTest::qWait(100);
            shown = shownNames(dialog);
            // The user takes the second filter and a file it lists.
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            if (types) {
                types->setFocus();
                QTest::keyClick(types, Qt::Key_Down);
            }
            dialog->selectFile(dir.filePath(QStringLiteral("notes.txt")));
            static_cast<QDialog *>(dialog)->accept(); // the Open button
        });
        QtPlatform platform;
        const Platform::FileAnswer answer = platform.openFiles(nullptr, request, false);
        QCOMPARE(shown, QStringList({QStringLiteral("page.HTML")}));
        QCOMPARE(answer.files, QStringList({dir.filePath(QStringLiteral("notes.txt"))}));
        // Remembered by the callers for the next time the dialog opens.
        QCOMPARE(answer.filterIndex, 1);
    }

    void saveDialogTellsWhichTypeWasChosen()
    {
        QTemporaryDir dir;
        Platform::FileRequest request;
        request.folder = dir.path();
        request.fileName = QStringLiteral("NewPage");
        request.filters = {QStringLiteral("HTMLファイル (*.html *.htm)"), QStringLiteral("テキストファイル (*.txt)"),
                           QStringLiteral("その他 (*)")};
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            // A name without a suffix under the text type: the caller adds ".txt" from the answer.
            auto *types = dialog->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
            if (types) {
                types->setFocus();
                QTest::keyClick(types, Qt::Key_Down);
            }
            dialog->selectFile(dir.filePath(QStringLiteral("memo")));
            static_cast<QDialog *>(dialog)->accept(); // the Save button
        });
        QtPlatform platform;
        const Platform::FileAnswer answer = platform.saveFile(nullptr, request);
        QCOMPARE(answer.files, QStringList({dir.filePath(QStringLiteral("memo"))}));
        QCOMPARE(answer.filterIndex, 1);
    }

    // A message naming a file called "<i>x.csv" shows that name, not an italic "x.csv".
    void messagesShowMarkupAsText()
    {
        const QString text = QStringLiteral("\"<i>x.csv\" を読み込めませんでした。");
        QString shown;
        Qt::TextFormat format = Qt::AutoText;
        QTimer::singleShot(0, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            for (QLabel *label : box->findChildren<QLabel *>()) {
                if (label->text().contains(QLatin1String("x.csv"))) {
                    shown = label->text();
                    format = label->textFormat();
                }
            }
            QTest::keyClick(box, Qt::Key_Return);
        });
        QtPlatform platform;
        QCOMPARE(platform.message(nullptr, Platform::MessageKind::Warning, QStringLiteral("Tagwell"), text,
                                  Platform::Buttons::Ok, std::nullopt),
                 Platform::Answer::Ok);
        QCOMPARE(shown, text);
        QCOMPARE(format, Qt::PlainText);
    }
};

QTEST_MAIN(TestQtPlatform)
#include "tst_qtplatform.moc"

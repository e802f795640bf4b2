// Temp/Title.lst, template files and template titles from anywhere: the list's lines come
// back as written; a template's text written and read again is the same text; a title the
// check accepts names one file inside the folder, and one line of the list.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "FuzzInput.h"

#include "platform/Cp932Codec.h"
#include "userdata/templates/TemplateFiles.h"

#include <QDir>
#include <QFileInfo>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t control = input.byte();
    const QByteArray titleBytes = input.chunk(40);
    const QString title = (control & 1) ? QString::fromUtf8(titleBytes) : Cp932Codec::decode(titleBytes);
    const QByteArray body = input.rest();
    FuzzFolder::clear();
    const QString folder = FuzzFolder::path() + QStringLiteral("Temp/");
    QDir().mkpath(folder);
    const TemplateFiles files(folder);

    // The list as an older installation left it.
    FuzzFolder::put(QStringLiteral("Temp/Title.lst"), body);
    const QStringList titles = files.titles();
    for (const QString &t : titles)
        FUZZ_CHECK(!t.contains(QLatin1Char('\n')) && !t.contains(QLatin1Char('\r')));
    QString error;
    FUZZ_CHECK(files.writeTitles(titles, &error));
    FUZZ_CHECK(files.titles() == titles);

    // The same bytes as a template file.
    FuzzFolder::put(QStringLiteral("Temp/page"), body);
    QString text;
    FUZZ_CHECK(files.readTemplate(QStringLiteral("page"), text));
    if (files.writeTemplate(QStringLiteral("copy"), text, &error)) {
        QString again;
        FUZZ_CHECK(files.readTemplate(QStringLiteral("copy"), again));
        // The last line always ends in a line break once written.
        FUZZ_CHECK(again == text || again == text + QLatin1Char('\n'));
    }

    if (TemplateFiles::titleProblem(title).isEmpty()) {
        const QStringList before = QDir(FuzzFolder::path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        FUZZ_CHECK(files.writeTemplate(title, QStringLiteral("x"), &error));
        FUZZ_CHECK(QFileInfo(files.templatePath(title)).isFile());
        FUZZ_CHECK(QFileInfo(files.templatePath(title)).absolutePath() == QFileInfo(folder).absolutePath());
        FUZZ_CHECK(QDir(FuzzFolder::path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot) == before);
        FUZZ_CHECK(files.appendTitle(title, &error));
        FUZZ_CHECK(files.titles().last() == title);
        FUZZ_CHECK(files.titles().mid(0, titles.size()) == titles);
        QString back;
        FUZZ_CHECK(files.readTemplate(title, back) && back == QStringLiteral("x\n"));
    }
    return 0;
}

// FS.ini and the start-up list from anywhere, and the titles a user may type: lists read no
// more entries than their sections have keys, and a title the checks accept becomes a set
// that reads back with exactly its files, leaving the other sets as they were.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "FuzzInput.h"

#include "platform/Cp932Codec.h"
#include "platform/ProfileStore.h"
#include "userdata/filesets/FileSetFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t control = input.byte();
    const QByteArray titleBytes = input.chunk(40);
    const QString title = (control & 1) ? QString::fromUtf8(titleBytes) : Cp932Codec::decode(titleBytes);
    FuzzFolder::clear();
    const QString ini = FuzzFolder::put(FileSetFile::fileName(), input.rest());
    const FileSetFile file(ini);
    const QStringList titles = file.titles();
    FUZZ_CHECK(titles.size() <= ProfileStore(ini).keyNames(FileSetFile::ListSection).size());
    QList<QStringList> before;
    for (const QString &t : titles) {
        before.append(file.files(t));
        FUZZ_CHECK(before.last().size() <= ProfileStore(ini).keyNames(t).size());
    }

    const QStringList files{QStringLiteral("/a.html"), QStringLiteral("/b c.html")};
    QString error;
    if (FileSetFile::titleProblem(title, titles).isEmpty() && !title.isEmpty()) {
        if (file.addSet(title, files, &error)) {
            FUZZ_CHECK(file.titles() == titles + QStringList{title});
            FUZZ_CHECK(file.files(title) == files);
            for (qsizetype i = 0; i < titles.size(); ++i) {
                // A set whose title matches none of the others keeps its files.
                if (titles.count(titles[i]) == 1 && FileSetFile::titleProblem(titles[i], {title}).isEmpty()
                    && titles[i].compare(title, Qt::CaseInsensitive) != 0)
                    FUZZ_CHECK(file.files(titles[i]) == before[i]);
            }
        }
    }
    // The list written whole reads back whole.
    QStringList kept = file.titles();
    if (control & 2)
        kept = kept.mid(1);
    if (file.writeTitles(kept, &error))
        FUZZ_CHECK(file.titles() == kept);
    if (FileSetFile::writeList(ini, kept, &error))
        FUZZ_CHECK(FileSetFile::readList(ini) == kept);
    return 0;
}

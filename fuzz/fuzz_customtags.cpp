// CustomTag.ini from anywhere: the list reads no more entries than the file has sections,
// no field holds a line break, and a list written back reads back the same.
#include "FuzzCheck.h"
#include "FuzzFolder.h"
#include "FuzzInput.h"

#include "platform/ProfileStore.h"
#include "userdata/customtags/CustomTagFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const uint8_t control = input.byte();
    FuzzFolder::clear();
    const QString ini = FuzzFolder::put(QStringLiteral("CustomTag.ini"), input.rest());
    const CustomTagFile file(ini);
    const QList<CustomTag> tags = file.readAll(QStringLiteral("Tag"));
    FUZZ_CHECK(tags.size() <= ProfileStore(ini).sectionNames().size());
    for (const CustomTag &t : tags) {
        FUZZ_CHECK(CustomTagFile::fieldAcceptable(t.name) && CustomTagFile::fieldAcceptable(t.head)
                   && CustomTagFile::fieldAcceptable(t.foot));
    }
    // Reordered as the list manager may, then saved.
    QList<CustomTag> saved = tags;
    if ((control & 1) && !saved.isEmpty())
        saved.append(saved.takeFirst());
    if ((control & 2) && !saved.isEmpty())
        saved.removeLast();
    QString error;
    if (file.writeAll(saved, &error)) {
        FUZZ_CHECK(file.readAll(QStringLiteral("Tag")) == saved);
    } else {
        FUZZ_CHECK(!error.isEmpty());
    }
    return 0;
}

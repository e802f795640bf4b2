// A document's file, read for the editing box and written back: only the line ends (to CR LF)
// and the tab characters (to the tab spaces) may change, and text read back stays the same.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "app/DocumentFile.h"
#include "platform/Cp932Codec.h"
#include "tests/support/SavedBytes.h"

#include <QString>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput input(data, size);
    const QByteArray tabSpaces(2 + input.byte() % 7, ' '); // the tab widths the menu offers
    const QByteArray bytes = input.rest();

    const DocumentFile::Loaded loaded = DocumentFile::prepare(bytes, QString::fromLatin1(tabSpaces));
    FUZZ_CHECK(!loaded.text.contains(QLatin1Char('\r')));
    FUZZ_CHECK(!loaded.text.contains(QLatin1Char('\t')));

    int unencodable = -1;
    const QByteArray saved = DocumentFile::serialize(loaded.text, &unencodable);
    FUZZ_CHECK(unencodable == 0);
    if (!loaded.duplicates)
        FUZZ_CHECK(saved == SavedBytes::expected(bytes, tabSpaces));

    // Opened again, the saved file shows the same text and saves to the same bytes.
    const DocumentFile::Loaded again = DocumentFile::prepare(saved, QString::fromLatin1(tabSpaces));
    FUZZ_CHECK(again.text == loaded.text);
    FUZZ_CHECK(!again.duplicates);
    FUZZ_CHECK(DocumentFile::serialize(again.text) == saved);
    return 0;
}

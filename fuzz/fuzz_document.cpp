// A document's file, read for the editing box and written back, with detection on and off.
// Shift-JIS: only the line ends (to CR LF) and the tab characters (to the tab spaces) may
// change. UTF-8: a file whose line breaks are all of the first one's kind comes back byte for
// byte. Either way, text read back stays the same.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "app/DocumentFile.h"
#include "editing/CharsetDeclaration.h"
#include "platform/Cp932Codec.h"
#include "tests/support/SavedBytes.h"

#include <QString>

namespace {

// Every line break of the body is the format's own: no lone CR, and CR LF or LF throughout.
bool uniformBreaks(QByteArrayView body, DocumentEncoding::LineBreak kind)
{
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] == '\r') {
            if (kind != DocumentEncoding::LineBreak::CrLf || i + 1 >= body.size() || body[i + 1] != '\n')
                return false;
            ++i;
        } else if (body[i] == '\n' && kind != DocumentEncoding::LineBreak::Lf) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using Encoding = DocumentEncoding::Encoding;
    FuzzInput input(data, size);
    const uint8_t choice = input.byte();
    const QByteArray tabSpaces(2 + choice % 7, ' '); // the tab widths the menu offers
    const auto reading = (choice & 0x80) ? DocumentFile::Reading::AsShiftJis : DocumentFile::Reading::Detect;
    const QByteArray bytes = input.rest();

    const DocumentFile::Loaded loaded = DocumentFile::prepare(bytes, QString::fromLatin1(tabSpaces), reading);
    FUZZ_CHECK(!loaded.text.contains(QLatin1Char('\r')));
    if (reading == DocumentFile::Reading::AsShiftJis)
        FUZZ_CHECK(loaded.format == DocumentFile::Format{});

    int unencodable = -1;
    const QByteArray saved = DocumentFile::serialize(loaded.text, loaded.format, &unencodable);
    FUZZ_CHECK(unencodable == 0);
    if (loaded.format.encoding == Encoding::ShiftJis) {
        FUZZ_CHECK(!loaded.text.contains(QLatin1Char('\t')));
        if (!loaded.duplicates)
            FUZZ_CHECK(saved == SavedBytes::expected(bytes, tabSpaces));
    } else {
        const QByteArrayView body = QByteArrayView(bytes).sliced(loaded.format.encoding == Encoding::Utf8Bom ? 3 : 0);
        if (uniformBreaks(body, loaded.format.lineBreak))
            FUZZ_CHECK(saved == bytes);
    }

    // A charset declaration found lies in the text and is what it says.
    if (const auto found = CharsetDeclaration::find(loaded.text)) {
        FUZZ_CHECK(found->start >= 0 && found->length > 0 && found->start + found->length <= loaded.text.size());
        FUZZ_CHECK(QStringView(loaded.text).mid(found->start, found->length) == found->value);
    }

    // The one-pass reading agrees with the rule, also past the part it judges alone.
    for (const QByteArray &file : {bytes, QByteArray(QByteArray(65 * 1024, 'a') + bytes)}) {
        QString text;
        const Encoding found = DocumentEncoding::detectAndDecode(file, text);
        FUZZ_CHECK(found == DocumentEncoding::detect(file));
        if (found != Encoding::ShiftJis)
            FUZZ_CHECK(text == DocumentEncoding::decodeUtf8(QByteArrayView(file).sliced(found == Encoding::Utf8Bom ? 3 : 0)));
    }

    // Opened again as it was read, the saved file shows the same text and saves to the same
    // bytes.
    const auto as = loaded.format.encoding == Encoding::ShiftJis ? DocumentFile::Reading::AsShiftJis : DocumentFile::Reading::AsUtf8;
    const DocumentFile::Loaded again = DocumentFile::prepare(saved, QString::fromLatin1(tabSpaces), as);
    FUZZ_CHECK(again.text == loaded.text);
    FUZZ_CHECK(!again.duplicates);
    FUZZ_CHECK(again.format.encoding == loaded.format.encoding);
    FUZZ_CHECK(DocumentFile::serialize(again.text, loaded.format) == saved);
    return 0;
}

// The GIF size reader of the image dialog: any bytes as a file, never a failure, and a size
// exactly when the signature is right and the file is longer than 10 bytes.
#include "FuzzCheck.h"

#include "wizards/images/ImageSize.h"

#include <QBuffer>
#include <QByteArray>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ImageSize::Result r = ImageSize::readGif(buffer);
    FUZZ_CHECK(r.status != ImageSize::Status::Failed);
    const bool signature = bytes.startsWith("GIF87a") || bytes.startsWith("GIF89a");
    if (signature && size > 10) {
        FUZZ_CHECK(r.status == ImageSize::Status::Read);
        FUZZ_CHECK(r.width == (quint32(data[6]) | quint32(data[7]) << 8));
        FUZZ_CHECK(r.height == (quint32(data[8]) | quint32(data[9]) << 8));
    } else {
        FUZZ_CHECK(r.status == ImageSize::Status::Unchanged);
        FUZZ_CHECK(r.width == 0 && r.height == 0);
    }
    // The reader stops after the size: it never reads the rest of a large file.
    FUZZ_CHECK(buffer.pos() <= 11);
    return 0;
}

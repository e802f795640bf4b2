// The JPEG size reader of the image dialog: libjpeg reads the headers of any bytes, and every
// error it raises comes back as a failure with its text, never as the end of the process.
#include "FuzzCheck.h"

#include "wizards/images/ImageSize.h"

#include <QBuffer>
#include <QByteArray>

namespace {
ImageSize::Result readOnce(QByteArray &bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ImageSize::readJpeg(buffer);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const ImageSize::Result r = readOnce(bytes);
    FUZZ_CHECK(r.status != ImageSize::Status::Unchanged);
    if (r.status == ImageSize::Status::Read) {
        // A JPEG begins with its start marker, and libjpeg takes no empty or oversized frame.
        FUZZ_CHECK(size >= 2 && data[0] == 0xFF && data[1] == 0xD8);
        FUZZ_CHECK(r.width >= 1 && r.width <= 65500);
        FUZZ_CHECK(r.height >= 1 && r.height <= 65500);
        FUZZ_CHECK(r.error.isEmpty());
    } else {
        FUZZ_CHECK(!r.error.isEmpty());
    }
    // The jump out of the library leaves nothing behind that changes the next reading.
    const ImageSize::Result again = readOnce(bytes);
    FUZZ_CHECK(again.status == r.status && again.width == r.width && again.height == r.height);
    FUZZ_CHECK(again.error == r.error);
    return 0;
}

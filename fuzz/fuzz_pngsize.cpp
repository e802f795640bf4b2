// The PNG size reader of the image dialog: IHDR at offset 12, big-endian size after it; a file
// cut inside the size is reported, anything else without IHDR leaves the fields alone.
#include "FuzzCheck.h"

#include "wizards/images/ImageSize.h"

#include <QBuffer>
#include <QByteArray>

namespace {
quint32 bigEndian(const uint8_t *p)
{
    return quint32(p[0]) << 24 | quint32(p[1]) << 16 | quint32(p[2]) << 8 | quint32(p[3]);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ImageSize::Result r = ImageSize::readPng(buffer);
    const bool ihdr = size >= 16 && bytes.mid(12, 4) == "IHDR";
    if (!ihdr) {
        FUZZ_CHECK(r.status == ImageSize::Status::Unchanged);
    } else if (size < 24) {
        FUZZ_CHECK(r.status == ImageSize::Status::Failed);
        FUZZ_CHECK(!r.error.isEmpty());
    } else {
        FUZZ_CHECK(r.status == ImageSize::Status::Read);
        FUZZ_CHECK(r.width == bigEndian(data + 16));
        FUZZ_CHECK(r.height == bigEndian(data + 20));
    }
    FUZZ_CHECK(buffer.pos() <= 24);
    return 0;
}

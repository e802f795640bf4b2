#include "wizards/images/ImageSize.h"

#include "platform/RegularFile.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>

namespace {

ImageSize::Result sized(quint32 width, quint32 height)
{
    ImageSize::Result r;
    r.status = ImageSize::Status::Read;
    r.width = width;
    r.height = height;
    return r;
}

ImageSize::Result failed(const QString &error)
{
    ImageSize::Result r;
    r.status = ImageSize::Status::Failed;
    r.error = error;
    return r;
}

quint32 byteAt(const QByteArray &bytes, int i)
{
    return quint32(uchar(bytes.at(i)));
}

// ---- libjpeg glue. The library reports errors by calling error_exit, which by default
// ends the process; ours jumps back to readJpegHeader instead. Nothing with a destructor
// may live in the frames the jump leaves, so this part is kept to plain C data.

struct JumpingErrorManager
{
    jpeg_error_mgr pub; // first, so the library's pointer is also ours
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void errorExit(j_common_ptr cinfo)
{
    auto *err = reinterpret_cast<JumpingErrorManager *>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

// Warnings about damaged data are not the user's concern while only the size is wanted.
void ignoreMessage(j_common_ptr) {}

struct DeviceSource
{
    jpeg_source_mgr pub; // first, as above
    QIODevice *device;
    JOCTET buffer[4096];
};

void initSource(j_decompress_ptr) {}

boolean fillInputBuffer(j_decompress_ptr cinfo)
{
    auto *src = reinterpret_cast<DeviceSource *>(cinfo->src);
    const qint64 n = src->device->read(reinterpret_cast<char *>(src->buffer), qint64(sizeof src->buffer));
    // The headers end before the data: a file that ends first is damaged, and saying so
    // beats libjpeg's usual padding with an invented end marker.
    if (n <= 0)
        ERREXIT(cinfo, JERR_INPUT_EOF);
    src->pub.next_input_byte = src->buffer;
    src->pub.bytes_in_buffer = size_t(n);
    return TRUE;
}

void skipInputData(j_decompress_ptr cinfo, long count)
{
    auto *src = reinterpret_cast<DeviceSource *>(cinfo->src);
    if (count <= 0)
        return;
    while (size_t(count) > src->pub.bytes_in_buffer) {
        count -= long(src->pub.bytes_in_buffer);
        fillInputBuffer(cinfo);
    }
    src->pub.next_input_byte += count;
    src->pub.bytes_in_buffer -= size_t(count);
}

void termSource(j_decompress_ptr) {}

// True with the frame size, or false with the library's message.
bool readJpegHeader(QIODevice *device, JDIMENSION *width, JDIMENSION *height, char *message)
{
    jpeg_decompress_struct cinfo;
    JumpingErrorManager err;
    DeviceSource source;
    cinfo.err = jpeg_std_error(&err.pub);
    err.pub.error_exit = errorExit;
    err.pub.output_message = ignoreMessage;
    err.message[0] = '\0';
    if (setjmp(err.jump)) {
        jpeg_destroy_decompress(&cinfo);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", err.message);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    source.device = device;
    source.pub.init_source = initSource;
    source.pub.fill_input_buffer = fillInputBuffer;
    source.pub.skip_input_data = skipInputData;
    source.pub.resync_to_restart = jpeg_resync_to_restart;
    source.pub.term_source = termSource;
    source.pub.next_input_byte = nullptr;
    source.pub.bytes_in_buffer = 0;
    cinfo.src = &source.pub;
    jpeg_read_header(&cinfo, TRUE);
    *width = cinfo.image_width;
    *height = cinfo.image_height;
    jpeg_destroy_decompress(&cinfo);
    return true;
}

} // namespace

ImageSize::Format ImageSize::formatOf(const QString &fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("jpg") || suffix == QLatin1String("jpeg"))
        return Format::Jpeg;
    if (suffix == QLatin1String("gif"))
        return Format::Gif;
    if (suffix == QLatin1String("png"))
        return Format::Png;
    return Format::Other;
}

ImageSize::Result ImageSize::readFile(const QString &fileName)
{
    const Format format = formatOf(fileName);
    if (format == Format::Other)
        return Result();
    // A folder, a pipe or a device is never a picture, and a pipe would block the read.
    QFile file;
    QString error;
    if (!RegularFile::open(file, fileName, &error))
        return failed(error);
    switch (format) {
    case Format::Gif:
        return readGif(file);
    case Format::Png:
        return readPng(file);
    case Format::Jpeg:
        return readJpeg(file);
    case Format::Other:
        break;
    }
    return Result();
}

ImageSize::Result ImageSize::readGif(QIODevice &device)
{
    const QByteArray signature = device.read(6);
    if (signature != "GIF87a" && signature != "GIF89a")
        return Result();
    // The size is read only from a file longer than 10 bytes: a 10-byte file keeps the fields.
    const QByteArray screen = device.read(5);
    if (screen.size() < 5)
        return Result();
    return sized(byteAt(screen, 0) | byteAt(screen, 1) << 8, byteAt(screen, 2) | byteAt(screen, 3) << 8);
}

ImageSize::Result ImageSize::readPng(QIODevice &device)
{
    const QByteArray head = device.read(16);
    if (head.size() < 16 || head.mid(12, 4) != "IHDR")
        return Result();
    const QByteArray size = device.read(8);
    if (size.size() < 8)
        return failed(QStringLiteral("ファイルが途中で終わっています。"));
    const auto bigEndian = [&size](int at) {
        return byteAt(size, at) << 24 | byteAt(size, at + 1) << 16 | byteAt(size, at + 2) << 8 | byteAt(size, at + 3);
    };
    return sized(bigEndian(0), bigEndian(4));
}

ImageSize::Result ImageSize::readJpeg(QIODevice &device)
{
    JDIMENSION width = 0;
    JDIMENSION height = 0;
    char message[JMSG_LENGTH_MAX];
    if (!readJpegHeader(&device, &width, &height, message))
        return failed(QString::fromLocal8Bit(message));
    return sized(quint32(width), quint32(height));
}

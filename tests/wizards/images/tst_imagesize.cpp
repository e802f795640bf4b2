// Picture sizes read from the files themselves, and every kind of file that is not a picture.
#include "wizards/images/ImageSize.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using Status = ImageSize::Status;
Q_DECLARE_METATYPE(ImageSize::Format)
Q_DECLARE_METATYPE(ImageSize::Status)

namespace {
QByteArray gifBytes(const char *signature, quint16 width, quint16 height)
{
    QByteArray b(signature);
    b += char(width & 0xFF);
    b += char(width >> 8);
    b += char(height & 0xFF);
    b += char(height >> 8);
    b += QByteArray::fromHex("800000"); // flags, background, aspect
    b += QByteArray::fromHex("000000FFFFFF"); // two-colour table
    b += QByteArray::fromHex("2C000000000100010000"); // image descriptor
    b += QByteArray::fromHex("02024401003B");          // one pixel of data, trailer
    return b;
}

QByteArray pngHead(quint32 width, quint32 height)
{
    QByteArray b = QByteArray::fromHex("89504E470D0A1A0A0000000D") + "IHDR";
    for (quint32 v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            b += char((v >> shift) & 0xFF);
    b += QByteArray::fromHex("0806000000"); // depth, colour type, methods
    b += QByteArray(4, '\0');                // CRC, never looked at
    return b;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, format))
        return QByteArray();
    return bytes;
}

QByteArray jpegBytes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return encoded(image, "JPEG");
}
} // namespace

class TestImageSize : public QObject
{
    Q_OBJECT

    QTemporaryDir dir_;

    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            qFatal("cannot write %s", qPrintable(path));
        f.write(bytes);
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        if (!QImageWriter::supportedImageFormats().contains("jpeg"))
            QFAIL("Qt's JPEG writer is needed to make the test pictures");
    }

    void formatByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<ImageSize::Format>("format");
        QTest::newRow("gif") << "a.gif" << ImageSize::Format::Gif;
        QTest::newRow("GIF upper") << "/x/A.GIF" << ImageSize::Format::Gif;
        QTest::newRow("png") << "pic.png" << ImageSize::Format::Png;
        QTest::newRow("Png mixed") << "pic.Png" << ImageSize::Format::Png;
        QTest::newRow("jpg") << "pic.jpg" << ImageSize::Format::Jpeg;
        QTest::newRow("JPEG") << "pic.JPEG" << ImageSize::Format::Jpeg;
        QTest::newRow("double suffix") << "pic.png.jpg" << ImageSize::Format::Jpeg;
        QTest::newRow("bmp") << "pic.bmp" << ImageSize::Format::Other;
        QTest::newRow("jpe") << "pic.jpe" << ImageSize::Format::Other;
        QTest::newRow("none") << "gif" << ImageSize::Format::Other;
        QTest::newRow("gif in folder name") << "/pics.gif/readme" << ImageSize::Format::Other;
    }
    void formatByExtension()
    {
        QFETCH(QString, name);
        QFETCH(ImageSize::Format, format);
        QCOMPARE(ImageSize::formatOf(name), format);
    }

    void validFilesOfEachType_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint32>("width");
        QTest::addColumn<quint32>("height");
        QTest::newRow("GIF89a") << "a.gif" << gifBytes("GIF89a", 300, 2) << 300u << 2u;
        QTest::newRow("GIF87a, both bytes of each") << "b.GIF" << gifBytes("GIF87a", 0xABCD, 0x1234) << 0xABCDu << 0x1234u;
        QTest::newRow("GIF 11 bytes") << "c.gif" << gifBytes("GIF89a", 7, 9).left(11) << 7u << 9u;
        QImage png(123, 45, QImage::Format_ARGB32);
        png.fill(Qt::red);
        QTest::newRow("PNG written by Qt") << "d.png" << encoded(png, "PNG") << 123u << 45u;
        QTest::newRow("PNG beyond 16 bits") << "e.png" << pngHead(0x00012345, 0x00ABCDEF) << 0x12345u << 0xABCDEFu;
        QTest::newRow("PNG top bit set") << "f.png" << pngHead(0x80000001, 3) << 0x80000001u << 3u;
        QTest::newRow("PNG just 24 bytes") << "g.png" << pngHead(5, 6).left(24) << 5u << 6u;
        QTest::newRow("JPEG") << "h.jpg" << jpegBytes(321, 17) << 321u << 17u;
        QTest::newRow("JPEG as .jpeg, large") << "i.JPEG" << jpegBytes(2000, 1500) << 2000u << 1500u;
        // A large segment before the frame header is skipped over, not read into memory.
        QByteArray withApp = jpegBytes(64, 48);
        QByteArray app = QByteArray::fromHex("FFE1") + QByteArray::fromHex("EA62") + QByteArray(0xEA62 - 2, 'x');
        withApp.insert(2, app);
        QTest::newRow("JPEG with 60 KB segment") << "j.jpg" << withApp << 64u << 48u;
    }
    void validFilesOfEachType()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(quint32, width);
        QFETCH(quint32, height);
        QVERIFY(!bytes.isEmpty());
        const ImageSize::Result r = ImageSize::readFile(write(name, bytes));
        QCOMPARE(r.status, Status::Read);
        QCOMPARE(r.width, width);
        QCOMPARE(r.height, height);
        QVERIFY(r.error.isEmpty());
    }

    // Each file keeps the fields as they were (Unchanged) or is reported (Failed).
    void filesThatGiveNoSize_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ImageSize::Status>("status");
        const QByteArray gif = gifBytes("GIF89a", 100, 50);
        const QByteArray png = pngHead(100, 50);
        const QByteArray jpeg = jpegBytes(40, 30);
        QTest::newRow("GIF88a") << "a.gif" << gifBytes("GIF88a", 1, 1) << Status::Unchanged;
        QTest::newRow("gif lower-case signature") << "a.gif" << QByteArray("gif89a") + gif.mid(6) << Status::Unchanged;
        QTest::newRow("10-byte GIF") << "a.gif" << gif.left(10) << Status::Unchanged;
        QTest::newRow("GIF signature only") << "a.gif" << gif.left(6) << Status::Unchanged;
        QTest::newRow("GIF cut in signature") << "a.gif" << gif.left(4) << Status::Unchanged;
        QTest::newRow("empty .gif") << "a.gif" << QByteArray() << Status::Unchanged;
        QTest::newRow("GIF renamed .png") << "a.png" << gif << Status::Unchanged;
        QTest::newRow("PNG renamed .gif") << "a.gif" << png << Status::Unchanged;
        QTest::newRow("IHDR misspelt") << "a.png" << png.left(12) + "IHDX" + png.mid(16) << Status::Unchanged;
        QTest::newRow("ihdr lower case") << "a.png" << png.left(12) + "ihdr" + png.mid(16) << Status::Unchanged;
        QTest::newRow("PNG cut before IHDR") << "a.png" << png.left(15) << Status::Unchanged;
        QTest::newRow("PNG cut in the size") << "a.png" << png.left(20) << Status::Failed;
        QTest::newRow("PNG cut after IHDR") << "a.png" << png.left(16) << Status::Failed;
        QTest::newRow("empty .png") << "a.png" << QByteArray() << Status::Unchanged;
        QTest::newRow("PNG renamed .jpg") << "a.jpg" << png << Status::Failed;
        QTest::newRow("text renamed .jpeg") << "a.jpeg" << QByteArray("<html></html>") << Status::Failed;
        QTest::newRow("JPEG cut in the headers") << "a.jpg" << jpeg.left(jpeg.indexOf("\xFF\xC0") + 6) << Status::Failed;
        QTest::newRow("JPEG start marker only") << "a.jpg" << jpeg.left(2) << Status::Failed;
        QTest::newRow("empty .jpg") << "a.jpg" << QByteArray() << Status::Failed;
        QTest::newRow("JPEG renamed .gif") << "a.gif" << jpeg << Status::Unchanged;
        QTest::newRow("GIF bytes as .bmp") << "a.bmp" << gif << Status::Unchanged;
        QTest::newRow("JPEG bytes as .txt") << "a.txt" << jpeg << Status::Unchanged;
    }
    void filesThatGiveNoSize()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(ImageSize::Status, status);
        const ImageSize::Result r = ImageSize::readFile(write(name, bytes));
        QCOMPARE(r.status, status);
        QCOMPARE(r.error.isEmpty(), status != Status::Failed);
    }

    void jpegErrorsGiveTheLibrarysText()
    {
        const ImageSize::Result r = ImageSize::readFile(write(QStringLiteral("p.jpg"), pngHead(1, 1)));
        QCOMPARE(r.status, Status::Failed);
        QVERIFY2(r.error.contains(QLatin1String("JPEG")), qPrintable(r.error));
        // The jump out of the library leaves nothing behind: the next file reads normally.
        const ImageSize::Result ok = ImageSize::readFile(write(QStringLiteral("q.jpg"), jpegBytes(9, 8)));
        QCOMPARE(ok.status, Status::Read);
        QCOMPARE(ok.width, 9u);
    }

    void notAFile()
    {
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.gif")));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.jpg")));
        for (const char *name : {"folder.gif", "folder.jpg"}) {
            const ImageSize::Result r = ImageSize::readFile(dir_.filePath(QLatin1String(name)));
            QCOMPARE(r.status, Status::Failed);
            QVERIFY(!r.error.isEmpty());
        }
        const ImageSize::Result missing = ImageSize::readFile(dir_.filePath(QStringLiteral("missing.png")));
        QCOMPARE(missing.status, Status::Failed);
        QVERIFY(!missing.error.isEmpty());
        // A folder of another type is not looked at at all.
        QCOMPARE(ImageSize::readFile(dir_.path()).status, Status::Unchanged);
    }

    void unreadableFile()
    {
        if (geteuid() == 0)
            QSKIP("file permissions do not stop the superuser");
        const QString path = write(QStringLiteral("locked.gif"), gifBytes("GIF89a", 5, 5));
        QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
        const ImageSize::Result r = ImageSize::readFile(path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QCOMPARE(r.status, Status::Failed);
        QVERIFY(!r.error.isEmpty());
    }

    // The readers work on any device, from where it stands.
    void readersOnDevices()
    {
        QByteArray gif = gifBytes("GIF89a", 640, 480);
        QBuffer buffer(&gif);
        buffer.open(QIODevice::ReadOnly);
        const ImageSize::Result r = ImageSize::readGif(buffer);
        QCOMPARE(r.status, Status::Read);
        QCOMPARE(r.width, 640u);
        QCOMPARE(r.height, 480u);
        QByteArray jpeg = jpegBytes(12, 34);
        QBuffer jb(&jpeg);
        jb.open(QIODevice::ReadOnly);
        const ImageSize::Result j = ImageSize::readJpeg(jb);
        QCOMPARE(j.status, Status::Read);
        QCOMPARE(j.height, 34u);
    }
};

QTEST_MAIN(TestImageSize)
#include "tst_imagesize.moc"

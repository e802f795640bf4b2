#include "app/DocumentFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932Codec.h"

namespace {

// One pass: line breaks to '\n' and, with tabSpaces given, tabs to spaces; the common file
// needs no copy.
QString normalized(const QString &decoded, const QString *tabSpaces)
{
    const qsizetype n = decoded.size();
    const QChar *src = decoded.constData();
    auto special = [tabSpaces](char16_t c) { return c == u'\r' || (tabSpaces && c == u'\t'); };
    bool needsWork = false;
    for (qsizetype i = 0; i < n; ++i) {
        if (special(src[i].unicode())) {
            needsWork = true;
            break;
        }
    }
    if (!needsWork)
        return decoded;
    QString out;
    out.reserve(n + n / 16);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i].unicode();
        if (!special(c))
            continue;
        out.append(src + runStart, i - runStart);
        if (c == u'\t') {
            out.append(*tabSpaces);
        } else {
            out.append(QLatin1Char('\n'));
            if (i + 1 < n && src[i + 1].unicode() == u'\n')
                ++i;
        }
        runStart = i + 1;
    }
    out.append(src + runStart, n - runStart);
    return out;
}

} // namespace

DocumentFile::Loaded DocumentFile::prepare(const QByteArray &bytes, const QString &tabSpaces, Reading reading)
{
    using Encoding = DocumentEncoding::Encoding;
    Loaded result;
    Encoding encoding = Encoding::ShiftJis;
    if (reading == Reading::Detect)
        encoding = DocumentEncoding::detect(bytes);
    else if (reading == Reading::AsUtf8)
        encoding = bytes.startsWith(QByteArrayView(DocumentEncoding::Bom, 3)) ? Encoding::Utf8Bom : Encoding::Utf8;
    if (encoding == Encoding::ShiftJis) {
        Cp932Codec::Report report;
        result.text = normalized(Cp932Codec::decode(bytes, &report), &tabSpaces);
        result.duplicates = report.duplicates;
        return result;
    }
    const QByteArrayView body = encoding == Encoding::Utf8Bom ? QByteArrayView(bytes).sliced(3) : QByteArrayView(bytes);
    result.format = {encoding, DocumentEncoding::firstLineBreak(body)};
    result.text = normalized(DocumentEncoding::decodeUtf8(body), nullptr);
    return result;
}

QByteArray DocumentFile::serialize(QStringView text, Format format, int *unencodable)
{
    using Encoding = DocumentEncoding::Encoding;
    if (format.encoding == Encoding::ShiftJis)
        return Cp932Codec::encode(text, unencodable, Cp932Codec::LineBreaks::CrLf);
    QByteArray bytes = DocumentEncoding::encodeUtf8(text, format.lineBreak, unencodable);
    if (format.encoding == Encoding::Utf8Bom)
        bytes.prepend(DocumentEncoding::Bom, 3);
    return bytes;
}

bool DocumentFile::load(const QString &path, const QString &tabSpaces, Reading reading, Loaded &loaded, QString *error)
{
    QByteArray bytes;
    if (!AtomicFile::readAll(path, bytes, error))
        return false;
    loaded = prepare(bytes, tabSpaces, reading);
    return true;
}

bool DocumentFile::save(const QString &path, const QByteArray &bytes, QString *error)
{
    return AtomicFile::write(path, bytes, error);
}

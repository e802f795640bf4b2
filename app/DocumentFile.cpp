#include "app/DocumentFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932Codec.h"

#include <QHash>

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
    QString decoded; // UTF-8 read already while detecting
    if (reading == Reading::Detect)
        encoding = DocumentEncoding::detectAndDecode(bytes, decoded);
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
    if (reading != Reading::Detect)
        decoded = DocumentEncoding::decodeUtf8(body);
    result.text = normalized(decoded, nullptr);
    return result;
}

QByteArray DocumentFile::serialize(QStringView text, Format format, int *unencodable)
{
    using Encoding = DocumentEncoding::Encoding;
    if (format.encoding == Encoding::ShiftJis) {
        if (format.lineBreak == DocumentEncoding::LineBreak::CrLf)
            return Cp932Codec::encode(text, unencodable, Cp932Codec::LineBreaks::CrLf);
        // LF, as the user chose for this page: the box's line separators become line feeds.
        QString lines = text.toString();
        lines.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        lines.replace(QChar::LineSeparator, QLatin1Char('\n'));
        return Cp932Codec::encode(lines, unencodable, Cp932Codec::LineBreaks::Keep);
    }
    QByteArray bytes = DocumentEncoding::encodeUtf8(text, format.lineBreak, unencodable);
    if (format.encoding == Encoding::Utf8Bom)
        bytes.prepend(DocumentEncoding::Bom, 3);
    return bytes;
}

QString DocumentFile::withCharacterReferences(QStringView text)
{
    QString out;
    out.reserve(text.size());
    QHash<char32_t, bool> fits; // each character is tried once
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n;) {
        const QChar c = text[i];
        // ASCII, line breaks and raw bytes always fit.
        if (c.unicode() < 0x80 || c.unicode() == 0x2028 || c.unicode() == 0x2029 ||
            (c.unicode() >= Cp932Codec::RawByteFirst && c.unicode() <= Cp932Codec::RawByteLast)) {
            out.append(c);
            ++i;
            continue;
        }
        const bool pair = c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate();
        const qsizetype len = pair ? 2 : 1;
        const char32_t cp = pair ? QChar::surrogateToUcs4(c, text[i + 1]) : c.unicode();
        auto known = fits.constFind(cp);
        if (known == fits.cend()) {
            int bad = 0;
            Cp932Codec::encode(text.sliced(i, len), &bad);
            known = fits.insert(cp, bad == 0);
        }
        if (*known)
            out.append(text.sliced(i, len));
        else
            out += QStringLiteral("&#x") + QString::number(uint(cp), 16).toUpper() + QLatin1Char(';');
        i += len;
    }
    return out;
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

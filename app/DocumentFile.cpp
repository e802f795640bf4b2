#include "app/DocumentFile.h"

#include "platform/AtomicFile.h"
#include "platform/Cp932Codec.h"

DocumentFile::Loaded DocumentFile::prepare(const QByteArray &bytes, const QString &tabSpaces)
{
    Loaded result;
    Cp932Codec::Report report;
    const QString decoded = Cp932Codec::decode(bytes, &report);
    result.duplicates = report.duplicates;

    // One pass: line breaks to '\n', tabs to spaces; the common file needs no copy.
    const qsizetype n = decoded.size();
    const QChar *src = decoded.constData();
    bool needsWork = false;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i].unicode();
        if (c == u'\r' || c == u'\t') {
            needsWork = true;
            break;
        }
    }
    if (!needsWork) {
        result.text = decoded;
        return result;
    }
    QString out;
    out.reserve(n + n / 16);
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = src[i].unicode();
        if (c != u'\r' && c != u'\t')
            continue;
        out.append(src + runStart, i - runStart);
        if (c == u'\t') {
            out.append(tabSpaces);
        } else {
            out.append(QLatin1Char('\n'));
            if (i + 1 < n && src[i + 1].unicode() == u'\n')
                ++i;
        }
        runStart = i + 1;
    }
    out.append(src + runStart, n - runStart);
    result.text = out;
    return result;
}

QByteArray DocumentFile::serialize(QStringView text, int *unencodable)
{
    return Cp932Codec::encode(text, unencodable, Cp932Codec::LineBreaks::CrLf);
}

bool DocumentFile::load(const QString &path, const QString &tabSpaces, Loaded &loaded, QString *error)
{
    QByteArray bytes;
    if (!AtomicFile::readAll(path, bytes, error))
        return false;
    loaded = prepare(bytes, tabSpaces);
    return true;
}

bool DocumentFile::save(const QString &path, const QByteArray &bytes, QString *error)
{
    return AtomicFile::write(path, bytes, error);
}

#include "platform/InstanceMessage.h"

#include <QStringDecoder>

namespace {
constexpr char Header[] = "tagwell-open/1\n";
constexpr qsizetype HeaderSize = sizeof(Header) - 1;
// The longest length field a valid message can have: "65535".
constexpr int MaxDigits = 5;

bool validPath(const QByteArray &utf8)
{
    return !utf8.isEmpty() && utf8.size() <= InstanceMessage::MaxPathBytes && !utf8.contains('\0');
}
} // namespace

bool InstanceMessage::canEncode(const QStringList &files)
{
    if (files.size() > MaxFiles)
        return false;
    qsizetype total = HeaderSize + 1;
    for (const QString &file : files) {
        const QByteArray utf8 = file.toUtf8();
        // A lone surrogate would not come back as itself.
        if (!validPath(utf8) || QString::fromUtf8(utf8) != file)
            return false;
        total += MaxDigits + 2 + utf8.size();
    }
    return total <= MaxBytes;
}

QByteArray InstanceMessage::encode(const QStringList &files)
{
    QByteArray out(Header, HeaderSize);
    for (const QString &file : files) {
        const QByteArray utf8 = file.toUtf8();
        out += QByteArray::number(utf8.size()) + ':' + utf8 + '\n';
    }
    out += '\n';
    return out;
}

InstanceMessage::Decoded InstanceMessage::decode(const QByteArray &bytes)
{
    const auto invalid = [] { return Decoded{Status::Invalid, {}, 0}; };
    const auto incomplete = [] { return Decoded{Status::Incomplete, {}, 0}; };
    const qsizetype headerSeen = std::min(bytes.size(), HeaderSize);
    if (bytes.left(headerSeen) != QByteArray(Header, headerSeen))
        return invalid();
    if (bytes.size() < HeaderSize)
        return incomplete();

    QStringList files;
    qsizetype at = HeaderSize;
    while (true) {
        if (at >= bytes.size())
            return incomplete();
        if (bytes.at(at) == '\n')
            return {Status::Complete, files, at + 1};
        if (files.size() == MaxFiles)
            return invalid();
        // The length: decimal, no leading zero, not zero.
        qsizetype digitsEnd = at;
        while (digitsEnd < bytes.size() && digitsEnd - at <= MaxDigits && bytes.at(digitsEnd) >= '0' &&
               bytes.at(digitsEnd) <= '9')
            ++digitsEnd;
        const qsizetype digits = digitsEnd - at;
        if (digits > MaxDigits || bytes.at(at) == '0' || (digitsEnd < bytes.size() && (digits == 0 || bytes.at(digitsEnd) != ':')))
            return invalid();
        if (digitsEnd >= bytes.size())
            return incomplete();
        const qsizetype length = bytes.mid(at, digits).toLongLong();
        if (length > MaxPathBytes)
            return invalid();
        const qsizetype pathAt = digitsEnd + 1;
        if (bytes.size() - pathAt < length + 1)
            return incomplete();
        if (bytes.at(pathAt + length) != '\n')
            return invalid();
        const QByteArray utf8 = bytes.mid(pathAt, length);
        if (!validPath(utf8))
            return invalid();
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString path = decoder.decode(utf8);
        if (decoder.hasError() || path.toUtf8() != utf8)
            return invalid();
        files << path;
        at = pathAt + length + 1;
    }
}

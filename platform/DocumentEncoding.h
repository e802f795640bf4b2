#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The encodings a document is read and written in: Shift-JIS (CP932, the program's own) and
// UTF-8, with or without a byte order mark, and its line breaks. Detection and the UTF-8
// codec here; CP932 is Cp932Codec's.
class DocumentEncoding
{
public:
    enum class Encoding { ShiftJis = 0, Utf8 = 1, Utf8Bom = 2 };
    enum class LineBreak { CrLf = 0, Lf = 1 };
    struct Format
    {
        Encoding encoding = Encoding::ShiftJis;
        LineBreak lineBreak = LineBreak::CrLf;
        bool operator==(const Format &) const = default;
    };

    // A byte order mark: UTF-8 with BOM. Otherwise bytes that are all valid UTF-8 (a
    // character cut off at the very end allowed) with at least one multi-byte character:
    // UTF-8. Otherwise ASCII whose first 1,024 bytes declare charset=utf-8 in a META: UTF-8.
    // Everything else is Shift-JIS.
    static Encoding detect(QByteArrayView bytes);
    // detect() and, for UTF-8, decodeUtf8() of the bytes after any BOM, in as few passes as
    // the file allows: a page that is UTF-8 is read once by Qt's decoder and checked in its
    // result; a Shift-JIS page with Japanese text in its first 64 KB is turned away there.
    // text is set for UTF-8 only.
    static Encoding detectAndDecode(QByteArrayView bytes, QString &text);
    // The file's first line break: LF alone gives Lf; CR LF, a lone CR or none gives CrLf.
    static LineBreak firstLineBreak(QByteArrayView bytes);

    // UTF-8 that never loses a byte: each byte of an invalid or cut-off sequence becomes the
    // raw-byte character U+F700 + byte, as Cp932Codec keeps its stray bytes. So that every
    // such character means its byte, a character that is itself U+F780-U+F7FF, or U+2029
    // (which the editing box would take for a line break), is kept as its bytes too.
    static QString decodeUtf8(QByteArrayView bytes);
    // The editor's text as UTF-8: '\n' and the box's U+2029 as the line break given, raw-byte
    // characters as their bytes. A lone surrogate cannot be written: it becomes '?' and
    // unencodable (when given) counts it.
    static QByteArray encodeUtf8(QStringView text, LineBreak lineBreak, int *unencodable = nullptr);

    // The status bar's words: "Shift_JIS", "UTF-8", "UTF-8 (BOM)"; "CRLF", "LF".
    static QString encodingName(Encoding encoding);
    static QString lineBreakName(LineBreak lineBreak);

    static constexpr char Bom[] = "\xEF\xBB\xBF";
};

#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// Microsoft's Shift-JIS (code page 932), the encoding of every document and data file.
// Decoding never loses a byte: a byte that is not valid CP932 becomes the private-use
// character U+F700 + byte (U+F780-U+F7FF), which encodes back to that byte, so a file read
// and written unchanged keeps exactly its bytes. CP932's own user-defined area
// (0xF040-0xF9FC, U+E000-U+E757) is ordinary characters and does not overlap that range.
class Cp932Codec
{
public:
    struct Report
    {
        // A character was written with one of CP932's alternative codes (e.g. NEC-selected
        // IBM extensions) that encoding will replace by the standard code. Not set for an
        // alternative code right after a stray lead byte that encoding keeps (see encode).
        bool duplicates = false;
        // Some bytes were not CP932 and are kept as raw-byte characters.
        bool invalidBytes = false;
    };

    // First and last raw-byte character; U+F700 + b stands for byte b.
    static constexpr char16_t RawByteFirst = 0xF780;
    static constexpr char16_t RawByteLast = 0xF7FF;

    // Never fails: every byte sequence decodes. A lead byte that does not start a character
    // with the byte after it is kept as a raw byte, and that next byte is decoded on its own.
    // report (when given) describes this call alone.
    static QString decode(QByteArrayView bytes, Report *report = nullptr);
    // Characters CP932 cannot hold become '?'; unencodable (when given) counts them.
    // A character outside the Basic Multilingual Plane counts as one.
    // After a raw-byte character that is a lead byte, a character whose standard code would
    // pair with that byte is written in an alternative code that does not, if it has one, so
    // that decode(encode(decode(bytes))) == decode(bytes) for all bytes. Text that decoding
    // cannot produce (a raw lead byte typed before "A", say) may still read back differently:
    // the raw byte means that byte and nothing else, so there is no other way to write it.
    // With LineBreaks::CrLf every line break of the editor's text ('\n', and U+2028 and
    // U+2029 as a text widget stores them) is written as CR LF in the same pass.
    enum class LineBreaks { Keep, CrLf };
    static QByteArray encode(QStringView text, int *unencodable = nullptr, LineBreaks breaks = LineBreaks::Keep);
    // True for 0x81-0x9F and 0xE0-0xFC, the bytes that begin a double-byte character.
    static constexpr bool isLeadByte(unsigned char b)
    {
        return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    }
};

#pragma once

#include "platform/DocumentEncoding.h"

#include <QByteArray>
#include <QString>

// A document's file as the editor holds it: its bytes decoded, every CR LF, lone CR and lone
// LF as one '\n'. A Shift-JIS file has each tab character replaced by the tab spaces and is
// written back with CR LF between the lines and nothing after the last one. A UTF-8 file
// keeps its tabs, its byte order mark and the kind of its first line break.
class DocumentFile
{
public:
    using Format = DocumentEncoding::Format;
    struct Loaded
    {
        QString text;
        bool duplicates = false; // characters that saving writes in their standard form
        Format format;
    };
    // How a file's encoding is chosen: detected, or as the user says (a byte order mark still
    // makes UTF-8 "UTF-8 (BOM)").
    enum class Reading { Detect, AsShiftJis, AsUtf8 };
    static Loaded prepare(const QByteArray &bytes, const QString &tabSpaces, Reading reading = Reading::Detect);
    // The bytes of a file in the format: Shift-JIS or UTF-8, every line break (also U+2028/U+2029
    // of the raw text of a text widget in Shift-JIS, U+2029 in UTF-8) as the format's.
    static QByteArray serialize(QStringView text, Format format = {}, int *unencodable = nullptr);
    // The text with every character Shift-JIS cannot hold written as a numeric character
    // reference ("&#x1F600;"), which browsers show as the character.
    static QString withCharacterReferences(QStringView text);

    // Reads and prepares a file; false with a reason for the user when it cannot be read.
    static bool load(const QString &path, const QString &tabSpaces, Reading reading, Loaded &loaded, QString *error);
    // Writes the text atomically; false with a reason, the old file untouched.
    static bool save(const QString &path, const QByteArray &bytes, QString *error);
};

#pragma once

#include <QByteArray>
#include <QString>

// A document's file as the editor holds it: CP932 bytes decoded, every CR LF, lone CR
// and lone LF as one '\n', each tab character replaced by the tab spaces. Saving writes
// the lines back with CR LF between them and nothing after the last one.
class DocumentFile
{
public:
    struct Loaded
    {
        QString text;
        bool duplicates = false; // characters that saving writes in their standard form
    };
    static Loaded prepare(const QByteArray &bytes, const QString &tabSpaces);
    // The bytes of a file: CP932, every line break (also U+2028/U+2029 of the raw text of
    // a text widget) as CR LF.
    static QByteArray serialize(QStringView text, int *unencodable = nullptr);

    // Reads and prepares a file; false with a reason for the user when it cannot be read.
    static bool load(const QString &path, const QString &tabSpaces, Loaded &loaded, QString *error);
    // Writes the text atomically; false with a reason, the old file untouched.
    static bool save(const QString &path, const QByteArray &bytes, QString *error);
};

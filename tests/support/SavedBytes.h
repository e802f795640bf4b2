#pragma once

#include <QByteArray>

// What saving a document should write, worked out on the file's bytes alone: every CR LF,
// lone CR and lone LF as CR LF, every tab as the tab spaces. CR, LF and the tab are never
// part of a double-byte CP932 character, so each can be found without decoding.
// Header only: the fuzz targets use it without the test support library.
struct SavedBytes
{
    static QByteArray expected(const QByteArray &bytes, const QByteArray &tabSpaces)
    {
        QByteArray out;
        out.reserve(bytes.size() + bytes.size() / 8);
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char b = bytes[i];
            if (b == '\r') {
                out += "\r\n";
                if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                    ++i;
            } else if (b == '\n') {
                out += "\r\n";
            } else if (b == '\t') {
                out += tabSpaces;
            } else {
                out += b;
            }
        }
        return out;
    }
};

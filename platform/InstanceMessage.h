#pragma once

#include <QByteArray>
#include <QStringList>

// What a second start of the program tells the running one over the local socket: the
// files to open (absolute paths; none just brings the window to the front).
//   "tagwell-open/1\n", then per file its length in bytes in decimal, ":", the path in
//   UTF-8 and "\n", then an empty line.
// Anything may connect to the socket, so decoding trusts nothing: a message is taken
// whole and canonical or not at all.
class InstanceMessage
{
public:
    static constexpr int MaxFiles = 4096;
    static constexpr int MaxPathBytes = 65535;
    // More than a complete message of the limits above can hold is never waited for.
    static constexpr qsizetype MaxBytes = 1 << 20;

    enum class Status { Incomplete, Complete, Invalid };
    struct Decoded
    {
        Status status = Status::Incomplete;
        QStringList files;   // Complete only
        qsizetype length = 0; // Complete only: the bytes the message took
    };

    // files as canEncode accepts them.
    static QByteArray encode(const QStringList &files);
    // Reads one message from the front of bytes, which may still be arriving.
    static Decoded decode(const QByteArray &bytes);
    // Whether encode can carry files (each non-empty, without NUL, within the limits).
    static bool canEncode(const QStringList &files);
};

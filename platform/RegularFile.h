#pragma once

#include <QByteArray>
#include <QString>

class QFile;

// Every reader of a user's file opens it here. Only a regular file (links followed) is
// opened: a named pipe would block the program until something writes to it, and a
// device such as /dev/zero would fill the memory.
class RegularFile
{
public:
    // The reason given for a pipe, a device or a socket.
    static QString notRegularReason();

    // Checks path, then opens it for reading; false with a reason for the user when it
    // is missing, unreadable or not a regular file.
    static bool open(QFile &file, const QString &path, QString *error = nullptr);
    // The whole file, read through open().
    static bool readAll(const QString &path, QByteArray &data, QString *error = nullptr);
};

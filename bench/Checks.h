#pragma once

#include <QByteArray>
#include <QString>

class QWidget;

// A wrong result stops the benchmark (it throws); a figure of wrong work means nothing.
void check(bool ok, const QString &what);
// Lets the window take its pending events and paint, as a user would see it.
void settle(QWidget *w);
// Writes a file's pending pages out, untimed, so that no run pays for another's writes.
void flushToDisk(const QString &path);
// Writes a file the benchmark reads back; a failed write stops it.
void writeChecked(const QString &path, const QByteArray &bytes);

#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <QStringList>

// Peak resident memory of a document held open: the benchmark runs itself again as a
// child process, which opens the file either in the real main window or in a bare
// QPlainTextEdit, paints it once and reports its VmHWM.
class MemoryProbe
{
public:
    static inline const QString ChildFlag = QStringLiteral("--memory-child");

    // How the bare box is made to look like the editing box.
    struct Shape
    {
        QSize size;
        QFont font;
        bool wrap = false;
        int tabWidth = 2;
    };

    // Parent side: one child run, its peak in MiB. Throws std::runtime_error when the child fails.
    static double measure(bool ours, const QString &file, const Shape &shape);
    // Parent side: the file opened, then keyword searched (with case) and its rows shown:
    // the MiB the process's peak rose above what it held with the page open. The child
    // checks it listed `rows` rows. Throws std::runtime_error when the child fails.
    static double measureSearch(bool ours, const QString &file, const QString &keyword, int rows);
    // Child side: arguments after the flag; returns the process's exit code.
    static int runChild(const QStringList &arguments);
    // This process's peak resident set (VmHWM) in KiB; -1 when unknown.
    static qint64 peakKiB();
    // This process's resident set now (VmRSS) in KiB; -1 when unknown.
    static qint64 residentKiB();
};

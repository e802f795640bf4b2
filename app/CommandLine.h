#pragma once

#include <QString>
#include <QStringList>

// The program's arguments: "--version" and "--help" print and end the run before any
// window (or display) is needed; every other argument is a file to open. "--" ends the
// options, so a file named "--help" can still be opened.
class CommandLine
{
public:
    enum class Action { Run, PrintVersion, PrintHelp };
    struct Parsed
    {
        Action action = Action::Run;
        QStringList files;
    };

    // arguments without the program's own name.
    static Parsed parse(const QStringList &arguments);
    static QString versionText();
    static QString helpText();
};

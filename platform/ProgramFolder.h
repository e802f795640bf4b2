#pragma once

#include <QString>

// The folder every companion file is found in: the executable's folder, or the
// folder named by TAGWELL_PROGRAM_DIR when that is set. Always ends in "/".
class ProgramFolder
{
public:
    static QString path();
    // Joins a path literal of the program ("Temp/Title.lst") to the program folder.
    static QString file(const QString &relative);
};

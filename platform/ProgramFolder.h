#pragma once

#include <QString>

// The folder every companion file is found in and settings and user data are kept in.
//  - TAGWELL_PROGRAM_DIR, when set, names it.
//  - A copy run from its build folder or an unpacked folder uses the executable's folder.
//  - An installed copy (the executable in <prefix>/bin beside <prefix>/share/tagwell/, which
//    it may not write) uses a folder of the user's own under the XDG data home,
//    ~/.local/share/tagwell/ by default, seeded from share/tagwell/ (see UserFolderSeed).
// Folders always end in "/".
class ProgramFolder
{
public:
    enum class Kind { Named, InPlace, Installed };
    struct Location
    {
        Kind kind = Kind::InPlace;
        QString folder;
        // Installed only: the read-only companion files to seed the folder from.
        QString sharedFolder;
    };

    // The decision itself: named is TAGWELL_PROGRAM_DIR's value, executableFolder the
    // program's own folder, dataHome the user's XDG data home.
    static Location locate(const QString &named, const QString &executableFolder, const QString &dataHome);
    // locate() for this process and its environment.
    static Location current();

    static QString path();
    // Joins a path literal of the program ("Temp/Title.lst") to the program folder.
    static QString file(const QString &relative);
    // Where file dialogs start while no home folder is set: the program folder, or for an
    // installed copy the user's documents folder (else the home folder), since its program
    // folder holds settings, not pages.
    static QString dialogFolder();
    // The same for a given location, documents folder and home folder.
    static QString dialogFolder(const Location &location, const QString &documents, const QString &home);
};

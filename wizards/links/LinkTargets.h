#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// A local page or style sheet the document links to.
struct LinkTarget
{
    int line = 0;   // from 0
    QString target; // as written between the quotes
};

// The HREF targets of a document that name local .htm or .css files.
class LinkTargets
{
public:
    // Every HREF="..." on every line, in line order and then order on the line, that
    // counts(); a target without its closing quote on the line is not one.
    static QList<LinkTarget> scan(QStringView text);
    // No "://", and ".htm" or ".css" somewhere in it (an anchor does not stop it).
    static bool counts(QStringView target);
    // The target's full path, taken from folder (the document's own folder); a backslash
    // in the target separates folders as a slash does.
    static QString expand(const QString &folder, const QString &target);
    // The folder part of a document's name, with its trailing '/'; empty for a name
    // without one (an untitled page).
    static QString folderOf(const QString &documentName);
};

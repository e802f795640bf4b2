#pragma once

#include <QList>
#include <QString>

// One registered tag: the name shown, the opening tag as inserted, and the closing tag or
// NoFoot for a tag without one.
struct CustomTag
{
    QString name;
    QString head;
    QString foot;
    bool operator==(const CustomTag &) const = default;
};

// CustomTag.ini: [Tags] Count, then sections Tag1..TagCount with Name, Head and Foot.
// Read afresh at every use through the INI store, so files written elsewhere (any case,
// stale sections above Count, comments) read as the profile functions read them.
class CustomTagFile
{
public:
    static inline const QString NoFoot = QStringLiteral("No");
    static QString fileName() { return QStringLiteral("CustomTag.ini"); }

    explicit CustomTagFile(const QString &path) : path_(path) {}

    // Every entry 1..Count, names defaulting to nameDefault and feet to NoFoot. A damaged
    // Count reads no more entries than the file has sections.
    QList<CustomTag> readAll(const QString &nameDefault) const;
    // Entry number (from 1) read afresh; nameDefault as above.
    CustomTag read(int number, const QString &nameDefault = QString()) const;

    // Rewrites Count and sections Tag1..TagN in one atomic write; sections above the new
    // Count stay. On failure nothing is written and error says why, with the file's name.
    bool writeAll(const QList<CustomTag> &tags, QString *error) const;

    // A name, head or foot with a line break would split into lines of the file.
    static bool fieldAcceptable(const QString &text);

private:
    QString path_;
};

#pragma once

#include <QString>
#include <QStringList>

struct EditContext;

// What the input box inserts in each of its modes, and the marks a page defines.
// Tags are built in upper case; the insertion primitives decide their case.
class LinkMarkup
{
public:
    // The input box's mode numbers, as the commands that open it set them.
    enum Mode : int {
        Comment = 0,
        HomePage = 5,
        Mail = 6,
        Ftp = 7,
        Mark = 8,
        JumpMark = 9,       // to a mark in this document
        JumpFile = 10,      // to a mark in another open document
        FileLink = 11,
        FrameSource = 12,
        BackgroundImage = 13, // style sheet declaration
        FontFamily = 14,      // style sheet declaration
    };
    static bool isMode(int mode);

    enum class Operation {
        TagPair,         // head and foot around the selection
        TagPairWithText, // head, text and foot; the text keeps its case
        TagText,         // head is the whole text, inserted without a case change
    };
    struct Insertion
    {
        Operation operation = Operation::TagText;
        QString head;
        QString text;
        QString foot;
        bool operator==(const Insertion &) const = default;
    };

    // The markup for the input as typed (nothing trimmed or escaped). styleCase
    // decides the property names of the two style sheet modes (0 lower, 1 upper).
    static Insertion forMode(int mode, const QString &input, int styleCase);
    // Inserts through the primitive the insertion names.
    static void apply(const Insertion &insertion, const EditContext &context);

    // The mark of every line that has one, in line order: the first "<A NAME=\""
    // of the line in any case, and the name up to the next "\">" (empty without one).
    static QStringList marksIn(const QStringList &lines);
    // The font family names a style sheet can name, from the installed families in
    // their order: a "[foundry]" that tells like-named fonts apart is no part of the
    // name, so those fonts are listed once.
    static QStringList familyNames(const QStringList &installed);
    // How a mark of another document is linked to: its tab caption, "#" and the name.
    static QString markInDocument(const QString &tabCaption, const QString &mark);
};

#pragma once

#include <QString>
#include <QStringList>

#include <array>

// The markup of the frame wizard and of the frame tag options.
class FrameMarkup
{
public:
    enum Type { TypeA = 1, TypeB, TypeC, TypeD, TypeE };

    struct Row
    {
        QString source;
        QString target;
    };

    // Type A and B use rows 1 and 2, the others all three.
    static int rowsOf(int type) { return type >= TypeC ? 3 : 2; }
    // A source or target field counts when it is neither empty nor "(none)".
    static bool given(const QString &field);

    struct Result
    {
        QString text;        // the FRAMESET block, lines joined with "\n"
        int missingRow = -1; // 0-based row without a source; the text is empty then
    };
    static Result frameset(int type, const std::array<Row, 3> &rows, int tagCase);

    // The choices of a source list: every other open document but untitled ones, each as
    // the path the active document refers to it by.
    static QStringList sourceChoices(const QStringList &documentNames, int activeIndex, const QString &untitledName);

    enum Scrolling { ScrollNo = 0, ScrollYes = 1, ScrollAuto = 2 };
    struct Options
    {
        bool name = false;
        QString target;
        bool noResize = false;
        bool scroll = false;
        int scrolling = ScrollNo;
        bool marginWidth = false;
        int width = 10;
        bool marginHeight = false;
        int height = 10;
    };
    // The attributes of a FRAME tag, each with a leading space, names in the tag case; the
    // target keeps its case.
    static QString options(const Options &options, int tagCase);
};

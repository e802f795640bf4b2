#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The markup of the table wizard and of the table tag options.
class TableMarkup
{
public:
    enum Align { AlignNone = 0, AlignLeft = 1, AlignCenter = 2, AlignRight = 3 };

    struct Layout
    {
        int align = AlignNone;
        bool border = false; // without it BORDER="0" is still written
        int borderWidth = 0;
        bool padding = false;
        int paddingValue = 0;
        bool spacing = false;
        int spacingValue = 0;
        bool caption = false;
        QString captionText;
    };

    // The TABLE block, one tag per line: every row of cells (the heading row first) as a TR,
    // each cell a TD on its own line indented by tabSpaces. Tags, attributes and their values
    // follow the tag case; cell and caption texts keep theirs.
    static QStringList tableLines(const QList<QStringList> &rows, const Layout &layout, int tagCase,
                                  const QString &tabSpaces);
    // The lines joined with the editing box's line break.
    static QString table(const QList<QStringList> &rows, const Layout &layout, int tagCase, const QString &tabSpaces);

    enum HAlign { Left = 0, Center = 1, Right = 2 };
    enum VAlign { Top = 0, Middle = 1, Bottom = 2 };

    struct CellOptions
    {
        bool width = false;
        int widthValue = 100;
        bool widthPercent = true;
        bool height = false;
        int heightValue = 100;
        bool heightPercent = true;
        bool align = false;
        int alignValue = Left;
        bool valign = false;
        int valignValue = Top;
        bool rowspan = false;
        QString rowspanText = QStringLiteral("1");
        bool colspan = false;
        QString colspanText = QStringLiteral("1");
    };

    // WIDTH, HEIGHT, ALIGN, VALIGN, ROWSPAN, COLSPAN, each with a leading space, in upper
    // case: the insertion applies the tag case to the whole string.
    static QString cellOptions(const CellOptions &options);
};

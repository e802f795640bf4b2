#pragma once

#include <QString>

// The IMG tag the image dialog builds. Tag and attribute names follow the tag case;
// every value is written as the user typed it.
class ImageMarkup
{
public:
    struct Fields
    {
        QString alt;
        QString width = QStringLiteral("0");  // "0" leaves WIDTH out; any other text, empty too, is written
        QString height = QStringLiteral("0");
        bool hspace = false;
        int hspaceValue = 1;
        bool vspace = false;
        int vspaceValue = 1;
        bool border = false;
        int borderValue = 0;
    };

    // ALT, WIDTH, HEIGHT, HSPACE, VSPACE, BORDER, in that order, each with a leading space.
    static QString attributes(const Fields &fields, int tagCase);
    // <IMG SRC="source" ...attributes>
    static QString tag(const QString &source, const Fields &fields, int tagCase);
};

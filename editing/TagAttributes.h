#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The attributes of one start tag as written on one line. The scan stops at the
// tag's closing ">" (outside quotes) or at the end of the text, whichever comes
// first, and always moves forward, so any text is safe to give it.
class TagAttributes
{
public:
    struct Attribute
    {
        QString name;             // upper-cased (ASCII letters only)
        qsizetype nameStart = 0;  // index of the name's first character
        qsizetype valueStart = -1; // first character of the value, after an opening quote; -1 without "="
        qsizetype valueEnd = -1;   // just after the value's last character
        QChar quote;              // the opening quote, or null for an unquoted value
        bool closed = false;      // a quoted value has its closing quote on the line
    };

    // from: the index just after the tag name ("<BODY").
    static QList<Attribute> parse(QStringView text, qsizetype from);
    // The first attribute of that (upper-case) name, or null.
    static const Attribute *find(const QList<Attribute> &attributes, QStringView upperName);
};

#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// One comment or link tag of the document for the jump list.
struct JumpRow
{
    int line = 0;   // from 0
    int column = 0; // of the start marker in the line
    QString text;   // from the start marker through its end marker, or to the line end
};

// The comments or link tags of a document, line by line.
class JumpScan
{
public:
    enum Mode { Comments = 0, Links = 1 };
    static constexpr int RowTextLimit = 200;

    // Start markers match blind to the case of single-byte letters, end markers exactly.
    // A tag left open on its line runs to the line's end.
    static QList<JumpRow> scan(QStringView text, int mode);
    static QString startMarker(int mode);
    static QString endMarker(int mode);
};

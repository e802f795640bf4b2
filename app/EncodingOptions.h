#pragma once

#include <QObject>

class CommandHost;

// The Options menu's choices about documents' encodings: whether files are read with
// detection, and the encoding and line break of new documents. Each is written to TW.ini at
// once; the file commands read them afresh at every open and new document.
class EncodingOptions : public QObject
{
    Q_OBJECT
public:
    explicit EncodingOptions(CommandHost &host);

private:
    void toggleDetection();
    void setNewEncoding(int value);
    void setNewLineBreak(int value);
    // The check marks as TW.ini has them.
    void refreshChecks();

    CommandHost &host_;
};

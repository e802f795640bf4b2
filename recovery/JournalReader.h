#pragma once

#include "recovery/JournalRecord.h"

#include <QByteArrayView>
#include <QString>

// Reads a recovery journal back into the text it describes. Any bytes are safe: a journal cut
// off gives its whole records, a damaged record stops the reading there.
class JournalReader
{
public:
    enum class Status {
        Ok,       // a description and a text were read (maybe not every change: see damaged)
        Unusable, // not a journal, or cut off before its text
        Newer,    // written by a later version of the program
    };
    struct Result
    {
        Status status = Status::Unusable;
        JournalRecord::Meta meta;
        QString text;          // raw, as the box holds it (U+2029 between lines)
        int changes = 0;       // change records applied
        qint64 lastChange = 0; // ms since the epoch, of the text or the last change applied
        bool cutOff = false;   // bytes after the last whole record (a write that never ended)
        bool damaged = false;  // a whole record failed its check or did not fit the text
        QString problem;       // why not Ok, or what was damaged, in words for the user
    };

    static Result read(QByteArrayView bytes);
};

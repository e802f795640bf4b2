#pragma once

#include "userdata/tagdictionary/TagDictionary.h"

#include <QString>
#include <QStringList>
#include <QStringView>

// What the completion offers for the text of the caret's line before the caret.
class TagCompletion
{
public:
    enum class Mode { None, TagName, Attribute };
    struct Request
    {
        Mode mode = Mode::None;
        QString key;         // the typed tag name start, or the tag whose attributes are offered
        int typedLength = 0; // characters of the chosen entry already typed
    };

    // The word after the last "<"; nothing when a ">" follows it. A word with a space is
    // cut after its first space and asks for the attributes of the tag before it.
    static Request request(QStringView prefix);
    // The entries to offer, in dictionary order; empty when there are none.
    static QStringList entries(const TagDictionary &dictionary, const Request &request);
    // The part of a chosen entry that is not typed yet.
    static QString remainder(const QString &entry, int typedLength) { return entry.mid(typedLength); }
};

#include "userdata/tagdictionary/TagCompletion.h"

#include "editing/AsciiCase.h"

TagCompletion::Request TagCompletion::request(QStringView prefix)
{
    Request r;
    QStringView word = prefix.mid(prefix.lastIndexOf(QLatin1Char('<')) + 1);
    if (word.contains(QLatin1Char('>')))
        return r;
    const qsizetype space = word.indexOf(QLatin1Char(' '));
    if (space >= 0) {
        r.mode = Mode::Attribute;
        r.key = AsciiCase::upper(word.left(space));
        r.typedLength = 0;
    } else {
        r.mode = Mode::TagName;
        r.key = AsciiCase::upper(word);
        r.typedLength = int(r.key.size());
    }
    return r;
}

QStringList TagCompletion::entries(const TagDictionary &dictionary, const Request &request)
{
    switch (request.mode) {
    case Mode::None: return {};
    case Mode::TagName: return dictionary.tagsStartingWith(request.key);
    case Mode::Attribute: return dictionary.attributesOf(request.key);
    }
    return {};
}

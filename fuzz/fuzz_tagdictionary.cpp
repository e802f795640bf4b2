// The tag dictionary file and the editor's operations. Control byte, then the file's bytes.
//   The lookups built at load time agree with walking the lines, for every key the file holds;
//   every line read as the text before the caret gives entries that fit its request;
//   Add, Delete and Update (chosen by the control bits, on names taken from the file) keep
//   their promises and never change the working copy when they report no change; a tag
//   added is a tag name (no blanks, "<", ">" or "/", not TAGS), and nothing Shift-JIS cannot
//   hold ever gets into the working copy.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "tests/support/TagDictionaryScan.h"
#include "userdata/tagdictionary/TagCompletion.h"
#include "userdata/tagdictionary/TagDictionary.h"
#include "userdata/tagdictionary/TagDictionaryEditor.h"

#include <QSet>
#include <QStringList>

namespace {
QStringList keysOf(const QStringList &lines)
{
    QSet<QString> keys{QString(), QStringLiteral("TAGS")};
    for (const QString &line : lines) {
        qsizetype p = line.indexOf(QLatin1Char('<'));
        while (p >= 0) {
            const qsizetype q = line.indexOf(QLatin1Char('>'), p + 1);
            if (q < 0)
                break;
            QString key = line.mid(p + 1, q - p - 1);
            keys << key;
            if (key.startsWith(QLatin1Char('/')))
                keys << key.mid(1);
            p = line.indexOf(QLatin1Char('<'), p + 1);
        }
        for (int n = 1; n <= 2 && n <= line.size(); ++n)
            keys << line.left(n);
        if (keys.size() > 200)
            break;
    }
    return keys.values();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t control = in.byte();
    const QByteArray bytes = in.rest();

    const QStringList lines = TagDictionary::linesOf(bytes);
    FUZZ_CHECK(TagDictionary::linesOf(TagDictionary::bytesOf(lines)) == lines);
    const TagDictionary dictionary(lines);
    const TagDictionaryEditor reader(lines);
    const QStringList keys = keysOf(lines);
    for (const QString &key : keys) {
        FUZZ_CHECK(dictionary.attributesOf(key) == TagDictionaryScan::completionBlock(lines, key).value_or(QStringList()));
        FUZZ_CHECK(dictionary.tagsStartingWith(key) == TagDictionaryScan::tagsStartingWith(lines, key));
        const qsizetype at = TagDictionaryScan::find(lines, key);
        FUZZ_CHECK(reader.find(key) == at);
        FUZZ_CHECK(reader.find(key, at + 1) == TagDictionaryScan::find(lines, key, at + 1));
    }

    int budget = 64;
    for (const QString &line : lines) {
        if (--budget < 0)
            break;
        const TagCompletion::Request r = TagCompletion::request(line);
        const QStringList entries = TagCompletion::entries(dictionary, r);
        if (r.mode == TagCompletion::Mode::None)
            FUZZ_CHECK(entries.isEmpty());
        if (r.mode == TagCompletion::Mode::TagName) {
            FUZZ_CHECK(r.typedLength == r.key.size());
            for (const QString &e : entries)
                FUZZ_CHECK(e.startsWith(r.key) && TagCompletion::remainder(e, r.typedLength) == e.mid(r.key.size()));
        }
    }

    TagDictionaryEditor editor(lines);
    for (const auto &n : editor.notices())
        FUZZ_CHECK(!n.text().isEmpty());
    QStringList names = keys.mid(0, 8);
    names << editor.names().mid(0, 4);
    for (int i = 0; i < names.size(); ++i) {
        const QString &name = names.at(i);
        const QStringList before = editor.lines();
        const QStringList listed = editor.names();
        switch ((control >> (2 * (i % 4))) & 3) {
        case 0:
        case 3: {
            if (i % 4 == 3) {
                FUZZ_CHECK(!editor.add(name + QChar(0x00E9)));
                FUZZ_CHECK(editor.lines() == before && editor.names() == listed);
            }
            const bool added = editor.add(name);
            if (!added) {
                FUZZ_CHECK(editor.lines() == before && editor.names() == listed);
            } else {
                QString upper;
                for (const QString &n : editor.names()) {
                    if (!listed.contains(n))
                        upper = n;
                }
                FUZZ_CHECK(!upper.isEmpty());
                FUZZ_CHECK(upper != QStringLiteral("TAGS") && !upper.contains(QLatin1Char('<'))
                           && !upper.contains(QLatin1Char('>')) && !upper.contains(QLatin1Char('/')));
                for (QChar c : upper)
                    FUZZ_CHECK(c.unicode() > 32 && !c.isSpace());
                FUZZ_CHECK(editor.names().size() == listed.size() + 1);
                FUZZ_CHECK(editor.lines().size() >= 5 && editor.lines().first() == QStringLiteral("<TAGS>"));
                FUZZ_CHECK(editor.lines().constLast().startsWith(QStringLiteral("</")));
            }
            break;
        }
        case 1: {
            const bool removed = editor.remove(name);
            if (!removed)
                FUZZ_CHECK(editor.lines() == before && editor.names() == listed);
            else
                FUZZ_CHECK(editor.names().size() == listed.size() - (listed.contains(name) ? 1 : 0));
            break;
        }
        case 2: {
            QString text = lines.mid(i, 3).join(QLatin1Char('\n'));
            if (i % 2)
                text += QChar(0x00E9);
            const std::optional<QStringList> options = editor.update(name, text);
            if (!options)
                FUZZ_CHECK(editor.lines() == before);
            for (const QString &o : options.value_or(QStringList()))
                FUZZ_CHECK(!o.isEmpty() && o == TagDictionaryEditor::trimmed(o));
            break;
        }
        }
        for (const auto &n : editor.notices())
            FUZZ_CHECK(!n.text().isEmpty());
        for (const QString &line : editor.lines())
            FUZZ_CHECK(TagDictionaryEditor::unencodable(line).isEmpty());
    }
    return 0;
}

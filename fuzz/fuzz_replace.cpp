// Replacing in a document and the undo history of many steps. Control byte, the text to
// find, the replacement, then the document as CP932 bytes (CR LF read as the box holds it).
//   bit 0: case distinction.
// Replace All is checked against a plain model of its rule and must undo to the document
// exactly; every change it and a few edits make must undo and redo through the history.
#include "FuzzCheck.h"
#include "FuzzInput.h"

#include "editing/AsciiCase.h"
#include "editing/EditContext.h"
#include "editing/StringEditBox.h"
#include "editing/UndoHistory.h"
#include "editing/UndoSnapshot.h"
#include "platform/Cp932Codec.h"
#include "userdata/search/DocumentReplace.h"
#include "userdata/search/TextReplace.h"

#include <QString>

namespace {
// Occurrences, each after the end of the one before, never inside a surrogate pair.
QList<qsizetype> model(const QString &text, const QString &key, bool caseSensitive)
{
    QList<qsizetype> at;
    if (key.isEmpty())
        return at;
    for (qsizetype p = 0; p + key.size() <= text.size();) {
        const QStringView here = QStringView(text).mid(p, key.size());
        const bool same = caseSensitive ? here == key : AsciiCase::indexOf(here, key) == 0;
        const bool inside = p > 0 && text[p].isLowSurrogate() && text[p - 1].isHighSurrogate();
        if (same && !inside) {
            at << p;
            p += key.size();
        } else {
            ++p;
        }
    }
    return at;
}

struct Document
{
    QString text;
    UndoHistory history;
    void change(int at, int removed, const QString &added, UndoHistory::Kind kind)
    {
        const QString before = text;
        text.replace(at, removed, added);
        history.record(before, at, removed, added, kind);
    }
    UndoHistory::Apply apply()
    {
        return [this](int at, int length, const QString &put) {
            FUZZ_CHECK(at >= 0 && length >= 0 && at + length <= text.size());
            const QString was = text.mid(at, length);
            text.replace(at, length, put);
            return was;
        };
    }
};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzInput in(data, size);
    const uint8_t control = in.byte();
    const bool caseSensitive = control & 1;
    const QString key = Cp932Codec::decode(in.chunk(8));
    QString replacement = Cp932Codec::decode(in.chunk(8));
    replacement.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QString text = Cp932Codec::decode(in.rest());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));

    const QList<qsizetype> expected = model(text, key, caseSensitive);
    FUZZ_CHECK(TextReplace::count(text, key, caseSensitive) == expected.size());
    qsizetype caret = text.size() / 2;
    const TextReplace::Result r = TextReplace::replaceAll(text, key, replacement, caseSensitive, &caret);
    FUZZ_CHECK(r.count == expected.size());
    FUZZ_CHECK(r.text.size() == text.size() + r.count * (replacement.size() - key.size()));
    FUZZ_CHECK(caret >= 0 && caret <= r.text.size());
    for (qsizetype i = expected.size() - 1; i >= 0; --i)
        FUZZ_CHECK(TextReplace::matchesAt(text, key, expected[i], caseSensitive));
    if (!expected.isEmpty()) {
        FUZZ_CHECK(TextReplace::findNext(text, key, 0, text.size(), caseSensitive) == expected.first());
        FUZZ_CHECK(TextReplace::findPrevious(text, key, 0, text.size(), caseSensitive) >= expected.last());
    }

    // In a box: one change behind the snapshot, which gives the document back whole.
    StringEditBox box(text);
    UndoSnapshot snapshot;
    EditContext context{box, snapshot};
    DocumentReplace::Scope whole;
    const int replaced = DocumentReplace::replaceAll(context, {key, replacement, caseSensitive}, whole);
    FUZZ_CHECK(replaced == r.count);
    FUZZ_CHECK(box.text() == (replaced > 0 ? r.text : text));
    if (replaced > 0) {
        snapshot.undo(box);
        FUZZ_CHECK(box.text() == text);
    }

    // The same replacement as a command step, then typing at the caret and a deletion, all
    // undone and redone through the history.
    Document d;
    d.text = text;
    d.history.beginGroup(0);
    for (qsizetype i = expected.size() - 1; i >= 0; --i)
        d.change(int(expected[i]), int(key.size()), replacement, UndoHistory::Kind::Command);
    d.history.endGroup();
    FUZZ_CHECK(d.text == r.text);
    const int at = int(caret);
    d.change(at, 0, key, UndoHistory::Kind::Typing);
    d.change(at + int(key.size()), 0, replacement, UndoHistory::Kind::Typing);
    if (d.text.size() > 0)
        d.change(0, 1, QString(), UndoHistory::Kind::Typing);
    const QString last = d.text;
    while (d.history.undo(d.apply()) >= 0) {
    }
    FUZZ_CHECK(d.text == text);
    while (d.history.redo(d.apply()) >= 0) {
    }
    FUZZ_CHECK(d.text == last);
    return 0;
}

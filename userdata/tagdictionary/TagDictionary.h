#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The tag dictionary as completion reads it: the lines of Template.tag and the lookups
// built once from them, so that a key press never scans the whole file.
// Blocks are found the way the file has always been read: the first line that contains
// "<" + KEY + ">" opens the block, the next line after it that contains "</" + KEY + ">"
// closes it, and a block without its closing line runs to the end.
class TagDictionary
{
public:
    // Content lines [first, end) of a block.
    struct Range
    {
        qsizetype first = 0;
        qsizetype end = 0;
        bool operator==(const Range &) const = default;
    };

    TagDictionary() = default;
    explicit TagDictionary(QStringList lines);

    const QStringList &lines() const { return lines_; }
    bool isEmpty() const { return lines_.isEmpty(); }

    // The lines of the tag list block that begin with word (case-sensitive), in file order;
    // an empty word matches nothing.
    QStringList tagsStartingWith(QStringView word) const;
    // The content lines of the attribute block of name.
    QStringList attributesOf(QStringView name) const;
    // The block of key ("TAGS" or a tag name); none when no line opens it.
    std::optional<Range> block(QStringView key) const;

    // A file's lines: CP932 decoded, split at CR LF, lone CR and lone LF; a break at the
    // very end does not start another line.
    static QStringList linesOf(QByteArrayView bytes);
    // Every line followed by CR LF, in CP932.
    static QByteArray bytesOf(const QStringList &lines);
    // Reads a dictionary file; false with the reason when it cannot be read.
    static bool load(const QString &path, QStringList &lines, QString *error = nullptr);

private:
    // First line at or after from whose text contains "<" + key + ">"; -1 if none.
    qsizetype firstMarker(QStringView key, qsizetype from) const;

    QStringList lines_;
    // Every "<text>" in a line, by its text (no '<' or '>' inside): the lines holding it, ascending.
    QHash<QString, QList<qsizetype>> markers_;
    std::optional<Range> tags_;
    // The tag list block's line numbers, ordered by their text, for prefix lookups.
    QList<qsizetype> tagOrder_;
};

#pragma once

#include "editing/AsciiCase.h"

#include <QString>
#include <QStringList>

#include <optional>

// The dictionary's blocks found by walking the lines, exactly as the rules read: what the
// lookups built at load time must always agree with.
// Header only: the fuzz targets use it without the test support library.
struct TagDictionaryScan
{
    // Completion: the first line containing "<key>" opens, the next containing "</key>" closes,
    // else the block runs to the end. Gives the content lines, or nothing without an opening.
    static std::optional<QStringList> completionBlock(const QStringList &lines, const QString &key)
    {
        const QString open = QLatin1Char('<') + key + QLatin1Char('>');
        const QString close = QStringLiteral("</") + key + QLatin1Char('>');
        qsizetype i = 0;
        while (i < lines.size() && !lines.at(i).contains(open))
            ++i;
        if (i == lines.size())
            return std::nullopt;
        QStringList content;
        for (++i; i < lines.size() && !lines.at(i).contains(close); ++i)
            content.append(lines.at(i));
        return content;
    }

    static QStringList tagsStartingWith(const QStringList &lines, const QString &word)
    {
        QStringList found;
        if (word.isEmpty())
            return found;
        const std::optional<QStringList> tags = completionBlock(lines, QStringLiteral("TAGS"));
        if (!tags)
            return found;
        for (const QString &line : *tags) {
            if (line.startsWith(word))
                found.append(line);
        }
        return found;
    }

    // The editor: the first whole line equal to line without regard to ASCII case, at or after from.
    static qsizetype find(const QStringList &lines, const QString &line, qsizetype from = 0)
    {
        const QString wanted = AsciiCase::upper(line);
        for (qsizetype i = from; i < lines.size(); ++i) {
            if (AsciiCase::upper(lines.at(i)) == wanted)
                return i;
        }
        return -1;
    }
};

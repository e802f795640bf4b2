#pragma once

#include <QByteArray>
#include <QString>

// Synthetic CP932 HTML pages for the benchmark: Japanese and ASCII text, tags, tab
// characters, CR LF line ends, ordinary lines and a few very long ones. The body is a
// row of sections of about 1 MiB each, every one a single DIV element, so that the
// scenarios find a 1 MB element to select at every size. The same size always gives
// the same bytes.
class DocumentGenerator
{
public:
    static constexpr qint64 MiB = 1024 * 1024;
    static constexpr qint64 SectionBytes = MiB - 4096;

    // About sizeMb MiB (never less); throws std::runtime_error when a word of the
    // built-in vocabulary has no CP932 code.
    static QByteArray generate(int sizeMb);

    // "<DIV CLASS=\"sectionN\">", numbered from 1; each section ends with SectionFoot.
    static QString sectionHead(int index);
    static inline const QString SectionFoot = QStringLiteral("</DIV>");
};

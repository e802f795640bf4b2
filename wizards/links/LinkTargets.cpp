#include "wizards/links/LinkTargets.h"

#include "editing/AsciiCase.h"

#include <QDir>

QList<LinkTarget> LinkTargets::scan(QStringView text)
{
    static const QString Href = QStringLiteral("HREF=\"");
    QList<LinkTarget> found;
    int line = 0;
    qsizetype lineStart = 0;
    while (lineStart <= text.size()) {
        qsizetype lineEnd = text.indexOf(QLatin1Char('\n'), lineStart);
        if (lineEnd < 0)
            lineEnd = text.size();
        const QStringView lineText = text.mid(lineStart, lineEnd - lineStart);
        qsizetype from = 0;
        for (;;) {
            const qsizetype p = AsciiCase::indexOf(lineText, Href, from);
            if (p < 0)
                break;
            from = p + Href.size();
            const qsizetype q = lineText.indexOf(QLatin1Char('"'), from);
            if (q < 0)
                break;
            const QStringView target = lineText.mid(from, q - from);
            if (counts(target))
                found.append(LinkTarget{line, target.toString()});
        }
        lineStart = lineEnd + 1;
        ++line;
    }
    return found;
}

bool LinkTargets::counts(QStringView target)
{
    return !target.contains(QLatin1String("://"))
           && (AsciiCase::contains(target, u".htm") || AsciiCase::contains(target, u".css"));
}

QString LinkTargets::expand(const QString &folder, const QString &target)
{
    // Pages made on another system write "sub\page.htm"; browsers read it as "sub/page.htm".
    QString path = target;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::cleanPath(QDir(folder).absoluteFilePath(path));
}

QString LinkTargets::folderOf(const QString &documentName)
{
    return documentName.left(documentName.lastIndexOf(QLatin1Char('/')) + 1);
}

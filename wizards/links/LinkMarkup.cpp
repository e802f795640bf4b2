#include "wizards/links/LinkMarkup.h"

#include "editing/AsciiCase.h"
#include "editing/TagInserter.h"

namespace {
const QString HrefHead = QStringLiteral("<A HREF=\"");
const QString LinkFoot = QStringLiteral("</A>");
const QString TagEnd = QStringLiteral("\">");
const QString NameTag = QStringLiteral("<A NAME=\"");
} // namespace

bool LinkMarkup::isMode(int mode)
{
    switch (mode) {
    case Comment:
    case HomePage:
    case Mail:
    case Ftp:
    case Mark:
    case JumpMark:
    case JumpFile:
    case FileLink:
    case FrameSource:
    case BackgroundImage:
    case FontFamily:
        return true;
    default:
        return false;
    }
}

LinkMarkup::Insertion LinkMarkup::forMode(int mode, const QString &input, int styleCase)
{
    using Op = Operation;
    switch (mode) {
    case Comment:
        return {Op::TagText, QStringLiteral("<!-- ") + input + QStringLiteral(" -->"), {}, {}};
    case HomePage:
    case Ftp:
    case JumpFile: // the input already names the file, "#" and the mark
    case FileLink:
        return {Op::TagPairWithText, HrefHead, input + TagEnd, LinkFoot};
    case Mail:
        return {Op::TagPairWithText, HrefHead, QStringLiteral("mailto:") + input + TagEnd, LinkFoot};
    case Mark:
        // The name is part of the head, so it follows the tag case too.
        return {Op::TagPair, NameTag + input + TagEnd, {}, LinkFoot};
    case JumpMark:
        return {Op::TagPairWithText, QStringLiteral("<A HREF=\"#"), input + TagEnd, LinkFoot};
    case FrameSource:
        return {Op::TagPairWithText, QStringLiteral("<FRAME SRC=\""), input, TagEnd};
    case BackgroundImage:
        return {Op::TagText,
                AsciiCase::forSetting(u"background-image:url(", styleCase) + input + QStringLiteral(");"), {}, {}};
    case FontFamily:
        return {Op::TagText,
                AsciiCase::forSetting(u"font-family:", styleCase) + QLatin1Char('"') + input + QStringLiteral("\";"),
                {}, {}};
    default:
        return {};
    }
}

void LinkMarkup::apply(const Insertion &insertion, const EditContext &context)
{
    TagInserter inserter(context);
    switch (insertion.operation) {
    case Operation::TagPair:
        inserter.InsertTagPair(insertion.head, insertion.foot);
        break;
    case Operation::TagPairWithText:
        inserter.InsertTagPairWithText(insertion.head, insertion.text, insertion.foot);
        break;
    case Operation::TagText:
        inserter.InsertTagText(insertion.head, true);
        break;
    }
}

QStringList LinkMarkup::marksIn(const QStringList &lines)
{
    QStringList marks;
    for (const QString &line : lines) {
        // Only ASCII letters change case, so positions in the copy are positions in the line.
        const qsizetype at = AsciiCase::upper(line).indexOf(NameTag);
        if (at < 0)
            continue;
        const QStringView rest = QStringView(line).mid(at + NameTag.size());
        const qsizetype end = rest.indexOf(TagEnd);
        marks << (end < 0 ? QString() : rest.left(end).toString());
    }
    return marks;
}

QStringList LinkMarkup::familyNames(const QStringList &installed)
{
    QStringList names;
    for (const QString &family : installed) {
        QString name = family;
        const qsizetype bracket = name.lastIndexOf(QStringLiteral(" ["));
        if (bracket > 0 && name.endsWith(QLatin1Char(']')))
            name.truncate(bracket);
        if (!names.contains(name))
            names << name;
    }
    return names;
}

QString LinkMarkup::markInDocument(const QString &tabCaption, const QString &mark)
{
    return tabCaption + QLatin1Char('#') + mark;
}

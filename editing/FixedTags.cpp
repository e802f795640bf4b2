#include "editing/FixedTags.h"

#include "editing/EditContext.h"
#include "editing/IEditBox.h"
#include "editing/TagInserter.h"

#include <QHash>

namespace {

using Kind = FixedTags::Kind;

FixedTags::Command cmd(const char *menu, const char *tool, const char *popup, Kind kind, const char *head,
                       const char *foot = "")
{
    return {QString::fromUtf8(menu), QString::fromUtf8(tool), QString::fromUtf8(popup), kind,
            QString::fromUtf8(head), QString::fromUtf8(foot)};
}

QList<FixedTags::Command> buildCommands()
{
    return {
        // Wrapping the selection.
        cmd("fBig", "fBigSpd", "PopFontBig", Kind::Pair, "<BIG>", "</BIG>"),
        cmd("fSmall", "fSmallSpd", "PopFontSmall", Kind::Pair, "<SMALL>", "</SMALL>"),
        cmd("fBold", "fBoldSpd", "PopFontBold", Kind::Pair, "<B>", "</B>"),
        cmd("fItalic", "fItalicSpd", "PopFontItalic", Kind::Pair, "<I>", "</I>"),
        cmd("fUnderline", "fUnderlineSpd", "PopFontUnderline", Kind::Pair, "<U>", "</U>"),
        cmd("fStrike", "fStrikeSpd", "PopFontStrike", Kind::Pair, "<S>", "</S>"),
        cmd("fSUP", "", "PopFontSUP", Kind::Pair, "<SUP>", "</SUP>"),
        cmd("fSUB", "", "PopFontSUB", Kind::Pair, "<SUB>", "</SUB>"),
        cmd("aCenter", "aCenteringSpd", "PopArngCenter", Kind::Pair, "<CENTER>", "</CENTER>"),
        cmd("aBlock", "aBlockSpd", "PopArngBlock", Kind::Pair, "<BLOCKQUOTE>", "</BLOCKQUOTE>"),
        cmd("dLeft", "aLeftSpd", "PopDivLeft", Kind::Pair, "<DIV ALIGN=\"LEFT\">", "</DIV>"),
        cmd("dCenter", "aCenterSpd", "PopDivCenter", Kind::Pair, "<DIV ALIGN=\"CENTER\">", "</DIV>"),
        cmd("dRight", "aRightSpd", "PopDivRight", Kind::Pair, "<DIV ALIGN=\"RIGHT\">", "</DIV>"),
        cmd("aPreformatted", "aPreSpd", "PopArngPreformatted", Kind::Pair, "<PRE>", "</PRE>"),
        cmd("lstUL", "ULSpd", "PoplstUL", Kind::Pair, "<UL>", "</UL>"),
        cmd("lstOL", "OLSpd", "PoplstOL", Kind::Pair, "<OL>", "</OL>"),
        cmd("lstDL", "DLSpd", "PoplstDL", Kind::Pair, "<DL>", "</DL>"),
        cmd("TblTR", "TrSpd", "PopTableTR", Kind::Pair, "<TR>", "</TR>"),
        cmd("tTD", "TdSpd", "PopTblTD", Kind::Pair, "<TD>", "</TD>"),
        cmd("tTH", "ThSpd", "PopTblTH", Kind::Pair, "<TH>", "</TH>"),
        cmd("TblTRD", "SpeedButton2", "N3", Kind::Pair, "<TR><TD>", "</TD></TR>"),
        cmd("TblTRH", "SpeedButton3", "T1", Kind::Pair, "<TR><TH>", "</TH></TR>"),
        // Single tags.
        cmd("imgHR", "imgHRspd", "PopimgHR", Kind::Single, "<HR>"),
        cmd("lstDT", "DTSpd", "PoplstDT", Kind::Single, "<DT>"),
        // Character entities.
        cmd("s1", "fLtSpd", "Pops5", Kind::Entity, "&lt;"),
        cmd("s2", "fGtSpd", "Pops6", Kind::Entity, "&gt;"),
        cmd("s3", "fDqSpd", "Pops7", Kind::Entity, "&quot;"),
        cmd("s4", "fAndSpd", "Pops8", Kind::Entity, "&amp;"),
        cmd("s9", "", "Pops9", Kind::Entity, "&nbsp;"),
        // Depending on the selection.
        cmd("aParagraph", "aPSpd", "PopArngParagraph", Kind::PairOrSingle, "<P>", "</P>"),
        cmd("aBR", "aBrSpd", "PopArngBR", Kind::LineEndTag, "<BR>"),
        cmd("lstLI", "LISpd", "PoplstLI", Kind::LineStartTag, "<LI>"),
        cmd("lstDD", "DDSpd", "PoplstDD", Kind::LineStartTag, "<DD>"),
        cmd("aComment", "", "PopArngComment", Kind::CommentMenu, "<!-- ", " -->"),
        cmd("", "CmntSpd", "", Kind::CommentButton, "<!-- ", " -->"),
    };
}

QHash<QString, int> buildIndex(const QList<FixedTags::Command> &commands)
{
    QHash<QString, int> index;
    for (int i = 0; i < commands.size(); ++i) {
        for (const QString &name : {commands[i].menuItem, commands[i].toolButton, commands[i].popupItem}) {
            if (!name.isEmpty())
                index.insert(name, i);
        }
    }
    return index;
}

const QHash<QString, int> &nameIndex()
{
    static const QHash<QString, int> index = buildIndex(FixedTags::commands());
    return index;
}

} // namespace

const QList<FixedTags::Command> &FixedTags::commands()
{
    static const QList<Command> list = buildCommands();
    return list;
}

const FixedTags::Command *FixedTags::find(QStringView componentName)
{
    const auto it = nameIndex().constFind(componentName.toString());
    return it == nameIndex().constEnd() ? nullptr : &commands().at(it.value());
}

QStringList FixedTags::names()
{
    QStringList list;
    for (const Command &c : commands()) {
        for (const QString &name : {c.menuItem, c.toolButton, c.popupItem}) {
            if (!name.isEmpty())
                list.append(name);
        }
    }
    return list;
}

const QStringList &FixedTags::dialogCommandNames()
{
    static const QStringList list = {
        QStringLiteral("FontWizard"), QStringLiteral("FontSpd"), QStringLiteral("PopFontWizard"),
        QStringLiteral("fSize"), QStringLiteral("fSizeSpd"), QStringLiteral("PopFontSize"),
        QStringLiteral("HtmlMarquee"), QStringLiteral("fMarqueeSpd"),
        QStringLiteral("aHeader"), QStringLiteral("aHeaderSpd"), QStringLiteral("PopArngHeader"),
        QStringLiteral("ListWizard"), QStringLiteral("ListSpd"), QStringLiteral("PopListWizard"),
        QStringLiteral("lstOpt"), QStringLiteral("LstOptSpd"), QStringLiteral("PoplstOpt"),
        QStringLiteral("TableWizard"), QStringLiteral("TableSpd"), QStringLiteral("PopTableWizard"),
        QStringLiteral("tTagOption"), QStringLiteral("TblOptSpd"), QStringLiteral("PopTblOpt"),
        QStringLiteral("lnkMark"), QStringLiteral("lnkJumpMark"), QStringLiteral("lnkJumpFile"),
        QStringLiteral("lnkFile"), QStringLiteral("lnkHP"), QStringLiteral("lnkMail"), QStringLiteral("lnkFTP"),
        QStringLiteral("lnkMarkSpd"), QStringLiteral("lnkJumpMarkSpd"), QStringLiteral("lnkJumpFileSpd"),
        QStringLiteral("lnkFileSpd"), QStringLiteral("lnkHPSpd"), QStringLiteral("lnkMailSpd"),
        QStringLiteral("lnkFTPspd"),
        QStringLiteral("PoplnkMark"), QStringLiteral("PoplnkJumpMark"), QStringLiteral("PoplnkJumpFile"),
        QStringLiteral("PoplnkFile"), QStringLiteral("PoplnkHP"), QStringLiteral("PoplnkMail"),
        QStringLiteral("PoplnkFTP"),
        QStringLiteral("imgPicture"), QStringLiteral("imgPictureSpd"), QStringLiteral("SpeedButton1"),
        QStringLiteral("PopimgPicture"),
        QStringLiteral("imgHRWizard"), QStringLiteral("imgHRWizardSpd"), QStringLiteral("PopimgHRWizard"),
        QStringLiteral("frmWizard"), QStringLiteral("frmSrc"), QStringLiteral("frmOption"),
        QStringLiteral("FrameSpd"), QStringLiteral("FrameSrcSpd"), QStringLiteral("FrmOptSpd"),
        QStringLiteral("PopfrmWizard"), QStringLiteral("PopfrmSrc"), QStringLiteral("PopfrmOpt"),
        QStringLiteral("HtmlBasic"), QStringLiteral("HtmlBasicSpd"), QStringLiteral("PopHtmlBasic"),
        QStringLiteral("ToolDate"), QStringLiteral("TimeSpd"), QStringLiteral("PopDate"),
        QStringLiteral("CustomTagSpd"), QStringLiteral("PopCustom"),
    };
    return list;
}

FixedTags::Outcome FixedTags::run(QStringView componentName, const EditContext &context)
{
    const Command *command = find(componentName);
    return command ? run(*command, context) : Outcome::Unknown;
}

FixedTags::Outcome FixedTags::run(const Command &command, const EditContext &context)
{
    TagInserter insert(context);
    const bool selected = context.box.selLength() > 0;
    switch (command.kind) {
    case Kind::Pair:
        insert.InsertTagPair(command.head, command.foot);
        break;
    case Kind::Single:
        insert.InsertTagText(command.head, false);
        break;
    case Kind::Entity:
        insert.InsertTagText(command.head, true);
        break;
    case Kind::PairOrSingle:
        if (selected)
            insert.InsertTagPair(command.head, command.foot);
        else
            insert.InsertTagText(command.head, false);
        break;
    case Kind::LineEndTag:
    case Kind::LineStartTag:
        if (selected)
            insert.RewriteSelection(tagEveryLine(context.box.selectedText(), insert.TagCase(command.head),
                                                 command.kind == Kind::LineEndTag));
        else
            insert.InsertTagText(command.head, false);
        break;
    case Kind::CommentMenu:
        if (!selected)
            return Outcome::CommentBoxUpperThird;
        insert.InsertTagPair(command.head, command.foot);
        break;
    case Kind::CommentButton:
        if (selected)
            return Outcome::CommentBoxAtCursor;
        insert.InsertTagPair(command.head, command.foot);
        break;
    }
    return Outcome::Done;
}

QString FixedTags::tagEveryLine(QStringView selection, const QString &tag, bool atEnd)
{
    const bool endsInBreak = selection.endsWith(QLatin1Char('\n'));
    const QStringView body = endsInBreak ? selection.chopped(1) : selection;
    QString result;
    result.reserve(selection.size() + (body.count(QLatin1Char('\n')) + 1) * tag.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype to = body.indexOf(QLatin1Char('\n'), from);
        const QStringView line = body.mid(from, (to < 0 ? body.size() : to) - from);
        if (atEnd)
            result += line % tag;
        else
            result += tag % line;
        if (to < 0)
            break;
        result += QLatin1Char('\n');
        from = to + 1;
    }
    if (endsInBreak)
        result += QLatin1Char('\n');
    return result;
}

#include "wizards/frames/FrameMarkup.h"

#include "editing/AsciiCase.h"
#include "wizards/shared/RelativePath.h"

namespace {
QString cased(QStringView text, int tagCase)
{
    return AsciiCase::forSetting(text, tagCase);
}

// A value between double quotes: a quote inside it would end the attribute early.
QString quoted(QString value)
{
    return value.replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

QString frameLine(const FrameMarkup::Row &row, int tagCase)
{
    QString line = cased(u"<FRAME SRC=\"", tagCase) + quoted(row.source);
    if (FrameMarkup::given(row.target))
        line += cased(u"\" NAME=\"", tagCase) + quoted(row.target);
    return line + QStringLiteral("\">");
}
} // namespace

bool FrameMarkup::given(const QString &field)
{
    return !field.isEmpty() && field != QLatin1String("(none)");
}

FrameMarkup::Result FrameMarkup::frameset(int type, const std::array<Row, 3> &rows, int tagCase)
{
    const int used = rowsOf(type);
    for (int i = 0; i < used; ++i) {
        if (!given(rows[i].source))
            return {QString(), i};
    }
    const QString cols = cased(u"<FRAMESET COLS=\"20%,*\">", tagCase);
    const QString rowsTag = cased(u"<FRAMESET ROWS=\"20%,*\">", tagCase);
    const QString end = cased(u"</FRAMESET>", tagCase);
    const QString tab = QStringLiteral("\t");
    QStringList lines;
    switch (type) {
    case TypeA:
    case TypeB:
        lines << (type == TypeA ? cols : rowsTag) << frameLine(rows[0], tagCase) << frameLine(rows[1], tagCase) << end;
        break;
    case TypeC:
    case TypeD:
        lines << (type == TypeC ? rowsTag : cols) << frameLine(rows[0], tagCase)
              << tab + (type == TypeC ? cols : rowsTag) << tab + frameLine(rows[1], tagCase)
              << tab + frameLine(rows[2], tagCase) << tab + end << end;
        break;
    default:
        lines << cased(u"<FRAMESET ROWS=\"20%,60%,20%\">", tagCase);
        for (const Row &row : rows)
            lines << frameLine(row, tagCase);
        lines << end;
        break;
    }
    return {lines.join(QLatin1Char('\n')), -1};
}

QStringList FrameMarkup::sourceChoices(const QStringList &documentNames, int activeIndex, const QString &untitledName)
{
    const QString active = activeIndex >= 0 && activeIndex < documentNames.size() ? documentNames.at(activeIndex) : QString();
    // From an untitled page only full paths can be given, as browsing does.
    const QString from = active == untitledName ? QString() : active;
    QStringList choices;
    for (qsizetype i = 0; i < documentNames.size(); ++i) {
        const QString &name = documentNames.at(i);
        if (i == activeIndex || name == untitledName || name.isEmpty())
            continue;
        choices << RelativePath::of(name, from);
    }
    return choices;
}

QString FrameMarkup::options(const Options &o, int tagCase)
{
    QString text;
    if (o.name)
        text += cased(u" NAME=\"", tagCase) + quoted(o.target) + QLatin1Char('"');
    if (o.noResize)
        text += cased(u" NORESIZE", tagCase);
    if (o.scroll) {
        static const char16_t *const values[] = {u" SCROLLING=\"NO\"", u" SCROLLING=\"YES\"", u" SCROLLING=\"AUTO\""};
        text += cased(values[o.scrolling >= 0 && o.scrolling < 3 ? o.scrolling : 0], tagCase);
    }
    if (o.marginWidth)
        text += cased(u" MARGINWIDTH=\"", tagCase) + QString::number(o.width) + QLatin1Char('"');
    if (o.marginHeight)
        text += cased(u" MARGINHEIGHT=\"", tagCase) + QString::number(o.height) + QLatin1Char('"');
    return text;
}

#include "wizards/lists/DateFormat.h"

#include <QLocale>

#include <algorithm>

namespace {
// The first separator a locale's short format puts between two fields.
QString separatorOf(const QString &format, const QString &fallback)
{
    bool quoted = false;
    for (QChar c : format) {
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (!quoted && !c.isLetter() && !c.isSpace())
            return QString(c);
    }
    return fallback;
}

QString padded(int value, bool twoDigits)
{
    return twoDigits ? QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')) : QString::number(value);
}

const char16_t *const JapaneseDays[] = {u"日", u"月", u"火", u"水", u"木", u"金", u"土"};
const char *const EnglishDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
} // namespace

DateFormat::Conventions DateFormat::Conventions::system()
{
    const QLocale locale = QLocale::system();
    Conventions c;
    c.dateSeparator = separatorOf(locale.dateFormat(QLocale::ShortFormat), c.dateSeparator);
    c.timeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), c.timeSeparator);
    if (!locale.amText().isEmpty())
        c.am = locale.amText();
    if (!locale.pmText().isEmpty())
        c.pm = locale.pmText();
    return c;
}

QString DateFormat::format(const QString &pattern, const QDateTime &moment, const Conventions &conventions)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    const bool twelveHour = pattern.contains(QLatin1String("ampm"), Qt::CaseInsensitive);
    QString out;
    bool afterHour = false;
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern.at(i).toLower();
        if (pattern.mid(i, 4).compare(QLatin1String("ampm"), Qt::CaseInsensitive) == 0) {
            out += time.hour() < 12 ? conventions.am : conventions.pm;
            afterHour = false;
            i += 4;
            continue;
        }
        if (c == QLatin1Char('/')) {
            out += conventions.dateSeparator;
            ++i;
            continue;
        }
        if (c == QLatin1Char(':')) {
            out += conventions.timeSeparator;
            ++i;
            continue;
        }
        if (QStringLiteral("ymdhns").contains(c)) {
            qsizetype run = 1;
            while (i + run < pattern.size() && pattern.at(i + run).toLower() == c)
                ++run;
            if (c == QLatin1Char('y')) {
                out += run >= 3 ? padded(date.year(), false).rightJustified(4, QLatin1Char('0'))
                                : padded(date.year() % 100, true);
                i += run;
                afterHour = false;
                continue;
            }
            // Every other letter takes one or two of the run.
            const bool two = run >= 2;
            i += two ? 2 : 1;
            switch (c.unicode()) {
            case 'm':
                out += afterHour ? padded(time.minute(), two) : padded(date.month(), two);
                afterHour = false;
                break;
            case 'd':
                out += padded(date.day(), two);
                afterHour = false;
                break;
            case 'h': {
                int hour = time.hour();
                if (twelveHour) {
                    hour %= 12;
                    if (hour == 0)
                        hour = 12;
                }
                out += padded(hour, two);
                afterHour = true;
                break;
            }
            case 'n':
                out += padded(time.minute(), two);
                afterHour = false;
                break;
            default: // 's'
                out += padded(time.second(), two);
                afterHour = false;
                break;
            }
            continue;
        }
        out += pattern.at(i);
        ++i;
    }
    return out;
}

const QStringList &DateFormat::dateEntries()
{
    static const QStringList entries = {
        QStringLiteral("（なし）"), QStringLiteral("yyyy/mm/dd"), QStringLiteral("yyyy/m/d"), QStringLiteral("yy/mm/dd"),
        QStringLiteral("yy/m/d"),   QStringLiteral("mm/dd/yyyy"), QStringLiteral("m/d/yy"),   QStringLiteral("dd/mm/yyyy"),
        QStringLiteral("d/m/yy"),   QStringLiteral("yyyy/mm"),    QStringLiteral("yyyy/m"),   QStringLiteral("yy/mm"),
        QStringLiteral("yy/m"),     QStringLiteral("mm/dd"),      QStringLiteral("mm/d"),     QStringLiteral("m/dd"),
        QStringLiteral("m/d")};
    return entries;
}

const QStringList &DateFormat::timeEntries()
{
    static const QStringList entries = {
        QStringLiteral("（なし）"),       QStringLiteral("hh:nn"),        QStringLiteral("hh:nn:ss"),
        QStringLiteral("h:n"),            QStringLiteral("h:n:s"),        QStringLiteral("h:nn"),
        QStringLiteral("h:nn:ss"),        QStringLiteral("ampm hh:nn"),   QStringLiteral("ampm hh:nn:ss"),
        QStringLiteral("ampm h:n"),       QStringLiteral("ampm h:n:s"),   QStringLiteral("ampm h:nn"),
        QStringLiteral("ampm h:nn:ss")};
    return entries;
}

const QStringList &DateFormat::dayEntries()
{
    static const QStringList entries = {
        QStringLiteral("（なし）"),           QStringLiteral("日本語（ショート）"), QStringLiteral("日本語（ショート2）"),
        QStringLiteral("日本語（ロング）"),   QStringLiteral("英語（ショート）"),   QStringLiteral("英語（ショート2）"),
        QStringLiteral("英語（ショート3）"),  QStringLiteral("英語（ロング）"),     QStringLiteral("英語（ロング2）"),
        QStringLiteral("英語（ロング3）")};
    return entries;
}

QString DateFormat::weekday(int index, const QDate &date)
{
    const int day = date.dayOfWeek() % 7; // Sunday first
    const QString japanese = QString::fromUtf16(JapaneseDays[day]);
    const QString english = QLatin1String(EnglishDays[day]);
    switch (index) {
    case 1: return japanese;
    case 2: return QLatin1Char('(') + japanese + QLatin1Char(')');
    case 3: return japanese + QStringLiteral("曜日");
    case 4: return english.left(3);
    case 5: return english.left(3).toUpper();
    case 6: return english.left(3).toLower();
    case 7: return english;
    case 8: return english.toUpper();
    case 9: return english.toLower();
    default: return QString();
    }
}

void DateParts::choose(int part, int index, const QDateTime &moment, const DateFormat::Conventions &conventions)
{
    if (part < 0 || part > 2)
        return;
    const QStringList &entries = part == Date ? DateFormat::dateEntries()
                                 : part == Time ? DateFormat::timeEntries()
                                                : DateFormat::dayEntries();
    if (index <= 0 || index >= entries.size()) {
        index_[part] = 0;
        const int freed = position_[part];
        if (freed == 0)
            return;
        position_[part] = 0;
        text_[part].clear();
        for (int &p : position_) {
            if (p > freed)
                --p;
        }
        return;
    }
    index_[part] = index;
    text_[part] = part == Day ? DateFormat::weekday(index, moment.date())
                              : DateFormat::format(entries.at(index), moment, conventions);
    if (position_[part] == 0)
        position_[part] = *std::max_element(position_.begin(), position_.end()) + 1;
}

void DateParts::applyOrder(const QString &order)
{
    std::array<bool, 4> taken{};
    for (int part = 0; part < 3; ++part) {
        const QChar c = part < order.size() ? order.at(part) : QLatin1Char('0');
        const int p = c >= QLatin1Char('1') && c <= QLatin1Char('3') ? c.unicode() - '0' : 0;
        if (p == 0 || index_[part] == 0 || taken[p]) {
            position_[part] = 0;
            continue;
        }
        taken[p] = true;
        position_[part] = p;
    }
    compact();
}

void DateParts::compact()
{
    // "030" names a third place with nothing before it: the parts keep their order, without gaps.
    int next = 1;
    for (int p = 1; p <= 3; ++p) {
        for (int &q : position_) {
            if (q == p) {
                q = -next;
                ++next;
                break;
            }
        }
    }
    for (int &q : position_)
        q = -q;
}

QString DateParts::order() const
{
    return QString::number(position_[0]) + QString::number(position_[1]) + QString::number(position_[2]);
}

QString DateParts::preview() const
{
    QStringList texts;
    for (int p = 1; p <= 3; ++p) {
        for (int part = 0; part < 3; ++part) {
            if (position_[part] == p)
                texts << text_[part];
        }
    }
    return texts.join(QLatin1Char(' ')).trimmed();
}

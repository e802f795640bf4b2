#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

#include <array>

// The texts of the date and time dialog: the other platform's format letters on a moment,
// and the weekday names.
class DateFormat
{
public:
    // What the system locale contributes.
    struct Conventions
    {
        QString dateSeparator = QStringLiteral("/");
        QString timeSeparator = QStringLiteral(":");
        QString am = QStringLiteral("AM");
        QString pm = QStringLiteral("PM");
        static Conventions system();
    };

    // Letters: yyyy, yy, m/mm (minutes right after an hour), d/dd, h/hh, n/nn, s/ss and
    // "ampm" (a 12-hour clock then); "/" and ":" are the separators; anything else is itself.
    static QString format(const QString &pattern, const QDateTime &moment, const Conventions &conventions);

    // The entries of the three lists, "（なし）" first.
    static const QStringList &dateEntries();
    static const QStringList &timeEntries();
    static const QStringList &dayEntries();

    // Weekday text of entry index 1 to 9; empty for 0 or any other.
    static QString weekday(int index, const QDate &date);
};

// Which parts the date dialog puts together, in which order. Part 0 is the date, 1 the
// time, 2 the weekday; each has the chosen list entry, its text and its position (0 not
// used, else 1 to 3). Positions in use are always 1..k without gaps or repeats.
class DateParts
{
public:
    enum Part { Date = 0, Time = 1, Day = 2 };

    // Choosing an entry: a format keeps the part's place or takes the next free one;
    // "（なし）" frees the place and moves the later parts up. An index outside the
    // part's list counts as "（なし）".
    void choose(int part, int index, const QDateTime &moment, const DateFormat::Conventions &conventions);

    // Positions from the stored three digits (date, time, weekday). A part without a
    // format, or whose digit is not 1 to 3 or repeats an earlier one, is not used.
    void applyOrder(const QString &order);
    QString order() const;

    int index(int part) const { return index_[part]; }
    int position(int part) const { return position_[part]; }
    QString text(int part) const { return text_[part]; }

    // The texts in position order, joined by spaces, trimmed.
    QString preview() const;

private:
    void compact();

    std::array<int, 3> index_{0, 0, 0};
    std::array<int, 3> position_{0, 0, 0};
    std::array<QString, 3> text_;
};

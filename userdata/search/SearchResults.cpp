#include "userdata/search/SearchResults.h"

SearchResults::SearchResults(QObject *parent) : QAbstractTableModel(parent)
{
}

void SearchResults::setResults(const QString &text, QList<SearchHit> hits)
{
    beginResetModel();
    text_ = text;
    hits_ = std::move(hits);
    endResetModel();
}

qsizetype SearchResults::shownLength(int row, int column) const
{
    const SearchHit &h = hits_.at(row);
    if (column == 1)
        return h.length;
    qsizetype digits = 1;
    for (qint64 number = qint64(h.line) + 1; number >= 10; number /= 10)
        ++digits;
    return digits;
}

int SearchResults::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(hits_.size());
}

int SearchResults::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant SearchResults::data(const QModelIndex &index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= hits_.size())
        return QVariant();
    const SearchHit &h = hits_.at(index.row());
    if (index.column() == 0)
        return QString::number(qint64(h.line) + 1);
    return DocumentSearch::rowText(text_, h).toString();
}

QVariant SearchResults::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    if (section == 0)
        return QStringLiteral("行番号");
    if (section == 1)
        return QStringLiteral("見つかった文");
    return QVariant();
}

#pragma once

#include "userdata/search/DocumentSearch.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

// The rows of the results window over the finds of one search: a row is a position in
// the text as it was searched, and its line number and text are made when the list
// asks for them, so that a million finds cost their positions and no more.
class SearchResults : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit SearchResults(QObject *parent = nullptr);

    // text: what was searched (held as it was, so rows keep showing what was found).
    void setResults(const QString &text, QList<SearchHit> hits);
    const SearchHit &hit(int row) const { return hits_.at(row); }
    // Characters the row shows in the column, without making its text.
    qsizetype shownLength(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text_;
    QList<SearchHit> hits_;
};

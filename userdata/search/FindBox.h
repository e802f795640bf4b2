#pragma once

#include "userdata/search/DocumentSearch.h"

#include <QDialog>
#include <QList>

class QTreeView;
class SearchResults;

namespace Ui {
class TFindBox;
}

// The results of one search: a row per occurrence, from which the user jumps while the
// window stays open. It does not know the document; a jump is a request to its owner.
class TFindBox : public QDialog
{
    Q_OBJECT
public:
    explicit TFindBox(QWidget *parent = nullptr);
    ~TFindBox() override;

    // text: the text searched, which the rows show.
    void setResults(const QString &text, QList<SearchHit> hits, int keywordLength);
    int rowCount() const;
    int keywordLength() const { return keywordLength_; }
    QTreeView *listView() const;

    void OkBtnClick();
    void CloseBtnClick();

Q_SIGNALS:
    // line and column from 0, as found.
    void jumpRequested(int line, int column, int length);
    // The Close button keeps the window's size; closing it otherwise does not.
    void sizeToKeep(const QSize &size);
    void helpRequested();

private:
    Ui::TFindBox *ui;
    SearchResults *results_;
    int keywordLength_ = 0;
};

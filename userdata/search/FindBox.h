#pragma once

#include "userdata/search/DocumentSearch.h"

#include <QDialog>
#include <QList>

#include <utility>

class QTreeWidget;

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

    void setResults(const QList<SearchHit> &hits, int keywordLength);
    int rowCount() const;
    int keywordLength() const { return keywordLength_; }
    QTreeWidget *listView() const;

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
    int keywordLength_ = 0;
    // Line and column of each row, in list order (the list is never sorted): a hundred
    // thousand rows would otherwise carry two item data entries each.
    QList<std::pair<int, int>> places_;
};

#pragma once

#include "wizards/links/LinkChecker.h"

#include <QDialog>

class QTreeWidget;

namespace Ui {
class TLinkBox;
}

// The local files a page links to, with whether each is there. It shows the rows it is
// given; opening the chosen files is a request to its owner.
class TLinkBox : public QDialog
{
    Q_OBJECT
public:
    static inline const QString Present = QStringLiteral("あり");
    static inline const QString Absent = QStringLiteral("なし");
    static inline const QString Pending = QStringLiteral("確認中");
    static inline const QString Unknown = QStringLiteral("不明");
    static QString stateText(LinkRow::State state);

    explicit TLinkBox(QWidget *parent = nullptr);
    ~TLinkBox() override;

    // Every row of the list, as far as it is known.
    void showRows(const QList<LinkRow> &rows);
    // The rows at these indexes changed their state.
    void updateRows(const QList<LinkRow> &rows, const QList<int> &indexes);
    // Every row is in: the caption gives the count and the columns fit.
    void finish();
    bool isComplete() const { return complete_; }
    int rowCount() const;
    QTreeWidget *fileList() const;
    // The full paths of the present files among the selected rows, in list order.
    QStringList chosenFiles() const;

    void OpenBtnClick();
    void CloseBtnClick();
    void done(int result) override;

Q_SIGNALS:
    void openRequested(const QStringList &paths);
    // The window is about to close at this size.
    void sizeToKeep(const QSize &size);

private:
    Ui::TLinkBox *ui;
    bool complete_ = false;
};

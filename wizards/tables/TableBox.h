#pragma once

#include "wizards/tables/TableMarkup.h"

#include <QDialog>

namespace Ui {
class TTableBox;
}

// The table wizard: the size, the cell texts (typed or read from a CSV file) and the
// layout of a table; OK gives the whole TABLE block.
class TTableBox : public QDialog
{
    Q_OBJECT
public:
    explicit TTableBox(QWidget *parent = nullptr);
    ~TTableBox() override;

    // What OK inserts: one tag per line, each cell indented by tabSpaces.
    QString insertion(int tagCase, const QString &tabSpaces) const;
    // Every grid row, the heading row first.
    QList<QStringList> cells() const;
    TableMarkup::Layout tableLayout() const;
    // 0 to 3: none, left, centre, right.
    int alignment() const { return align_; }
    // The help topic of the page showing.
    QString helpAnchor() const;

    void RowSpinChange();
    void ColSpinChange();
    void ResetBtnClick();
    void CSVBtnClick();
    // Fills the grid from a CP932 text file of at most MaxCsvBytes, as much of it as the size
    // fields allow; false, with the message shown and the grid as it was, when the file
    // cannot be read (also a folder, pipe or device, or a larger file).
    static constexpr qint64 MaxCsvBytes = 4 * 1024 * 1024;
    bool loadCsv(const QString &path);
    void OKBtnClick();
    void HelpBtnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setGridSize(int rows, int columns);
    void markHeadingRow();
    void updateCaption();
    void commitEdit();

    Ui::TTableBox *ui;
    int align_ = 0;
};

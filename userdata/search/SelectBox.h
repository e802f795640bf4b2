#pragma once

#include "userdata/search/JumpScan.h"

#include <QDialog>

#include <optional>

class QTreeWidget;

namespace Ui {
class TSelectBox;
}

// The comments (mode 0) or link tags (mode 1) of the document; Jump closes the dialog
// with the chosen row.
class TSelectBox : public QDialog
{
    Q_OBJECT
public:
    explicit TSelectBox(QWidget *parent = nullptr);
    ~TSelectBox() override;

    void setRows(const QList<JumpRow> &rows, int mode);
    int mode() const { return mode_; }
    int rowCount() const;
    QTreeWidget *listView() const;
    // The row jumped to; empty unless the dialog was closed by Jump.
    std::optional<JumpRow> chosen() const { return chosen_; }

    void JumpBtnClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    Ui::TSelectBox *ui;
    QList<JumpRow> rows_;
    int mode_ = 0;
    std::optional<JumpRow> chosen_;
};

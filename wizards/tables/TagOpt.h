#pragma once

#include "wizards/tables/TableMarkup.h"

#include <QDialog>

namespace Ui {
class TTagOpt;
}

// The table tag options: cell attributes to add to a TD, TH or TR tag being edited.
class TTagOpt : public QDialog
{
    Q_OBJECT
public:
    explicit TTagOpt(QWidget *parent = nullptr);
    ~TTagOpt() override;

    TableMarkup::CellOptions options() const;
    // What OK inserts, before the tag case is applied to the whole of it.
    QString insertion() const { return TableMarkup::cellOptions(options()); }

    void AllChkClick();
    void HelpBtnClick();

private:
    Ui::TTagOpt *ui;
};

#pragma once

#include "wizards/lists/ListMarkup.h"

#include <QDialog>

namespace Ui {
class TListSet;
}

// The list wizard: the kind of list and how many items; OK gives the options.
class TListSet : public QDialog
{
    Q_OBJECT
public:
    explicit TListSet(QWidget *parent = nullptr);
    ~TListSet() override;

    ListMarkup::Options options() const;

    void TypeGroupClick();

private:
    Ui::TListSet *ui;
};

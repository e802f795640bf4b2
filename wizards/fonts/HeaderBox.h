#pragma once

#include "wizards/fonts/FontMarkup.h"

#include <QDialog>

class QButtonGroup;

namespace Ui {
class THeaderBox;
}

// The heading dialog: H1 to H6 with an alignment.
class THeaderBox : public QDialog
{
    Q_OBJECT
public:
    explicit THeaderBox(QWidget *parent = nullptr);
    ~THeaderBox() override;

    int level() const;
    FontMarkup::Align alignment() const;
    FontMarkup::Pair tags() const { return FontMarkup::heading(level(), alignment()); }

private:
    Ui::THeaderBox *ui;
    QButtonGroup *levels_;
    QButtonGroup *aligns_;
};

#pragma once

#include "wizards/fonts/FontMarkup.h"

#include <QDialog>

namespace Ui {
class TLineSet;
}

// The horizontal rule dialog: an HR tag with thickness, length, alignment and shading.
class TLineSet : public QDialog
{
    Q_OBJECT
public:
    explicit TLineSet(QWidget *parent = nullptr);
    ~TLineSet() override;

    QString tag() const;
    void NumRadioClick();
    void PerRadioClick();

private:
    Ui::TLineSet *ui;
};

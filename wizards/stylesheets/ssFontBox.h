#pragma once

#include "wizards/stylesheets/StyleProperties.h"

#include <QDialog>
#include <QStringList>

namespace Ui {
class TssFontBox;
}

// The font dialog: font-size, font-weight and font-style declarations at once.
// The font family list is there to look at; the family command inserts a family.
class TssFontBox : public QDialog
{
    Q_OBJECT
public:
    TssFontBox(const QStringList &fontNames, const StyleProperties::FontMemory &stored, int styleCase,
               QWidget *parent = nullptr);
    ~TssFontBox() override;

    StyleProperties::FontChoice choice() const;
    // The chosen declarations, one a line; empty when every group says none.
    QString insertion() const;

    void NumRadioClick();
    void PercentRadioClick();

private:
    Ui::TssFontBox *ui;
    int styleCase_;
};

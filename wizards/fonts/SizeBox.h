#pragma once

#include "wizards/fonts/FontMarkup.h"

#include <QDialog>

class QButtonGroup;

namespace Ui {
class TSizeBox;
}

// The size dialog: a FONT SIZE tag.
class TSizeBox : public QDialog
{
    Q_OBJECT
public:
    // selection: the document's selected text, shown unchanged as the sample.
    explicit TSizeBox(const QString &selection, QWidget *parent = nullptr);
    ~TSizeBox() override;

    int fontSize() const;
    FontMarkup::Pair tags() const { return FontMarkup::size(fontSize()); }
    void SizeRadioClick(int size);

private:
    Ui::TSizeBox *ui;
    QButtonGroup *sizes_;
    QString sample_ = QStringLiteral("Sample");
};

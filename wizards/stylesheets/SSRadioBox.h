#pragma once

#include "wizards/stylesheets/StyleProperties.h"

#include <QDialog>

class QButtonGroup;

namespace Ui {
class TSSRadioBox;
}

// The choice dialog: one style property with two to four keywords, the declaration
// shown in an edit box the user may touch up before it goes in.
class TSSRadioBox : public QDialog
{
    Q_OBJECT
public:
    explicit TSSRadioBox(QWidget *parent = nullptr);
    ~TSSRadioBox() override;

    // storedWeight: the font dialog's last weight choice, for the weight mode.
    void setMode(StyleProperties::ChoiceMode mode, int styleCase, int storedWeight = 0);
    // The sample as it stands when Input is pressed.
    QString insertion() const;

    void RadioClick(int index);

private:
    Ui::TSSRadioBox *ui;
    QButtonGroup *radios_;
    StyleProperties::ChoiceMode mode_ = StyleProperties::ChoiceMode::Align;
    int styleCase_ = 0;
};

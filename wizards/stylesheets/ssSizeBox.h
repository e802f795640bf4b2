#pragma once

#include "wizards/stylesheets/StyleProperties.h"

#include <QDialog>

namespace Ui {
class TssSizeBox;
}

// The size dialog: one style property with a length, a percentage or (margins) "auto".
class TssSizeBox : public QDialog
{
    Q_OBJECT
public:
    explicit TssSizeBox(QWidget *parent = nullptr);
    ~TssSizeBox() override;

    // stored: the remembered font-size choice, used only in the font-size mode.
    void setMode(StyleProperties::SizeMode mode, int styleCase,
                 const StyleProperties::FontMemory &stored = StyleProperties::FontMemory());
    StyleProperties::SizeValue value() const;
    // The sample as it stands when Input is pressed.
    QString insertion() const;

    void SizeRadioClick();
    void PercentRadioClick();
    void AutoRadioClick();

private:
    void rebuildSample();

    Ui::TssSizeBox *ui;
    int styleCase_ = 0;
};

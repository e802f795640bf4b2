#include "wizards/stylesheets/ssSizeBox.h"

#include "editing/AsciiCase.h"

#include "ui_ssSizeBox.h"

using StyleProperties::SizeValue;

TssSizeBox::TssSizeBox(QWidget *parent) : QDialog(parent), ui(new Ui::TssSizeBox)
{
    ui->setupUi(this);
    const auto onChecked = [this](QRadioButton *radio, void (TssSizeBox::*handler)()) {
        connect(radio, &QRadioButton::toggled, this, [this, handler](bool on) {
            if (on)
                (this->*handler)();
        });
    };
    onChecked(ui->SizeRadio, &TssSizeBox::SizeRadioClick);
    onChecked(ui->PercentRadio, &TssSizeBox::PercentRadioClick);
    onChecked(ui->AutoRadio, &TssSizeBox::AutoRadioClick);
    connect(ui->SizeSpin, &QSpinBox::valueChanged, this, [this] { rebuildSample(); });
    connect(ui->ScaleCombo, &QComboBox::currentIndexChanged, this, [this] { rebuildSample(); });
    connect(ui->InputBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    SizeRadioClick();
}

TssSizeBox::~TssSizeBox()
{
    delete ui;
}

void TssSizeBox::setMode(StyleProperties::SizeMode mode, int styleCase, const StyleProperties::FontMemory &stored)
{
    styleCase_ = styleCase;
    setWindowTitle(AsciiCase::forSetting(StyleProperties::property(mode), styleCase));
    ui->AutoRadio->setVisible(StyleProperties::offersAuto(mode));
    // The edit box shows the longest declaration whole.
    const QString widest = StyleProperties::sizeSample(windowTitle(), {SizeValue::Kind::Size, 1000, 0}, styleCase);
    ui->SampleEdit->setMinimumWidth(ui->SampleEdit->fontMetrics().horizontalAdvance(widest) + 16);
    ui->SizeRadio->setChecked(true);
    SizeRadioClick();
    if (mode == StyleProperties::SizeMode::FontSize) {
        if (StyleProperties::opensInPercent(stored))
            ui->PercentRadio->setChecked(true);
        else
            ui->ScaleCombo->setCurrentIndex(StyleProperties::storedUnit(stored));
        ui->SizeSpin->setValue(stored.number);
    }
    rebuildSample();
    ui->SizeSpin->setFocus();
}

SizeValue TssSizeBox::value() const
{
    SizeValue v;
    v.kind = ui->AutoRadio->isChecked() && !ui->AutoRadio->isHidden() ? SizeValue::Kind::Auto
             : ui->PercentRadio->isChecked()                          ? SizeValue::Kind::Percent
                                                                      : SizeValue::Kind::Size;
    v.number = ui->SizeSpin->value();
    v.unit = ui->ScaleCombo->currentIndex();
    return v;
}

QString TssSizeBox::insertion() const
{
    return ui->SampleEdit->text();
}

void TssSizeBox::SizeRadioClick()
{
    ui->SizeSpin->setRange(1, StyleProperties::MaxSize);
    ui->SizeSpin->setEnabled(true);
    ui->ScaleCombo->setEnabled(true);
    rebuildSample();
}

void TssSizeBox::PercentRadioClick()
{
    // The spin box lowers a larger number to the new maximum.
    ui->SizeSpin->setRange(1, StyleProperties::MaxPercent);
    ui->SizeSpin->setEnabled(true);
    ui->ScaleCombo->setEnabled(false);
    rebuildSample();
}

void TssSizeBox::AutoRadioClick()
{
    ui->SizeSpin->setEnabled(false);
    ui->ScaleCombo->setEnabled(false);
    rebuildSample();
}

void TssSizeBox::rebuildSample()
{
    ui->SampleEdit->setText(StyleProperties::sizeSample(windowTitle(), value(), styleCase_));
}

#include "wizards/stylesheets/ssFontBox.h"

#include "ui_ssFontBox.h"

TssFontBox::TssFontBox(const QStringList &fontNames, const StyleProperties::FontMemory &stored, int styleCase,
                       QWidget *parent)
    : QDialog(parent), ui(new Ui::TssFontBox), styleCase_(styleCase)
{
    ui->setupUi(this);
    connect(ui->NumRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            NumRadioClick();
    });
    connect(ui->PercentRadio, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            PercentRadioClick();
    });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    ui->FontCombo->addItems(fontNames);
    if (StyleProperties::opensInPercent(stored)) {
        ui->PercentRadio->setChecked(true);
    } else {
        ui->NumRadio->setChecked(true);
        ui->ScaleCombo->setCurrentIndex(StyleProperties::storedUnit(stored));
    }
    ui->SizeSpin->setValue(stored.number);
    if (stored.weight == 1)
        ui->WeightRadio->setChecked(true);
    if (stored.italic == 1)
        ui->StyleRadio->setChecked(true);
}

TssFontBox::~TssFontBox()
{
    delete ui;
}

void TssFontBox::NumRadioClick()
{
    ui->ScaleCombo->setEnabled(true);
    ui->SizeSpin->setMaximum(StyleProperties::MaxSize);
}

void TssFontBox::PercentRadioClick()
{
    ui->ScaleCombo->setEnabled(false);
    // The spin box lowers a larger number to the new maximum.
    ui->SizeSpin->setMaximum(StyleProperties::MaxPercent);
}

StyleProperties::FontChoice TssFontBox::choice() const
{
    StyleProperties::FontChoice c;
    c.size = ui->NumRadio->isChecked() ? 1 : ui->PercentRadio->isChecked() ? 2 : 0;
    c.number = ui->SizeSpin->value();
    c.unit = ui->ScaleCombo->currentIndex();
    c.weight = ui->WeightRadio->isChecked() ? 1 : ui->bNormalRadio->isChecked() ? 2 : 0;
    c.style = ui->StyleRadio->isChecked() ? 1 : ui->iNormalRadio->isChecked() ? 2 : 0;
    return c;
}

QString TssFontBox::insertion() const
{
    return StyleProperties::fontLines(choice(), styleCase_).join(QLatin1Char('\n'));
}

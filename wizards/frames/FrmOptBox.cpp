#include "wizards/frames/FrmOptBox.h"

#include "ui_FrmOptBox.h"

#include <climits>

TFrmOptBox::TFrmOptBox(int tagCase, QWidget *parent) : QDialog(parent), ui(new Ui::TFrmOptBox), tagCase_(tagCase)
{
    ui->setupUi(this);
    for (QSpinBox *spin : {ui->WidthSpin, ui->HeightSpin}) {
        spin->setRange(INT_MIN + 1, INT_MAX);
        spin->setValue(10);
        connect(spin, &QSpinBox::valueChanged, this, [this] { SampleChange(); });
    }
    connect(ui->FrmNameChk, &QCheckBox::toggled, ui->FrmTargetEdit, &QWidget::setEnabled);
    connect(ui->FrmScrollChk, &QCheckBox::toggled, this, [this] { FrmScrollChkClick(); });
    const QRadioButton *radios[] = {ui->ScrollOffRadio, ui->ScrollOnRadio, ui->ScrollAutoRadio};
    for (int value = 0; value < 3; ++value) {
        connect(radios[value], &QRadioButton::clicked, this, [this, value] {
            scrolling_ = value;
            SampleChange();
        });
    }
    for (QCheckBox *check : {ui->FrmNameChk, ui->FrmResizeChk, ui->FrmWidthChk, ui->FrmHeightChk})
        connect(check, &QCheckBox::toggled, this, [this] { SampleChange(); });
    connect(ui->FrmTargetEdit, &QLineEdit::textChanged, this, [this] { SampleChange(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->Button3, &QPushButton::clicked, this,
            [this] { Q_EMIT helpRequested(QStringLiteral("Tips.html"), QStringLiteral("#FrameTagOpt")); });
    SampleChange();
}

TFrmOptBox::~TFrmOptBox()
{
    delete ui;
}

void TFrmOptBox::FrmScrollChkClick()
{
    const bool on = ui->FrmScrollChk->isChecked();
    // Checking asks for scrolling, whichever radio was left showing.
    scrolling_ = on ? FrameMarkup::ScrollYes : FrameMarkup::ScrollNo;
    for (QWidget *radio : {ui->ScrollOnRadio, ui->ScrollOffRadio, ui->ScrollAutoRadio})
        radio->setEnabled(on);
    SampleChange();
}

FrameMarkup::Options TFrmOptBox::options() const
{
    FrameMarkup::Options o;
    o.name = ui->FrmNameChk->isChecked();
    o.target = ui->FrmTargetEdit->text();
    o.noResize = ui->FrmResizeChk->isChecked();
    o.scroll = ui->FrmScrollChk->isChecked();
    o.scrolling = scrolling_;
    o.marginWidth = ui->FrmWidthChk->isChecked();
    o.width = ui->WidthSpin->value();
    o.marginHeight = ui->FrmHeightChk->isChecked();
    o.height = ui->HeightSpin->value();
    return o;
}

void TFrmOptBox::SampleChange()
{
    ui->SampleView->setText(FrameMarkup::options(options(), tagCase_));
}

QString TFrmOptBox::insertion() const
{
    return ui->SampleView->text();
}

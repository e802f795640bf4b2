#include "wizards/tables/TagOpt.h"

#include "platform/HelpTopic.h"

#include "ui_TagOpt.h"

TTagOpt::TTagOpt(QWidget *parent) : QDialog(parent), ui(new Ui::TTagOpt)
{
    ui->setupUi(this);

    // Each check box enables its controls and moves the focus to the first of them.
    const auto enables = [this](QCheckBox *check, std::initializer_list<QWidget *> controls) {
        const QList<QWidget *> list(controls);
        connect(check, &QCheckBox::toggled, this, [list](bool on) {
            for (QWidget *w : list)
                w->setEnabled(on);
            if (on)
                list.first()->setFocus();
        });
    };
    enables(ui->WidthChk, {ui->WidthEdit, ui->WPerRadio, ui->WSizeRadio});
    enables(ui->HeightChk, {ui->HeightEdit, ui->HPerRadio, ui->HSizeRadio});
    enables(ui->AlignChk, {ui->LeftRadio, ui->CenterRadio, ui->RightRadio});
    enables(ui->VAlignChk, {ui->TopRadio, ui->MiddleRadio, ui->BottomRadio});
    enables(ui->ColChk, {ui->ColEdit});
    enables(ui->RowChk, {ui->RowEdit});

    // "%" allows up to 100 and starts there; "Size" counts dots, up to 2000, from 1000.
    const auto unit = [this](QRadioButton *radio, QSpinBox *spin, int maximum, int value) {
        connect(radio, &QRadioButton::toggled, this, [spin, maximum, value](bool on) {
            if (!on)
                return;
            spin->setMaximum(maximum);
            spin->setValue(value);
            spin->setFocus();
        });
    };
    unit(ui->WPerRadio, ui->WidthEdit, 100, 100);
    unit(ui->WSizeRadio, ui->WidthEdit, 2000, 1000);
    unit(ui->HPerRadio, ui->HeightEdit, 100, 100);
    unit(ui->HSizeRadio, ui->HeightEdit, 2000, 1000);

    connect(ui->AllChk, &QCheckBox::toggled, this, [this] { AllChkClick(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
}

TTagOpt::~TTagOpt()
{
    delete ui;
}

void TTagOpt::AllChkClick()
{
    const bool on = ui->AllChk->isChecked();
    for (QCheckBox *c : {ui->WidthChk, ui->HeightChk, ui->AlignChk, ui->VAlignChk, ui->ColChk, ui->RowChk})
        c->setChecked(on);
}

TableMarkup::CellOptions TTagOpt::options() const
{
    TableMarkup::CellOptions o;
    o.width = ui->WidthChk->isChecked();
    o.widthValue = ui->WidthEdit->value();
    o.widthPercent = ui->WPerRadio->isChecked();
    o.height = ui->HeightChk->isChecked();
    o.heightValue = ui->HeightEdit->value();
    o.heightPercent = ui->HPerRadio->isChecked();
    o.align = ui->AlignChk->isChecked();
    o.alignValue = ui->CenterRadio->isChecked() ? TableMarkup::Center
                   : ui->RightRadio->isChecked() ? TableMarkup::Right
                                                 : TableMarkup::Left;
    o.valign = ui->VAlignChk->isChecked();
    o.valignValue = ui->MiddleRadio->isChecked() ? TableMarkup::Middle
                    : ui->BottomRadio->isChecked() ? TableMarkup::Bottom
                                                   : TableMarkup::Top;
    o.rowspan = ui->RowChk->isChecked();
    o.rowspanText = ui->RowEdit->text();
    o.colspan = ui->ColChk->isChecked();
    o.colspanText = ui->ColEdit->text();
    return o;
}

void TTagOpt::HelpBtnClick()
{
    HelpTopic::ShowHelpTopic(this, QStringLiteral("Tips.html"), QStringLiteral("#TableTagOption"));
}

#include "wizards/stylesheets/SSRadioBox.h"

#include "editing/AsciiCase.h"

#include "ui_SSRadioBox.h"

#include <QButtonGroup>

#include <algorithm>

TSSRadioBox::TSSRadioBox(QWidget *parent) : QDialog(parent), ui(new Ui::TSSRadioBox), radios_(new QButtonGroup(this))
{
    ui->setupUi(this);
    QRadioButton *buttons[] = {ui->Radio1, ui->Radio2, ui->Radio3, ui->Radio4};
    for (int i = 0; i < 4; ++i)
        radios_->addButton(buttons[i], i);
    // Arrow keys move the choice without a click, so follow the toggle.
    connect(radios_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            RadioClick(id);
    });
    connect(ui->InputBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    setMode(mode_, styleCase_);
}

TSSRadioBox::~TSSRadioBox()
{
    delete ui;
}

void TSSRadioBox::setMode(StyleProperties::ChoiceMode mode, int styleCase, int storedWeight)
{
    mode_ = mode;
    styleCase_ = styleCase;
    setWindowTitle(AsciiCase::forSetting(StyleProperties::property(mode), styleCase));
    const QStringList captions = StyleProperties::choiceCaptions(mode);
    for (int i = 0; i < 4; ++i) {
        QAbstractButton *b = radios_->button(i);
        b->setVisible(i < captions.size());
        b->setText(captions.value(i));
    }
    // The edit box shows the longest declaration whole.
    int widest = 0;
    for (const QString &caption : captions)
        widest = std::max(widest, ui->SampleEdit->fontMetrics().horizontalAdvance(
                                      StyleProperties::choiceSample(mode, caption, styleCase)));
    ui->SampleEdit->setMinimumWidth(widest + 16);
    const int first = StyleProperties::initialChoice(mode, storedWeight);
    QAbstractButton *chosen = radios_->button(first);
    // A button already checked would not report a toggle.
    if (chosen->isChecked())
        RadioClick(first);
    else
        chosen->setChecked(true);
    chosen->setFocus();
}

QString TSSRadioBox::insertion() const
{
    return ui->SampleEdit->text();
}

void TSSRadioBox::RadioClick(int index)
{
    ui->SampleEdit->setText(StyleProperties::choiceSample(mode_, radios_->button(index)->text(), styleCase_));
}

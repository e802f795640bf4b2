#include "wizards/fonts/SizeBox.h"

#include "wizards/fonts/SampleText.h"

#include "ui_SizeBox.h"

#include <QButtonGroup>

TSizeBox::TSizeBox(const QString &selection, QWidget *parent)
    : QDialog(parent), ui(new Ui::TSizeBox), sizes_(new QButtonGroup(this))
{
    ui->setupUi(this);
    QRadioButton *radios[] = {ui->Size1, ui->Size2, ui->Size3, ui->Size4, ui->Size5, ui->Size6, ui->Size7};
    for (int i = 0; i < 7; ++i)
        sizes_->addButton(radios[i], i + 1);
    connect(sizes_, &QButtonGroup::idClicked, this, [this](int id) { SizeRadioClick(id); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    // The sample keeps its size whatever the selection holds.
    ui->SampleLabel->setFixedSize(ui->SampleLabel->minimumSize());
    if (!selection.isEmpty())
        sample_ = selection;
    QPalette p = ui->SampleLabel->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, Qt::black);
    ui->SampleLabel->setPalette(p);
    SizeRadioClick(3);
}

TSizeBox::~TSizeBox()
{
    delete ui;
}

int TSizeBox::fontSize() const
{
    return sizes_->checkedId();
}

void TSizeBox::SizeRadioClick(int size)
{
    sizes_->button(size)->setChecked(true);
    QFont font = ui->SampleLabel->font();
    font.setPointSize(FontMarkup::sizeSamplePoints(size));
    ui->SampleLabel->setFont(font);
    ui->SampleLabel->setText(SampleText::fit(sample_, QFontMetrics(font), ui->SampleLabel->contentsRect().size()));
}

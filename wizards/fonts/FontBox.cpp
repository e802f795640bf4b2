#include "wizards/fonts/FontBox.h"

#include "platform/Platform.h"
#include "wizards/fonts/SampleText.h"

#include "ui_FontBox.h"

#include <QButtonGroup>

TFontBox::TFontBox(const QString &selection, ColorPicker pickColor, QWidget *parent)
    : QDialog(parent), ui(new Ui::TFontBox), pickColor_(std::move(pickColor)), sizes_(new QButtonGroup(this))
{
    ui->setupUi(this);
    QRadioButton *radios[] = {ui->SizeRadio1, ui->SizeRadio2, ui->SizeRadio3, ui->SizeRadio4,
                              ui->SizeRadio5, ui->SizeRadio6, ui->SizeRadio7};
    for (int i = 0; i < 7; ++i)
        sizes_->addButton(radios[i], i + 1);
    connect(sizes_, &QButtonGroup::idClicked, this, [this](int id) { SizeRadioClick(id); });
    connect(ui->BoldCheck, &QCheckBox::toggled, this, [this] { paintSample(); });
    connect(ui->ItalicCheck, &QCheckBox::toggled, this, [this] { paintSample(); });
    connect(ui->ColorButton, &QPushButton::clicked, this, [this] { ColorButtonClick(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    // The sample keeps its size whatever the selection holds.
    ui->SampleLabel->setFixedSize(ui->SampleLabel->minimumSize());
    if (!selection.isEmpty())
        sample_ = selection.trimmed();
    paintSample();
}

TFontBox::~TFontBox()
{
    delete ui;
}

FontMarkup::Pair TFontBox::tags() const
{
    return FontMarkup::font(size_, RgbColor{color_.red(), color_.green(), color_.blue()}, ui->BoldCheck->isChecked(),
                            ui->ItalicCheck->isChecked());
}

void TFontBox::SizeRadioClick(int size)
{
    size_ = size;
    sizes_->button(size)->setChecked(true);
    paintSample();
}

void TFontBox::ColorButtonClick()
{
    if (const std::optional<QColor> c = pickColor_(color_)) {
        color_ = *c;
        paintSample();
    }
}

void TFontBox::HelpBtnClick()
{
    Platform::instance().message(this, Platform::MessageKind::Information, Messages::InfoTitle,
                                 QStringLiteral("Max = 7\r\nMin = 1\r\nDefault = 3          "), Platform::Buttons::Ok,
                                 ui->HelpBtn->mapToGlobal(QPoint(0, 0)));
}

void TFontBox::paintSample()
{
    QFont font = ui->SampleLabel->font();
    font.setPointSize(FontMarkup::fontSamplePoints(size_));
    font.setBold(ui->BoldCheck->isChecked());
    font.setItalic(ui->ItalicCheck->isChecked());
    ui->SampleLabel->setFont(font);
    ui->SampleLabel->setText(SampleText::fit(sample_, QFontMetrics(font), ui->SampleLabel->contentsRect().size()));
    QPalette p = ui->SampleLabel->palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::WindowText, color_);
    ui->SampleLabel->setPalette(p);
}

#include "wizards/lists/MarqueeBox.h"

#include "ui_MarqueeBox.h"

TMarqueeBox::TMarqueeBox(const MarqueeMarkup::Settings &settings, const QString &text, ColorChooser chooseColor,
                         QWidget *parent)
    : QDialog(parent), ui(new Ui::TMarqueeBox), chooseColor_(std::move(chooseColor))
{
    ui->setupUi(this);
    connect(ui->CountRadio, &QRadioButton::toggled, ui->LoopSpin, &QWidget::setEnabled);
    connect(ui->BGCheck, &QCheckBox::toggled, ui->ChangeColor, &QWidget::setEnabled);
    connect(ui->ChangeColor, &QPushButton::clicked, this, [this] { ChangeColorClick(); });
    connect(ui->ResetBtn, &QPushButton::clicked, this, [this] { ResetBtnClick(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    ui->PageControl->setCurrentIndex(0);
    ui->TextEdit->setText(text);
    setSettings(settings);
}

TMarqueeBox::~TMarqueeBox()
{
    delete ui;
}

void TMarqueeBox::setSettings(const MarqueeMarkup::Settings &s)
{
    ui->AmountSpin->setValue(s.amount);
    ui->DelaySpin->setValue(s.delay);
    (s.direction == MarqueeMarkup::Right ? ui->RightRadio : ui->LeftRadio)->setChecked(true);
    (s.pattern == MarqueeMarkup::Slide       ? ui->SlideRadio
     : s.pattern == MarqueeMarkup::Alternate ? ui->AlternateRadio
                                             : ui->OneWayRadio)
        ->setChecked(true);
    (s.loopCounted ? ui->CountRadio : ui->EndlessRadio)->setChecked(true);
    ui->LoopSpin->setValue(s.loopCount);
    ui->BGCheck->setChecked(s.background);
    color_ = s.color;
    showColor();
    ui->WidthSpin->setValue(s.width);
    ui->HeightSpin->setValue(s.height);
    (s.align == MarqueeMarkup::Top      ? ui->TopRadio
     : s.align == MarqueeMarkup::Bottom ? ui->BottomRadio
                                        : ui->MiddleRadio)
        ->setChecked(true);
    ui->HSpaceSpin->setValue(s.hspace);
    ui->VSpaceSpin->setValue(s.vspace);
}

MarqueeMarkup::Settings TMarqueeBox::settings() const
{
    MarqueeMarkup::Settings s;
    s.amount = ui->AmountSpin->value();
    s.delay = ui->DelaySpin->value();
    s.direction = ui->RightRadio->isChecked() ? MarqueeMarkup::Right : MarqueeMarkup::Left;
    s.pattern = ui->SlideRadio->isChecked()       ? MarqueeMarkup::Slide
                : ui->AlternateRadio->isChecked() ? MarqueeMarkup::Alternate
                                                  : MarqueeMarkup::OneWay;
    s.loopCounted = ui->CountRadio->isChecked();
    s.loopCount = ui->LoopSpin->value();
    s.background = ui->BGCheck->isChecked();
    s.color = color_;
    s.width = ui->WidthSpin->value();
    s.height = ui->HeightSpin->value();
    s.align = ui->TopRadio->isChecked()      ? MarqueeMarkup::Top
              : ui->BottomRadio->isChecked() ? MarqueeMarkup::Bottom
                                             : MarqueeMarkup::Middle;
    s.hspace = ui->HSpaceSpin->value();
    s.vspace = ui->VSpaceSpin->value();
    return s;
}

QString TMarqueeBox::text() const
{
    return ui->TextEdit->text();
}

QString TMarqueeBox::insertion(int tagCase) const
{
    return MarqueeMarkup::element(settings(), text(), tagCase);
}

void TMarqueeBox::ResetBtnClick()
{
    setSettings(MarqueeMarkup::Settings());
}

void TMarqueeBox::ChangeColorClick()
{
    if (!chooseColor_)
        return;
    if (const std::optional<RgbColor> chosen = chooseColor_(color_)) {
        color_ = *chosen;
        showColor();
    }
}

void TMarqueeBox::showColor()
{
    QPalette palette = ui->ColorLabel->palette();
    palette.setColor(QPalette::Window, QColor(color_.red, color_.green, color_.blue));
    ui->ColorLabel->setPalette(palette);
}

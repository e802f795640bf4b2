#include "userdata/settings/ColorBox.h"

#include "platform/Platform.h"

#include "ui_ColorBox.h"

namespace {
void paint(QLabel *label, const QColor &background, const QColor &text)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    label->setPalette(p);
}
} // namespace

TColorBox::TColorBox(ColorChooser chooser, QWidget *parent)
    : QDialog(parent), ui(new Ui::TColorBox), chooser_(std::move(chooser))
{
    ui->setupUi(this);
    connect(ui->Button1, &QPushButton::clicked, this, [this] { FontButtonClick(0); });
    connect(ui->Button2, &QPushButton::clicked, this, [this] { FontButtonClick(1); });
    connect(ui->Button3, &QPushButton::clicked, this, [this] { FontButtonClick(2); });
    connect(ui->FontChangeButton, &QPushButton::clicked, this, &TColorBox::FontChangeButtonClick);
    connect(ui->MemoChangeButton, &QPushButton::clicked, this, &TColorBox::MemoChangeButtonClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    showColors();
}

TColorBox::~TColorBox()
{
    delete ui;
}

void TColorBox::setValues(const QFont &editor, const QColor &text, const QColor &memo, const QFont &pageTab,
                          const QFont &status)
{
    ui->EditorLabel->setFont(editor);
    ui->PageTabLabel->setFont(pageTab);
    ui->StatusLabel->setFont(status);
    text_ = text;
    memo_ = memo;
    chosen_[0] = chosen_[1] = chosen_[2] = false;
    showColors();
}

void TColorBox::showPage(Page page)
{
    ui->PageControl->setCurrentWidget(page == Page::Font ? ui->FontTab : ui->ColorTab);
}

QFont TColorBox::editorFont() const
{
    return ui->EditorLabel->font();
}

QFont TColorBox::pageTabFont() const
{
    return ui->PageTabLabel->font();
}

QFont TColorBox::statusFont() const
{
    return ui->StatusLabel->font();
}

QLabel *TColorBox::fontLabel(int which) const
{
    return which == 0 ? ui->EditorLabel : which == 1 ? ui->PageTabLabel : ui->StatusLabel;
}

void TColorBox::FontButtonClick(int which)
{
    QLabel *label = fontLabel(which);
    if (const std::optional<QFont> font = Platform::instance().chooseFont(this, label->font())) {
        label->setFont(*font);
        chosen_[which] = true;
    }
}

void TColorBox::FontChangeButtonClick()
{
    if (const std::optional<QColor> color = chooser_(text_)) {
        text_ = *color;
        showColors();
    }
}

void TColorBox::MemoChangeButtonClick()
{
    if (const std::optional<QColor> color = chooser_(memo_)) {
        memo_ = *color;
        showColors();
    }
}

void TColorBox::showColors()
{
    paint(ui->EditorLabel, memo_, text_);
    paint(ui->FontColorLabel, text_, text_);
    paint(ui->MemoColorLabel, memo_, memo_);
}

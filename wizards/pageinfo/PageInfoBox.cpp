#include "wizards/pageinfo/PageInfoBox.h"

#include "editing/HtmlColor.h"
#include "platform/Platform.h"

#include "ui_PageInfoBox.h"

#include <QFileInfo>

#include <tuple>

namespace {

// A colour as written in the document: "#RRGGBB", six digits without "#", or a colour name.
QColor colorOf(const QString &written, const QColor &fallback)
{
    QString text = written.trimmed();
    if (HtmlColor::fromDigits(text))
        text.prepend(QLatin1Char('#'));
    QColor c;
    c.setNamedColor(text);
    return c.isValid() ? c : fallback;
}

QString htmlOf(const QColor &c)
{
    return HtmlColor::ColorToHtml(RgbColor{c.red(), c.green(), c.blue()});
}

void paint(QLabel *label, const QColor &background, const QColor &text)
{
    QPalette p = label->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    // Disabled samples still show their colours, as the swatch of a switched-off item.
    p.setColor(QPalette::Disabled, QPalette::WindowText, text);
    label->setPalette(p);
}

} // namespace

TPageInfoBox::TPageInfoBox(const PageInfoMarkup::PageInfo &info, ColorPicker pickColor, QWidget *parent)
    : QDialog(parent), ui(new Ui::TPageInfoBox), pickColor_(std::move(pickColor))
{
    ui->setupUi(this);
    const std::tuple<QCheckBox *, QLabel *, QPushButton *> controls[] = {
        {ui->fcTextChk, ui->fcSample1, ui->ChangeColor1},
        {ui->fcLinkChk, ui->fcSample2, ui->ChangeColor2},
        {ui->fcVlinkChk, ui->fcSample3, ui->ChangeColor3},
        {ui->fcAlinkChk, ui->fcSample4, ui->ChangeColor4}};
    for (int i = 0; i < 4; ++i)
        std::tie(samples_[i].check, samples_[i].label, samples_[i].button) = controls[i];

    ui->PageTitle->setText(info.title);
    connect(ui->PageTitle, &QLineEdit::textEdited, this, [this] { titleEdited_ = true; });
    connect(ui->AuthorChk, &QCheckBox::toggled, ui->AuthorEdit, &QWidget::setEnabled);
    connect(ui->KeywordChk, &QCheckBox::toggled, ui->KeywordEdit, &QWidget::setEnabled);
    ui->AuthorChk->setChecked(info.authorFound);
    ui->AuthorEdit->setText(info.author);
    ui->KeywordChk->setChecked(!info.keywords.isEmpty());
    ui->KeywordEdit->setText(info.keywords);
    // Nothing, or the document's own encoding.
    ui->CharsetCombo->clear();
    ui->CharsetCombo->addItem(QStringLiteral("記入しない"));
    if (!info.charset.isEmpty())
        ui->CharsetCombo->addItem(info.charset);
    ui->CharsetCombo->setEnabled(ui->CharsetCombo->count() > 1);

    connect(ui->bgColorChk, &QCheckBox::toggled, this, [this](bool on) {
        ui->SampleLabel->setEnabled(on);
        ui->ColorBtn->setEnabled(on);
    });
    connect(ui->bgImageChk, &QCheckBox::toggled, this, [this](bool on) {
        for (QWidget *w : {static_cast<QWidget *>(ui->ImageEdit), static_cast<QWidget *>(ui->AddPathRadio),
                           static_cast<QWidget *>(ui->NameRadio), static_cast<QWidget *>(ui->ImgBtn)})
            w->setEnabled(on);
    });
    writtenBgColor_ = info.body[PageInfoMarkup::BgColor];
    if (writtenBgColor_) {
        swatch_ = initialSwatch_ = colorOf(*writtenBgColor_, Qt::white);
        ui->bgColorChk->setChecked(true);
    }
    if (const std::optional<QString> &image = info.body[PageInfoMarkup::Background]) {
        ui->bgImageChk->setChecked(true);
        ui->ImageEdit->setText(*image);
    }
    paintSwatch();

    for (int i = 0; i < int(samples_.size()); ++i) {
        Sample &s = samples_[i];
        if (const std::optional<QString> &written = info.body[PageInfoMarkup::Text + i]) {
            s.wasWritten = true;
            s.written = *written;
            s.color = s.initialColor = colorOf(*written, Qt::black);
            s.check->setChecked(true);
            s.label->setEnabled(true);
            s.button->setEnabled(true);
        }
        paintSample(i);
        connect(s.check, &QCheckBox::toggled, this, [this, i](bool on) { sampleToggled(i, on); });
        connect(s.button, &QPushButton::clicked, this, [this, i] { ChangeColorClick(i); });
    }

    connect(ui->ColorBtn, &QPushButton::clicked, this, [this] { ColorBtnClick(); });
    connect(ui->ImgBtn, &QPushButton::clicked, this, [this] { ImgBtnClick(); });
    connect(ui->AddPathRadio, &QRadioButton::clicked, this, [this] { AddPathRadioClick(); });
    connect(ui->NameRadio, &QRadioButton::clicked, this, [this] { NameRadioClick(); });
    connect(ui->PageControl, &QTabWidget::currentChanged, this, [this] { PageControlChange(); });
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, [this] { HelpBtnClick(); });
    ui->PageTitle->setFocus();
}

TPageInfoBox::~TPageInfoBox()
{
    delete ui;
}

PageInfoMarkup::Fields TPageInfoBox::fields() const
{
    PageInfoMarkup::Fields f;
    f.titleEdited = titleEdited_;
    f.title = ui->PageTitle->text();
    f.author = ui->AuthorChk->isChecked();
    f.authorText = ui->AuthorEdit->text();
    f.keywords = ui->KeywordChk->isChecked();
    f.keywordsText = ui->KeywordEdit->text();
    f.software = ui->TWChk->isChecked();
    if (ui->CharsetCombo->currentIndex() > 0)
        f.charset = ui->CharsetCombo->currentText();
    // A colour the user left as it was keeps the document's own spelling of it.
    if (ui->bgColorChk->isChecked())
        f.body[PageInfoMarkup::BgColor] = writtenBgColor_ && swatch_ == initialSwatch_ ? *writtenBgColor_ : htmlOf(swatch_);
    if (ui->bgImageChk->isChecked())
        f.body[PageInfoMarkup::Background] = ui->ImageEdit->text();
    for (int i = 0; i < int(samples_.size()); ++i) {
        const Sample &s = samples_[i];
        if (s.check->isChecked())
            f.body[PageInfoMarkup::Text + i] = s.wasWritten && s.color == s.initialColor ? s.written : htmlOf(s.color);
    }
    return f;
}

void TPageInfoBox::paintSwatch()
{
    paint(ui->SampleLabel, swatch_, Qt::black);
}

void TPageInfoBox::paintSample(int index)
{
    const Sample &s = samples_[index];
    paint(s.label, s.check->isChecked() ? swatch_ : QColor(Qt::white), s.color);
}

void TPageInfoBox::sampleToggled(int index, bool on)
{
    Sample &s = samples_[index];
    s.label->setEnabled(on);
    s.button->setEnabled(on);
    paintSample(index);
    if (on)
        s.button->setFocus();
}

void TPageInfoBox::ColorBtnClick()
{
    if (const std::optional<QColor> c = pickColor_(swatch_)) {
        swatch_ = *c;
        paintSwatch();
        for (int i = 0; i < int(samples_.size()); ++i)
            paintSample(i);
    }
}

void TPageInfoBox::ChangeColorClick(int index)
{
    Sample &s = samples_[index];
    if (const std::optional<QColor> c = pickColor_(s.color)) {
        s.color = *c;
        paintSample(index);
    }
}

void TPageInfoBox::ImgBtnClick()
{
    Platform::FileRequest request;
    request.title = QStringLiteral("画像ファイルの選択");
    request.filters = {QStringLiteral("画像ファイル (*.gif *.jpg *.jpeg *.png)"), QStringLiteral("GIFファイルのみ (*.gif)"),
                       QStringLiteral("JPEGファイルのみ (*.jpg *.jpeg)"), QStringLiteral("PNGファイルのみ (*.png)"),
                       QStringLiteral("その他 (*)")};
    const Platform::FileAnswer answer = Platform::instance().openFiles(this, request, false);
    if (!answer.files.isEmpty())
        useImage(answer.files.first());
}

void TPageInfoBox::useImage(const QString &path)
{
    chosenImage_ = QFileInfo(path).absoluteFilePath();
    ui->ImageEdit->setText(QFileInfo(chosenImage_).fileName());
}

void TPageInfoBox::AddPathRadioClick()
{
    // Paths here have no drive letter to strip.
    if (!chosenImage_.isEmpty())
        ui->ImageEdit->setText(QString(chosenImage_).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

void TPageInfoBox::NameRadioClick()
{
    if (!chosenImage_.isEmpty())
        ui->ImageEdit->setText(QFileInfo(chosenImage_).fileName());
}

void TPageInfoBox::PageControlChange()
{
    for (int i = 0; i < int(samples_.size()); ++i)
        paintSample(i);
}

void TPageInfoBox::HelpBtnClick()
{
    static const char *const anchors[] = {"#PageInfo", "#Background", "#FontColor"};
    const int page = std::clamp(ui->PageControl->currentIndex(), 0, 2);
    Q_EMIT helpRequested(QStringLiteral("Tips.html"), QLatin1String(anchors[page]));
}

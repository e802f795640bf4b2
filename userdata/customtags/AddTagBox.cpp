#include "userdata/customtags/AddTagBox.h"

#include "editing/AsciiCase.h"
#include "platform/Platform.h"
#include "userdata/customtags/CustomTagFile.h"
#include "userdata/listmanager/UserDataText.h"

#include "ui_AddTagBox.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Puts what is typed into the case the radios choose, before the box takes it.
class CaseValidator : public QValidator
{
public:
    CaseValidator(const QRadioButton *upper, const QRadioButton *lower, QObject *parent)
        : QValidator(parent), upper_(upper), lower_(lower)
    {
    }
    State validate(QString &input, int &) const override
    {
        if (upper_->isChecked() || lower_->isChecked())
            input = AsciiCase::convert(input, upper_->isChecked());
        return Acceptable;
    }

private:
    const QRadioButton *upper_;
    const QRadioButton *lower_;
};

} // namespace

TAddTagBox::TAddTagBox(bool upperCase, QWidget *parent) : QDialog(parent), ui(new Ui::TAddTagBox)
{
    ui->setupUi(this);
    setWindowTitle(QStringLiteral("新しいタグの追加"));
    (upperCase ? ui->UpperRadio : ui->LowerRadio)->setChecked(true);
    ui->HTagEdit->installEventFilter(this);

    connect(ui->HTagEdit, &QLineEdit::textChanged, this, &TAddTagBox::HTagEditChange);
    connect(ui->BTagEdit, &QLineEdit::textChanged, this, &TAddTagBox::BTagEditChange);
    auto *typedCase = new CaseValidator(ui->UpperRadio, ui->LowerRadio, this);
    ui->HTagEdit->setValidator(typedCase);
    ui->BTagEdit->setValidator(typedCase);
    connect(ui->NoCloseChk, &QCheckBox::toggled, this, &TAddTagBox::NoCloseChkClick);
    for (QRadioButton *r : {ui->UpperRadio, ui->LowerRadio, ui->NoChangeRadio})
        connect(r, &QRadioButton::clicked, this, &TAddTagBox::CaseRadioClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TAddTagBox::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TAddTagBox::HelpBtnClick);
}

TAddTagBox::~TAddTagBox()
{
    delete ui;
}

void TAddTagBox::setEntry(const QString &name, const QString &head, const QString &foot)
{
    changeMode_ = true;
    setWindowTitle(QStringLiteral("登録内容の変更"));
    ui->TagNameEdit->setText(name);
    // The stored tags come back as stored; the case radios act on what is typed.
    const QValidator *typedCase = ui->HTagEdit->validator();
    ui->HTagEdit->setValidator(nullptr);
    ui->BTagEdit->setValidator(nullptr);
    ui->HTagEdit->setText(head.mid(1, head.size() - 2));
    if (foot == CustomTagFile::NoFoot)
        ui->NoCloseChk->setChecked(true);
    else
        ui->BTagEdit->setText(foot.mid(2, foot.size() - 3));
    ui->HTagEdit->setValidator(typedCase);
    ui->BTagEdit->setValidator(typedCase);
}

QString TAddTagBox::name() const
{
    return ui->TagNameEdit->text();
}

QString TAddTagBox::head() const
{
    return ui->HTagLabel->text();
}

QString TAddTagBox::foot() const
{
    return ui->NoCloseChk->isChecked() ? CustomTagFile::NoFoot : ui->BTagLabel->text();
}

bool TAddTagBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->HTagEdit && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->text() == QLatin1String(" "))
        spaceTyped_ = true;
    return QDialog::eventFilter(watched, event);
}

void TAddTagBox::HTagEditChange(const QString &text)
{
    ui->HTagLabel->setText(QLatin1Char('<') + text + QLatin1Char('>'));
    // The closing tag follows the tag name until attributes begin.
    if (!spaceTyped_)
        ui->BTagEdit->setText(text.section(QLatin1Char(' '), 0, 0));
}

void TAddTagBox::BTagEditChange(const QString &text)
{
    ui->BTagLabel->setText(QStringLiteral("</") + text + QLatin1Char('>'));
}

void TAddTagBox::NoCloseChkClick()
{
    const bool on = !ui->NoCloseChk->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(ui->BTagEdit), static_cast<QWidget *>(ui->BTagLabel),
                       static_cast<QWidget *>(ui->BTagCaption)})
        w->setEnabled(on);
}

void TAddTagBox::applyCase(QLineEdit *edit)
{
    if (ui->NoChangeRadio->isChecked())
        return;
    const QString converted = AsciiCase::convert(edit->text(), ui->UpperRadio->isChecked());
    if (converted != edit->text())
        edit->setText(converted);
}

void TAddTagBox::CaseRadioClick()
{
    applyCase(ui->HTagEdit);
    applyCase(ui->BTagEdit);
}

void TAddTagBox::OkBtnClick()
{
    if (ui->TagNameEdit->text().isEmpty()) {
        Platform::instance().message(this, Platform::MessageKind::Information, Messages::InfoTitle,
                                     QStringLiteral("登録名が入力されていません。\r \rこのタグを登録したい場合は\r必ず登録名を入力して下さい。"),
                                     Platform::Buttons::Ok, frameGeometry().topLeft() + QPoint(100, 150));
        ui->TagNameEdit->setFocus();
        return;
    }
    if (!CustomTagFile::fieldAcceptable(name()) || !CustomTagFile::fieldAcceptable(head())
        || !CustomTagFile::fieldAcceptable(foot())) {
        Platform::instance().message(this, Platform::MessageKind::Warning, UserDataText::MessageTitle,
                                     QStringLiteral("タグと登録名には改行を含められません。"), Platform::Buttons::Ok);
        ui->HTagEdit->setFocus();
        return;
    }
    accept();
}

void TAddTagBox::HelpBtnClick()
{
    Q_EMIT helpRequested();
}

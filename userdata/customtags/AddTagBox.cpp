#include "userdata/customtags/AddTagBox.h"

#include "platform/Platform.h"
#include "userdata/customtags/CustomTagFile.h"
#include "userdata/customtags/TypedCase.h"
#include "userdata/listmanager/UserDataText.h"

#include "ui_AddTagBox.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Puts what comes into its field (typed or pasted) into the case the radios choose, before
// the field takes it; what the field held stays as it was.
class CaseValidator : public QValidator
{
public:
    CaseValidator(QLineEdit *edit, const QRadioButton *upper, const QRadioButton *lower)
        : QValidator(edit), upper_(upper), lower_(lower), before_(edit->text())
    {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { before_ = text; });
    }
    State validate(QString &input, int &) const override
    {
        const TypedCase::Mode mode = upper_->isChecked()   ? TypedCase::Upper
                                     : lower_->isChecked() ? TypedCase::Lower
                                                           : TypedCase::AsTyped;
        input = TypedCase::apply(before_, input, mode);
        return Acceptable;
    }

private:
    const QRadioButton *upper_;
    const QRadioButton *lower_;
    QString before_;
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
    // The case radios apply to what is typed from then on, not to what the fields hold.
    ui->HTagEdit->setValidator(new CaseValidator(ui->HTagEdit, ui->UpperRadio, ui->LowerRadio));
    ui->BTagEdit->setValidator(new CaseValidator(ui->BTagEdit, ui->UpperRadio, ui->LowerRadio));
    connect(ui->NoCloseChk, &QCheckBox::toggled, this, &TAddTagBox::NoCloseChkClick);
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
    const QValidator *headCase = ui->HTagEdit->validator();
    const QValidator *footCase = ui->BTagEdit->validator();
    ui->HTagEdit->setValidator(nullptr);
    ui->BTagEdit->setValidator(nullptr);
    ui->HTagEdit->setText(head.mid(1, head.size() - 2));
    if (foot == CustomTagFile::NoFoot)
        ui->NoCloseChk->setChecked(true);
    else
        ui->BTagEdit->setText(foot.mid(2, foot.size() - 3));
    ui->HTagEdit->setValidator(headCase);
    ui->BTagEdit->setValidator(footCase);
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

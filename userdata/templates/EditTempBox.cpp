#include "userdata/templates/EditTempBox.h"

#include "platform/Platform.h"
#include "userdata/templates/TemplateFiles.h"
#include "userdata/listmanager/UserDataText.h"

#include "ui_EditTempBox.h"

#include <QKeyEvent>

TEditTempBox::TEditTempBox(Mode mode, const QString &folder, const QStringList &listed, QWidget *parent)
    : QDialog(parent), ui(new Ui::TEditTempBox), mode_(mode), folder_(folder), listed_(listed)
{
    ui->setupUi(this);
    ui->Memo->installEventFilter(this);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TEditTempBox::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TEditTempBox::helpRequested);
    ui->TitleEdit->setFocus();
}

TEditTempBox::~TEditTempBox()
{
    delete ui;
}

void TEditTempBox::setTemplate(const QString &title, const std::optional<QString> &text)
{
    setWindowTitle(QStringLiteral("登録内容の変更(テンプレート)"));
    original_ = title;
    ui->TitleEdit->setText(title);
    QString stored;
    if (text)
        setText(*text);
    else if (TemplateFiles(folder_).readTemplate(title, stored))
        setText(stored);
}

void TEditTempBox::setText(const QString &text)
{
    ui->Memo->setPlainText(text);
    ui->Memo->document()->setModified(false);
    ui->Memo->moveCursor(QTextCursor::Start);
}

void TEditTempBox::setMemoFont(const QFont &font)
{
    ui->Memo->setFont(font);
}

QString TEditTempBox::title() const
{
    return ui->TitleEdit->text();
}

QString TEditTempBox::text() const
{
    return ui->Memo->toPlainText();
}

bool TEditTempBox::eventFilter(QObject *watched, QEvent *event)
{
    // Tab types a tab in the memo; Ctrl+Tab leaves it for the title.
    if (watched == ui->Memo && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ControlModifier)) {
            ui->TitleEdit->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEditTempBox::warn(const QString &text, QWidget *focus, bool screenCentred)
{
    if (screenCentred)
        Platform::instance().messageOnScreenCentre(this, Platform::MessageKind::Warning, UserDataText::MessageTitle,
                                                   text, Platform::Buttons::Ok);
    else
        Platform::instance().message(this, Platform::MessageKind::Warning, UserDataText::MessageTitle, text,
                                     Platform::Buttons::Ok);
    focus->setFocus();
}

QString TEditTempBox::titleRefusal(const QString &title) const
{
    const QString problem = TemplateFiles::titleProblem(title);
    if (!problem.isEmpty())
        return problem + QStringLiteral("\r \r違うタイトルを入力して下さい。");
    // Keeping its own title is the one reuse allowed: any other would overwrite another template.
    if (mode_ == ChangeInList && title == original_)
        return QString();
    if (listed_.contains(title) || TemplateFiles(folder_).titles().contains(title))
        return QLatin1Char('"') + title + QStringLiteral("\"\r \rこのタイトルはもう使われています。\r違うタイトルを入力して下さい。");
    return QString();
}

void TEditTempBox::OkBtnClick()
{
    if (ui->Memo->document()->isEmpty() && !ui->Memo->document()->isModified()) {
        warn(QStringLiteral("テンプレートが空です。\r \rこのままでは登録できません。\r登録を中止したい場合は\r右下にある [キャンセル]ボタンを押して下さい。"),
             ui->Memo, true);
        return;
    }
    const QString t = title();
    if (t.isEmpty()) {
        warn(QStringLiteral("タイトルがありません。\r \rタイトルがないと登録できません。\r何かタイトルを入力して下さい。"),
             ui->TitleEdit);
        return;
    }
    const QString refusal = titleRefusal(t);
    if (!refusal.isEmpty()) {
        warn(refusal, ui->TitleEdit);
        return;
    }
    const QString textRefusal = TemplateFiles::textProblem(text());
    if (!textRefusal.isEmpty()) {
        warn(QStringLiteral("テンプレートに ") + textRefusal, ui->Memo);
        return;
    }
    // From the list manager nothing is written before the manager's OK, so that its
    // Cancel leaves no file behind.
    if (mode_ == AddFromWindow) {
        const TemplateFiles files(folder_);
        QString error;
        if (!files.writeTemplate(t, text(), &error) || !files.appendTitle(t, &error)) {
            warn(UserDataText::writeFailed(error), ui->TitleEdit);
            return;
        }
    }
    accept();
}

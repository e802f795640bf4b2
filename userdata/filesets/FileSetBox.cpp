#include "userdata/filesets/FileSetBox.h"

#include "platform/Platform.h"
#include "userdata/filesets/FileSetFile.h"
#include "userdata/listmanager/UserDataText.h"

#include "ui_FileSetBox.h"

TFileSetBox::TFileSetBox(const QString &fsPath, const QString &startupPath, QWidget *parent)
    : QDialog(parent), ui(new Ui::TFileSetBox), fsPath_(fsPath), startupPath_(startupPath)
{
    ui->setupUi(this);
    // The buttons follow the selection: the list gets a current row without one when it
    // takes the focus, and a mouse press makes a row current before it selects it.
    connect(ui->TitleList, &QListWidget::itemSelectionChanged, this, [this] { TitleListClick(); });
    connect(ui->TitleList, &QListWidget::itemChanged, this, [this] {
        if (!filling_)
            collectChecked();
    });
    connect(ui->TitleList, &QListWidget::itemDoubleClicked, this, &TFileSetBox::ChangeBtnClick);
    connect(ui->AddBtn, &QPushButton::clicked, this, &TFileSetBox::AddBtnClick);
    connect(ui->ChangeBtn, &QPushButton::clicked, this, &TFileSetBox::ChangeBtnClick);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TFileSetBox::DeleteBtnClick);
    connect(ui->UpBtn, &QPushButton::clicked, this, &TFileSetBox::UpBtnClick);
    connect(ui->DownBtn, &QPushButton::clicked, this, &TFileSetBox::DownBtnClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TFileSetBox::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TFileSetBox::HelpBtnClick);

    for (const QString &t : FileSetFile(fsPath).titles())
        list_.append({t, {}});
    if (!list_.isEmpty()) {
        const QStringList startup = FileSetFile::readList(startupPath);
        for (const QString &t : list_.titles()) {
            if (startup.contains(t) && !checked_.contains(t))
                checked_.append(t);
        }
    }
    refresh(-1);
}

TFileSetBox::~TFileSetBox()
{
    delete ui;
}

int TFileSetBox::selectedIndex() const
{
    const QList<QListWidgetItem *> chosen = ui->TitleList->selectedItems();
    const int row = chosen.isEmpty() ? -1 : ui->TitleList->row(chosen.first());
    return row < list_.size() ? row : -1;
}

QString TFileSetBox::selectedTitle() const
{
    const int k = selectedIndex();
    return k < 0 ? QString() : list_.at(k).title;
}

void TFileSetBox::refresh(int selection)
{
    // Check marks stay with their titles through every change of the list.
    filling_ = true;
    ui->TitleList->clear();
    for (const QString &t : list_.titles()) {
        auto *item = new QListWidgetItem(t, ui->TitleList);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(checked_.contains(t) ? Qt::Checked : Qt::Unchecked);
    }
    filling_ = false;
    if (selection >= 0 && selection < ui->TitleList->count())
        ui->TitleList->setCurrentRow(selection);
    TitleListClick();
}

void TFileSetBox::collectChecked()
{
    checked_.clear();
    for (int i = 0; i < ui->TitleList->count(); ++i) {
        if (ui->TitleList->item(i)->checkState() == Qt::Checked)
            checked_.append(list_.at(i).title);
    }
}

void TFileSetBox::setChecked(int index, bool on)
{
    if (index >= 0 && index < ui->TitleList->count())
        ui->TitleList->item(index)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
}

void TFileSetBox::TitleListClick()
{
    const bool on = selectedIndex() >= 0;
    for (QPushButton *b : {ui->ChangeBtn, ui->DeleteBtn, ui->UpBtn, ui->DownBtn})
        b->setEnabled(on);
}

void TFileSetBox::AddBtnClick()
{
    if (!addHandler_)
        return;
    const QString title = addHandler_();
    if (!title.isEmpty())
        refresh(list_.append({title, {}}));
}

void TFileSetBox::ChangeBtnClick()
{
    const int k = selectedIndex();
    if (k < 0 || !changeHandler_)
        return;
    const QString old = list_.at(k).title;
    const QString title = changeHandler_();
    if (title.isEmpty())
        return;
    const qsizetype mark = checked_.indexOf(old);
    if (mark >= 0)
        checked_[mark] = title;
    refresh(list_.replace(k, {title, {}}));
}

void TFileSetBox::DeleteBtnClick()
{
    const int k = selectedIndex();
    if (k < 0)
        return;
    checked_.removeAll(list_.at(k).title);
    refresh(list_.remove(k));
    ui->TitleList->setFocus();
}

void TFileSetBox::UpBtnClick()
{
    const int k = selectedIndex();
    if (k >= 0)
        refresh(list_.moveUp(k));
}

void TFileSetBox::DownBtnClick()
{
    const int k = selectedIndex();
    if (k >= 0)
        refresh(list_.moveDown(k));
}

void TFileSetBox::OkBtnClick()
{
    QStringList startup;
    for (const QString &t : list_.titles()) {
        if (checked_.contains(t))
            startup.append(t);
    }
    QString error;
    const bool startupOk = FileSetFile::writeList(startupPath_, startup, &error);
    // An emptied list is written too, so that deleted sets do not come back.
    if (!startupOk || !FileSetFile(fsPath_).writeTitles(list_.titles(), &error)) {
        Platform::instance().message(this, Platform::MessageKind::Warning, UserDataText::MessageTitle,
                                     UserDataText::writeFailed(error), Platform::Buttons::Ok);
        return;
    }
    accept();
}

void TFileSetBox::HelpBtnClick()
{
    const QWidget *main = parentWidget() ? parentWidget()->window() : this;
    Platform::instance().message(this, Platform::MessageKind::Information, Messages::InfoTitle,
                                 QStringLiteral("チェックをつけたファイルセットは\r\n起動時に自動的に開かれます。"),
                                 Platform::Buttons::Ok, QPoint(main->width() / 2, main->height() / 2));
}

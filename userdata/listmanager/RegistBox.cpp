#include "userdata/listmanager/RegistBox.h"

#include "platform/Platform.h"
#include "userdata/listmanager/UserDataText.h"

#include "ui_RegistBox.h"

TRegistBox::TRegistBox(RegistSource &source, QWidget *parent)
    : QDialog(parent), ui(new Ui::TRegistBox), source_(source)
{
    ui->setupUi(this);
    setWindowTitle(source.caption());
    ui->TitleGroup->setTitle(source.groupCaption());
    applyLayout(source.layout());

    // The selection, not the current row: a mouse press makes a row current before it
    // selects it, Ctrl+click deselects it without moving, and the list gets a current
    // row without a selection when it takes the focus.
    connect(ui->TitleList, &QListWidget::itemSelectionChanged, this, [this] { TitleListClick(); });
    connect(ui->TitleList, &QListWidget::itemDoubleClicked, this, [this] {
        if (!ui->ChangeBtn->isHidden())
            ChangeBtnClick();
    });
    connect(ui->AddBtn, &QPushButton::clicked, this, &TRegistBox::AddBtnClick);
    connect(ui->ChangeBtn, &QPushButton::clicked, this, &TRegistBox::ChangeBtnClick);
    connect(ui->DeleteBtn, &QPushButton::clicked, this, &TRegistBox::DeleteBtnClick);
    connect(ui->UpBtn, &QPushButton::clicked, this, &TRegistBox::UpBtnClick);
    connect(ui->DownBtn, &QPushButton::clicked, this, &TRegistBox::DownBtnClick);
    connect(ui->OkBtn, &QPushButton::clicked, this, &TRegistBox::OkBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TRegistBox::HelpBtnClick);

    source_.load();
    ui->fsTitleEdit->setText(source_.title);
    refresh(-1);
}

TRegistBox::~TRegistBox()
{
    delete ui;
}

void TRegistBox::applyLayout(const RegistLayout &layout)
{
    ui->fsTitleLabel->setVisible(layout.fileSet);
    ui->fsTitleEdit->setVisible(layout.fileSet);
    if (layout.fileSet)
        ui->TitleList->setMinimumHeight(142);
    ui->AddBtn->setVisible(layout.showAdd);
    ui->ChangeBtn->setVisible(layout.showChange);
    ui->HelpBtn->setVisible(layout.showHelp);
    if (!layout.okCaption.isEmpty())
        ui->OkBtn->setText(layout.okCaption);
    if (layout.size.isValid())
        resize(layout.size.expandedTo(minimumSizeHint()));
}

int TRegistBox::selectedIndex() const
{
    const QList<QListWidgetItem *> chosen = ui->TitleList->selectedItems();
    const int row = chosen.isEmpty() ? -1 : ui->TitleList->row(chosen.first());
    return row < source_.list().size() ? row : -1;
}

const RegistEntry *TRegistBox::selectedEntry() const
{
    const int k = selectedIndex();
    return k < 0 ? nullptr : &source_.list().at(k);
}

void TRegistBox::refresh(int selection)
{
    ui->TitleList->clear();
    ui->TitleList->addItems(source_.list().titles());
    if (selection >= 0 && selection < ui->TitleList->count())
        ui->TitleList->setCurrentRow(selection);
    TitleListClick();
}

void TRegistBox::setOkEnabled(bool on)
{
    ui->OkBtn->setEnabled(on);
}

void TRegistBox::TitleListClick()
{
    const int k = selectedIndex();
    const bool on = k >= 0;
    for (QPushButton *b : {ui->ChangeBtn, ui->DeleteBtn, ui->UpBtn, ui->DownBtn})
        b->setEnabled(on);
    ui->TitleList->setToolTip(on ? source_.list().at(k).title : QString());
}

void TRegistBox::appendEntry(const RegistEntry &entry)
{
    refresh(source_.list().append(entry));
}

void TRegistBox::replaceSelected(const RegistEntry &entry)
{
    refresh(source_.list().replace(selectedIndex(), entry));
}

void TRegistBox::AddBtnClick()
{
    if (addHandler_)
        addHandler_();
}

void TRegistBox::ChangeBtnClick()
{
    if (selectedIndex() >= 0 && changeHandler_)
        changeHandler_();
}

void TRegistBox::DeleteBtnClick()
{
    const int k = selectedIndex();
    if (k < 0)
        return;
    refresh(source_.list().remove(k));
    ui->TitleList->setFocus();
}

void TRegistBox::UpBtnClick()
{
    const int k = selectedIndex();
    if (k >= 0)
        refresh(source_.list().moveUp(k));
}

void TRegistBox::DownBtnClick()
{
    const int k = selectedIndex();
    if (k >= 0)
        refresh(source_.list().moveDown(k));
}

void TRegistBox::OkBtnClick()
{
    source_.title = ui->fsTitleEdit->text();
    const RegistVerdict verdict = source_.accept();
    if (verdict.accepted) {
        accept();
        return;
    }
    if (!verdict.message.isEmpty()) {
        Platform::instance().message(this,
                                     verdict.kind == RegistVerdict::Kind::Plain ? Platform::MessageKind::Plain
                                                                                : Platform::MessageKind::Warning,
                                     UserDataText::MessageTitle, verdict.message, Platform::Buttons::Ok);
    }
    if (verdict.focus == RegistVerdict::Focus::List)
        ui->TitleList->setFocus();
    else if (verdict.focus == RegistVerdict::Focus::Title)
        ui->fsTitleEdit->setFocus();
}

void TRegistBox::HelpBtnClick()
{
    if (helpHandler_)
        helpHandler_();
}

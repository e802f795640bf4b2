#include "userdata/tagdictionary/TagTempBox.h"

#include "userdata/tagdictionary/TagCompletion.h"

#include "ui_TagTempBox.h"

#include <QKeyEvent>

TTagTempBox::TTagTempBox(const QStringList &entries, int typedLength, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), ui(new Ui::TTagTempBox), typedLength_(typedLength)
{
    ui->setupUi(this);
    // Typed letters search the list; an input method would compose text instead.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    ui->ListBox->setAttribute(Qt::WA_InputMethodEnabled, false);
    ui->ListBox->addItems(entries);
    if (ui->ListBox->count() > 0)
        ui->ListBox->setCurrentRow(0);
    ui->ListBox->installEventFilter(this);
    ui->ListBox->setFocus();
    connect(ui->ListBox, &QListWidget::itemDoubleClicked, this, [this] { ListBoxDblClick(); });
}

TTagTempBox::~TTagTempBox()
{
    delete ui;
}

void TTagTempBox::ListBoxDblClick()
{
    choose();
}

void TTagTempBox::ListBoxEnter()
{
    choose();
}

void TTagTempBox::choose()
{
    const QList<QListWidgetItem *> selected = ui->ListBox->selectedItems();
    if (selected.isEmpty())
        return;
    insertion_ = TagCompletion::remainder(selected.first()->text(), typedLength_);
    accept();
}

bool TTagTempBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->ListBox && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ListBoxEnter();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

#include "userdata/search/ReplaceBox.h"

#include "userdata/search/DocumentSearch.h"

#include "ui_ReplaceBox.h"

#include <QLineEdit>

namespace {
void fill(QComboBox *combo, const QStringList &entries)
{
    const QString typed = combo->currentText();
    combo->clear();
    combo->addItems(entries);
    combo->setEditText(typed);
}

QStringList entriesOf(const QComboBox *combo)
{
    QStringList entries;
    for (int i = 0; i < combo->count(); ++i)
        entries << combo->itemText(i);
    return entries;
}
} // namespace

TReplaceBox::TReplaceBox(QWidget *parent) : QDialog(parent), ui(new Ui::TReplaceBox)
{
    ui->setupUi(this);
    connect(ui->FindNextBtn, &QPushButton::clicked, this, [this] { run(Action::FindNext); });
    connect(ui->ReplaceBtn, &QPushButton::clicked, this, [this] { run(Action::Replace); });
    connect(ui->ReplaceAllBtn, &QPushButton::clicked, this, [this] { run(Action::ReplaceAll); });
    connect(ui->CloseBtn, &QPushButton::clicked, this, &QDialog::reject);
    // Nothing to find, nothing to do.
    const auto follow = [this] {
        const bool some = !findText().isEmpty();
        ui->FindNextBtn->setEnabled(some);
        ui->ReplaceBtn->setEnabled(some);
        ui->ReplaceAllBtn->setEnabled(some);
    };
    connect(ui->FindCombo, &QComboBox::editTextChanged, this, follow);
    follow();
}

TReplaceBox::~TReplaceBox()
{
    delete ui;
}

void TReplaceBox::setFindText(const QString &text)
{
    ui->FindCombo->setEditText(DocumentSearch::firstLine(text));
    // Typing over it is the usual next step.
    ui->FindCombo->lineEdit()->selectAll();
}

QString TReplaceBox::findText() const
{
    return DocumentSearch::firstLine(ui->FindCombo->currentText());
}

QString TReplaceBox::replacement() const
{
    return ui->ReplaceCombo->currentText();
}

void TReplaceBox::setFindHistory(const QStringList &entries)
{
    fill(ui->FindCombo, entries);
}

QStringList TReplaceBox::findHistory() const
{
    return entriesOf(ui->FindCombo);
}

void TReplaceBox::setReplaceHistory(const QStringList &entries)
{
    fill(ui->ReplaceCombo, entries);
}

QStringList TReplaceBox::replaceHistory() const
{
    return entriesOf(ui->ReplaceCombo);
}

bool TReplaceBox::caseSensitive() const
{
    return ui->CaseCheck->isChecked();
}

void TReplaceBox::setSelectionScope(bool chosen, bool available)
{
    ui->SelectionRadio->setEnabled(available);
    (chosen && available ? ui->SelectionRadio : ui->WholeRadio)->setChecked(true);
}

bool TReplaceBox::inSelection() const
{
    return ui->SelectionRadio->isChecked();
}

QComboBox *TReplaceBox::findCombo() const
{
    return ui->FindCombo;
}

QComboBox *TReplaceBox::replaceCombo() const
{
    return ui->ReplaceCombo;
}

void TReplaceBox::run(Action action)
{
    // The field shows what is searched for.
    if (findText() != ui->FindCombo->currentText())
        ui->FindCombo->setEditText(findText());
    if (handler_ && !findText().isEmpty())
        handler_(*this, action);
}

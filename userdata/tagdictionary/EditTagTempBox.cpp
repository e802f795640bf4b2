#include "userdata/tagdictionary/EditTagTempBox.h"

#include "platform/AtomicFile.h"
#include "platform/Platform.h"
#include "userdata/tagdictionary/TagDictionary.h"

#include "ui_EditTagTempBox.h"

#include <QGuiApplication>

TEditTagTempBox::TEditTagTempBox(const QStringList &lines, const QString &programFolder, Saver saver, QWidget *parent)
    : QDialog(parent), ui(new Ui::TEditTagTempBox), editor_(lines), programFolder_(programFolder), saver_(std::move(saver))
{
    ui->setupUi(this);
    // A click makes the item current before it selects it: follow the selection.
    connect(ui->TagListBox, &QListWidget::itemSelectionChanged, this, [this] { TagListBoxClick(); });
    connect(ui->AddBtn, &QPushButton::clicked, this, &TEditTagTempBox::AddBtnClick);
    connect(ui->DelBtn, &QPushButton::clicked, this, &TEditTagTempBox::DelBtnClick);
    connect(ui->UpdateBtn, &QPushButton::clicked, this, &TEditTagTempBox::UpdateBtnClick);
    connect(ui->SaveBtn, &QPushButton::clicked, this, &TEditTagTempBox::SaveBtnClick);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TEditTagTempBox::HelpBtnClick);
    fillTagList();
    showNotices();
}

TEditTagTempBox::~TEditTagTempBox()
{
    delete ui;
}

void TEditTagTempBox::fillTagList()
{
    const QSignalBlocker quiet(ui->TagListBox);
    ui->TagListBox->clear();
    ui->TagListBox->addItems(editor_.names());
    ui->TagListBox->setCurrentRow(-1);
}

QString TEditTagTempBox::selectedTag() const
{
    const QList<QListWidgetItem *> selected = ui->TagListBox->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void TEditTagTempBox::showNotices()
{
    Platform &platform = Platform::instance();
    const QString title = QGuiApplication::applicationDisplayName();
    for (const TagDictionaryEditor::Notice &n : editor_.notices()) {
        if (n.kind == TagDictionaryEditor::Notice::Kind::IndexOfError) {
            // A copy to look at when the file's blocks do not match up.
            AtomicFile::write(programFolder_ + QStringLiteral("IndexOf.txt"), TagDictionary::bytesOf(n.snapshot));
            platform.message(this, Platform::MessageKind::Plain, title, n.text(), Platform::Buttons::Ok);
        } else {
            platform.message(this, Platform::MessageKind::Warning, title, n.text(), Platform::Buttons::Ok,
                             pos() + QPoint(20, 30));
        }
    }
}

void TEditTagTempBox::TagListBoxClick()
{
    const QString name = selectedTag();
    if (name.isEmpty())
        return;
    ui->TagEdit->setText(name);
    const QStringList attributes = editor_.attributes(name);
    ui->OptionEditor->setPlainText(attributes.join(QLatin1Char('\n')));
    showNotices();
}

void TEditTagTempBox::AddBtnClick()
{
    const bool added = editor_.add(ui->TagEdit->text());
    if (added)
        fillTagList();
    showNotices();
}

void TEditTagTempBox::DelBtnClick()
{
    const QString name = selectedTag();
    if (name.isEmpty())
        return;
    if (editor_.remove(name)) {
        fillTagList();
        ui->OptionEditor->clear();
    }
    showNotices();
}

void TEditTagTempBox::UpdateBtnClick()
{
    const QString name = selectedTag();
    if (name.isEmpty() || ui->OptionEditor->toPlainText().isEmpty())
        return;
    // Refused text stays in the box for the user to mend.
    if (const std::optional<QStringList> options = editor_.update(name, ui->OptionEditor->toPlainText()))
        ui->OptionEditor->setPlainText(options->join(QLatin1Char('\n')));
    showNotices();
}

void TEditTagTempBox::SaveBtnClick()
{
    if (saver_ && saver_(this, editor_.lines()))
        accept();
}

void TEditTagTempBox::HelpBtnClick()
{
    Platform::instance().openWithShell(programFolder_ + QStringLiteral("Help/TagTemplate.html"));
}

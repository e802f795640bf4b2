#include "app/RecoveryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
enum Column { Name, Changed, Disk, Action, ColumnCount };
}

TRecoveryDialog::TRecoveryDialog(const QList<Entry> &entries, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(QStringLiteral("保存されていない変更の復元"));
    auto *layout = new QVBoxLayout(this);
    auto *intro = new QLabel(QStringLiteral("保存されていない変更が残っている文書があります。Tagwell が正しく終了しなかったか、\n"
                                            "前回「あとで」を選んだ文書です。復元した文書は変更ありの状態で開きます。\n"
                                            "ファイルは保存するまで書き換えられません。"),
                             this);
    intro->setWordWrap(false);
    layout->addWidget(intro);

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("RecoveryList"));
    list_->setColumnCount(ColumnCount);
    list_->setHeaderLabels({QStringLiteral("文書"), QStringLiteral("最終変更"), QStringLiteral("ディスク上のファイル"),
                            QStringLiteral("操作")});
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (const Entry &e : entries) {
        auto *item = new QTreeWidgetItem(list_);
        item->setText(Name, e.note.isEmpty() ? e.title : e.title + QStringLiteral("（") + e.note + QStringLiteral("）"));
        item->setToolTip(Name, e.path.isEmpty() ? e.title : e.path);
        item->setText(Changed, e.lastChange.toLocalTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")));
        item->setText(Disk, e.diskState);
        auto *action = new QComboBox(list_);
        action->addItems({QStringLiteral("復元する"), QStringLiteral("破棄する"), QStringLiteral("あとで決める")});
        list_->setItemWidget(item, Action, action);
        actions_ << action;
    }
    // A little room beside each column's widest text, and the choices' own width.
    for (int c = 0; c < ColumnCount; ++c) {
        list_->resizeColumnToContents(c);
        list_->setColumnWidth(c, list_->columnWidth(c) + fontMetrics().horizontalAdvance(QLatin1Char('M')));
    }
    if (!actions_.isEmpty())
        list_->setColumnWidth(Action, std::max(list_->columnWidth(Action), actions_.first()->sizeHint().width()));
    list_->header()->setStretchLastSection(false);
    list_->header()->setSectionResizeMode(Name, QHeaderView::Stretch);
    if (!entries.isEmpty())
        list_->setCurrentItem(list_->topLevelItem(0));
    int width = 0;
    for (int c = 0; c < ColumnCount; ++c)
        width += list_->columnWidth(c);
    list_->setMinimumWidth(width + 2 * list_->frameWidth() + 24);
    layout->addWidget(list_);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    QPushButton *later = buttons->addButton(QStringLiteral("あとで(&L)"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("LaterBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

QList<TRecoveryDialog::Choice> TRecoveryDialog::choices() const
{
    QList<Choice> out;
    for (const QComboBox *action : actions_)
        out << (result() == QDialog::Accepted ? Choice(action->currentIndex()) : Choice::Keep);
    return out;
}

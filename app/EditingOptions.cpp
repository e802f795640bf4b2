#include "app/EditingOptions.h"

#include "app/EditBox.h"
#include "app/LineNumberGutter.h"
#include "app/MainForm.h"
#include "app/SettingsKeys.h"
#include "platform/ProfileStore.h"

#include "ui_MainForm.h"

#include <QAction>
#include <QMenu>

EditingOptions::EditingOptions(TMainForm &form) : QObject(&form), form_(form)
{
    form.bind(QStringLiteral("OptLineNumbers"), [this] { OptLineNumbersClick(); });
    form.bind(QStringLiteral("OptMultiUndo"), [this] { OptMultiUndoClick(); });
    // Without the history Ctrl+Y stays the box's own, as it always was.
    form.bind(QStringLiteral("EditRedo"), [this] { EditRedoClick(); });
    {
        const ProfileStore ini(form.iniPath());
        lineNumbers_ = SettingsKeys::readChoice(ini, SettingsKeys::LineNumbers) == 1;
        multiUndo_ = SettingsKeys::readChoice(ini, SettingsKeys::MultiUndo) == 1;
    }
    connect(&form.events(), &HostEvents::editBoxCreated, this, &EditingOptions::applyTo);
    // Redo is there only with the history it walks; the Edit menu's own rules run first.
    connect(form.form()->MenuEdit, &QMenu::aboutToShow, this, [this] {
        refreshItems();
        form_.setItemEnabled(QStringLiteral("EditRedo"), multiUndo_ && form_.hasDocument());
    });
    applyToAll();
}

void EditingOptions::applyTo(QWidget *widget)
{
    auto *box = qobject_cast<EditBox *>(widget);
    if (!box)
        return;
    LineNumberGutter::show(box, lineNumbers_);
    box->setMultiLevelUndo(multiUndo_);
    form_.setItemEnabled(QStringLiteral("EditRedo"), multiUndo_);
}

void EditingOptions::applyToAll()
{
    form_.undoSnapshot().setEnabled(!multiUndo_);
    for (int i = 0; i < form_.tabCount(); ++i)
        applyTo(form_.EditBoxOfTab(i));
    refreshItems();
}

void EditingOptions::refreshItems()
{
    Ui::TMainForm *ui = form_.form();
    ui->OptLineNumbers->setChecked(lineNumbers_);
    ui->OptMultiUndo->setChecked(multiUndo_);
    ui->EditRedo->setVisible(multiUndo_);
    form_.setItemEnabled(QStringLiteral("EditRedo"), multiUndo_);
}

void EditingOptions::OptLineNumbersClick()
{
    lineNumbers_ = !lineNumbers_;
    applyToAll();
    ProfileStore ini(form_.iniPath());
    form_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::LineNumbers, lineNumbers_ ? 1 : 0), ini);
}

void EditingOptions::OptMultiUndoClick()
{
    multiUndo_ = !multiUndo_;
    applyToAll();
    ProfileStore ini(form_.iniPath());
    form_.settingsWritten(SettingsKeys::write(ini, SettingsKeys::MultiUndo, multiUndo_ ? 1 : 0), ini);
}

void EditingOptions::EditRedoClick()
{
    if (!multiUndo_ || !form_.hasDocument())
        return;
    form_.activeBox()->redo();
}

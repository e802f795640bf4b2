#pragma once

#include "userdata/listmanager/RegistList.h"

#include <QDialog>
#include <QStringList>

#include <functional>

namespace Ui {
class TFileSetBox;
}

// The stored file sets, with a check mark on each set opened at start-up. The sets'
// files are edited in the set editor, which the command group runs for Add and Change.
class TFileSetBox : public QDialog
{
    Q_OBJECT
public:
    // fsPath: FS.ini; startupPath: the settings file holding the start-up list.
    TFileSetBox(const QString &fsPath, const QString &startupPath, QWidget *parent = nullptr);
    ~TFileSetBox() override;

    QStringList titles() const { return list_.titles(); }
    QStringList checkedTitles() const { return checked_; }
    int selectedIndex() const;
    QString selectedTitle() const;

    // Add runs the editor for a new set, Change for the selected one; each gives back the
    // set's title, or an empty string when the user cancelled.
    void setAddHandler(std::function<QString()> handler) { addHandler_ = std::move(handler); }
    void setChangeHandler(std::function<QString()> handler) { changeHandler_ = std::move(handler); }

    void AddBtnClick();
    void ChangeBtnClick();
    void DeleteBtnClick();
    void UpBtnClick();
    void DownBtnClick();
    void OkBtnClick();
    void HelpBtnClick();
    void setChecked(int index, bool on);

private:
    void TitleListClick();
    void refresh(int selection);
    void collectChecked();

    Ui::TFileSetBox *ui;
    QString fsPath_;
    QString startupPath_;
    RegistList list_;
    QStringList checked_;
    bool filling_ = false;
    std::function<QString()> addHandler_;
    std::function<QString()> changeHandler_;
};

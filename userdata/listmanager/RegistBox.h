#pragma once

#include "userdata/listmanager/RegistSource.h"

#include <QDialog>

#include <functional>

namespace Ui {
class TRegistBox;
}

// The list manager: one dialog over a per-kind source (custom tags, templates, a file
// set, the style collection). It shows the source's list and applies Delete, Up and
// Down; Add and Change run the editors the command group supplies, which put their
// entries back through appendEntry and replaceSelected. OK asks the source to keep the list.
class TRegistBox : public QDialog
{
    Q_OBJECT
public:
    explicit TRegistBox(RegistSource &source, QWidget *parent = nullptr);
    ~TRegistBox() override;

    RegistSource &source() { return source_; }
    int selectedIndex() const;
    const RegistEntry *selectedEntry() const;

    void setAddHandler(std::function<void()> handler) { addHandler_ = std::move(handler); }
    void setChangeHandler(std::function<void()> handler) { changeHandler_ = std::move(handler); }
    void setHelpHandler(std::function<void()> handler) { helpHandler_ = std::move(handler); }

    void appendEntry(const RegistEntry &entry);
    void replaceSelected(const RegistEntry &entry);
    // Shows the source's list again, selecting index.
    void refresh(int selection);
    // OK stays visible but cannot be pressed while what it acts on is missing.
    void setOkEnabled(bool on);

    void AddBtnClick();
    void ChangeBtnClick();
    void DeleteBtnClick();
    void UpBtnClick();
    void DownBtnClick();
    void OkBtnClick();
    void HelpBtnClick();

private:
    void TitleListClick();
    void applyLayout(const RegistLayout &layout);

    Ui::TRegistBox *ui;
    RegistSource &source_;
    std::function<void()> addHandler_;
    std::function<void()> changeHandler_;
    std::function<void()> helpHandler_;
};

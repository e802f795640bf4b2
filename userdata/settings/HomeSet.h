#pragma once

#include <QDialog>

namespace Ui {
class THomeSet;
}

// The home folder: a folder of the user's choice, or the program's own.
class THomeSet : public QDialog
{
    Q_OBJECT
public:
    // stored: TW.ini's value, "No" (or empty) for none.
    THomeSet(const QString &programFolder, const QString &stored, QWidget *parent = nullptr);
    ~THomeSet() override;

    // After OK: the folder chosen, or empty when it is the program folder.
    QString chosenFolder() const { return chosen_; }
    Ui::THomeSet *form() const { return ui; }

    void HomeChkClick();
    void FindBtnClick();
    void OkBtnClick();
    void HelpBtnClick();

private:
    Ui::THomeSet *ui;
    QString programFolder_;
    QString chosen_;
};

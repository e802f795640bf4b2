#pragma once

#include <QDialog>

namespace Ui {
class THomeSet;
}

// The home folder: a folder of the user's choice, or the default one (the program's own
// folder, or an installed copy's documents folder).
class THomeSet : public QDialog
{
    Q_OBJECT
public:
    // stored: TW.ini's value, "No" (or empty) for none.
    THomeSet(const QString &defaultFolder, const QString &stored, QWidget *parent = nullptr);
    ~THomeSet() override;

    // After OK: the folder chosen, or empty when it is the default folder.
    QString chosenFolder() const { return chosen_; }
    Ui::THomeSet *form() const { return ui; }

    void HomeChkClick();
    void FindBtnClick();
    void OkBtnClick();
    void HelpBtnClick();

private:
    Ui::THomeSet *ui;
    QString defaultFolder_;
    QString chosen_;
};

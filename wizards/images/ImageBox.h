#pragma once

#include "wizards/images/ImageMarkup.h"

#include <QDialog>

namespace Ui {
class TImageBox;
}

// The image dialog: an IMG tag, or only its attributes, for a picture the user picks.
// Browse reads the picture's size from the file; the path and name radios and the two
// ALT buttons work from the file picked last, not from what the file field holds.
class TImageBox : public QDialog
{
    Q_OBJECT
public:
    // activeDocument: the active tab's document name, for the relative path.
    explicit TImageBox(const QString &activeDocument, QWidget *parent = nullptr);
    ~TImageBox() override;

    // The image tool button's start: options only, the alternative text focused.
    void startWithOptionsOnly();

    // What OK inserts, with the names in the tag case.
    QString insertion(int tagCase) const;
    ImageMarkup::Fields fields() const;
    // The full path of the file picked last through Browse; empty before.
    QString chosenFile() const { return chosenFile_; }

    void Button1Click();
    // Browse's second half: reads the size and takes the file. False, with the message shown
    // and every field as it was, when the file cannot be read.
    bool useFile(const QString &path);
    void PathRadioClick();
    void NameRadioClick();
    void AltFileBtnClick();
    void AltSizeBtnClick();
    void AltClearBtnClick();
    void OptionChkClick();
    void HelpBtnClick();

private:
    void appendToAlt(const QString &text);

    Ui::TImageBox *ui;
    QString activeDocument_;
    QString chosenFile_;
};

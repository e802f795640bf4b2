#pragma once

#include <QDialog>
#include <QRect>
#include <QStringList>

class QComboBox;
class TMainForm;

namespace Ui {
class TInputBox;
}

// The one-line input dialog of the comment, link, mark, frame source and two style
// sheet commands. The opening command sets the mode; OK inserts the mode's markup
// into the active document and, for the address modes, remembers the address.
class TInputBox : public QDialog
{
    Q_OBJECT
public:
    // Needs an open document: it reads the open documents and inserts into the active one.
    explicit TInputBox(TMainForm &form);
    ~TInputBox() override;

    // Set before the dialog is shown (the mode numbers of LinkMarkup::Mode): caption,
    // label, combo style and contents, width and the Browse button follow it.
    void setMode(int mode);
    int mode() const { return mode_; }

    QComboBox *inputCombo() const;
    // A plain edit field without a list (comment, mark and image modes).
    bool isSimpleEdit() const { return simpleEdit_; }

    void OkBtnClick();
    void HelpBtnClick();
    void FindBtnClick();

    // What each mode shows and offers.
    static QString captionOf(int mode);
    static QString labelOf(int mode);
    static bool hasBrowse(int mode);
    // The Browse button's file dialog, filters in Qt form.
    static QString browseTitle(int mode);
    static QStringList browseFilters(int mode);
    // The help page anchor of a mode; empty where no page is written yet.
    static QString helpAnchor(int mode);

    // The input box's dialog width and the Browse button's place in a mode.
    static int widthOf(int mode);
    static QRect browseGeometry(int mode);

private:
    void setSimpleEdit(bool simple);
    void applyLayout();
    void loadContents();
    QStringList marksOfOtherDocuments() const;
    QStringList otherDocumentsRelative() const;

    Ui::TInputBox *ui;
    TMainForm &form_;
    int mode_ = 0;
    bool simpleEdit_ = false;
};

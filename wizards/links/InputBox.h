#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;

namespace Ui {
class TInputBox;
}

// The one-line input dialog of the comment, link, mark, frame source and two style
// sheet commands. Its command sets the mode and the list; OK gives the input back.
class TInputBox : public QDialog
{
    Q_OBJECT
public:
    explicit TInputBox(QWidget *parent = nullptr);
    ~TInputBox() override;

    // Set before the dialog is shown (the mode numbers of LinkMarkup::Mode): caption,
    // label, combo style, width and the Browse button follow it. Empties the list.
    void setMode(int mode);
    int mode() const { return mode_; }
    // The list offered and the entry chosen at first (-1: none, an empty field).
    void setEntries(const QStringList &entries, int chosen = -1);
    QStringList entries() const;
    // Browse: relative paths are made against baseName (a document name); the first
    // Browse starts in firstFolder (empty: where the user last was) and says so.
    void setBrowseBase(const QString &baseName, const QString &firstFolder);
    // The text to insert, as typed or chosen.
    QString input() const;
    // Index of the input in the list, compared exactly; -1 when typed freely.
    int chosenIndex() const;

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

    // The input box's initial width in a mode.
    static int widthOf(int mode);

Q_SIGNALS:
    // The first Browse used the document's folder; later ones start where the user was.
    void firstBrowseUsed();

private:
    void setSimpleEdit(bool simple);

    Ui::TInputBox *ui;
    int mode_ = 0;
    bool simpleEdit_ = false;
    QString browseBase_;
    QString firstFolder_;
};

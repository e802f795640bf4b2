#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class TslListBox;
}

// The picker: a list of names to choose one from, for file sets, custom tags and
// page templates. A double click is OK.
class TslListBox : public QDialog
{
    Q_OBJECT
public:
    enum Mode { FileSets = 0, CustomTags = 1, Templates = 2 };

    TslListBox(Mode mode, const QStringList &items, QWidget *parent = nullptr);
    ~TslListBox() override;

    Mode mode() const { return mode_; }
    // The chosen entry, -1 for none.
    int selectedIndex() const;
    QString selectedText() const;

    void OkBtnClick();

private:
    Ui::TslListBox *ui;
    Mode mode_;
};

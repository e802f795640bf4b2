#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class TTagTempBox;
}

// The completion pop-up: a borderless list under the caret. Enter or a double click
// chooses the selected entry, Escape closes it.
class TTagTempBox : public QDialog
{
    Q_OBJECT
public:
    // typedLength: characters of every entry that are typed already.
    TTagTempBox(const QStringList &entries, int typedLength, QWidget *parent = nullptr);
    ~TTagTempBox() override;

    // What to insert once the pop-up was accepted: the chosen entry without its typed part.
    QString insertion() const { return insertion_; }

    void ListBoxDblClick();
    void ListBoxEnter();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void choose();

    Ui::TTagTempBox *ui;
    int typedLength_ = 0;
    QString insertion_;
};

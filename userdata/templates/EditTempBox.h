#pragma once

#include <QDialog>
#include <QStringList>

namespace Ui {
class TEditTempBox;
}

// Entry of one page template: its title and text. OK writes the template file (and, when
// adding from the main window, lists the title in Title.lst); a refused title or a failed
// write keeps the dialog open with what the user entered.
class TEditTempBox : public QDialog
{
    Q_OBJECT
public:
    enum Mode { AddToList = 0, ChangeInList = 1, AddFromWindow = 2 };

    // folder: the Temp folder. listed: titles the list manager holds now, saved or not.
    TEditTempBox(Mode mode, const QString &folder, const QStringList &listed, QWidget *parent = nullptr);
    ~TEditTempBox() override;

    Mode mode() const { return mode_; }
    // Change mode: the template changed, its text loaded when its file exists.
    void setTemplate(const QString &title);
    // The text to store, as the memo's lines; the caret goes to its start.
    void setText(const QString &text);
    void setMemoFont(const QFont &font);
    QString title() const;

    void OkBtnClick();

Q_SIGNALS:
    void helpRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void warn(const QString &text, QWidget *focus);
    // Why the title cannot be used, or empty.
    QString titleRefusal(const QString &title) const;

    Ui::TEditTempBox *ui;
    Mode mode_;
    QString folder_;
    QStringList listed_;
    QString original_;
};

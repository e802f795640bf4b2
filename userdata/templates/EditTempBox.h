#pragma once

#include <QDialog>
#include <QStringList>

#include <optional>

namespace Ui {
class TEditTempBox;
}

// Entry of one page template: its title and text. Added from the main window, OK writes
// the template file and lists the title in Title.lst; from the list manager, OK only checks
// them and the manager writes them at its own OK. A refused title or text or a failed write
// keeps the dialog open with what the user entered.
class TEditTempBox : public QDialog
{
    Q_OBJECT
public:
    enum Mode { AddToList = 0, ChangeInList = 1, AddFromWindow = 2 };

    // folder: the Temp folder. listed: titles the list manager holds now, saved or not.
    TEditTempBox(Mode mode, const QString &folder, const QStringList &listed, QWidget *parent = nullptr);
    ~TEditTempBox() override;

    Mode mode() const { return mode_; }
    // Change mode: the template changed, showing text, or else its file's text when the file exists.
    void setTemplate(const QString &title, const std::optional<QString> &text = std::nullopt);
    // The text to store, as the memo's lines; the caret goes to its start.
    void setText(const QString &text);
    void setMemoFont(const QFont &font);
    QString title() const;
    QString text() const;

    void OkBtnClick();

Q_SIGNALS:
    void helpRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void warn(const QString &text, QWidget *focus, bool screenCentred = false);
    // Why the title cannot be used, or empty.
    QString titleRefusal(const QString &title) const;

    Ui::TEditTempBox *ui;
    Mode mode_;
    QString folder_;
    QStringList listed_;
    QString original_;
};

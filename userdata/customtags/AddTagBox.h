#pragma once

#include <QDialog>

namespace Ui {
class TAddTagBox;
}

// Entry of one custom tag: the opening and closing tag typed without their brackets,
// with live previews, and the name it is registered under. Add mode unless an entry is
// given to change.
class TAddTagBox : public QDialog
{
    Q_OBJECT
public:
    // upperCase: the tag case setting, which picks the case radio checked at first.
    explicit TAddTagBox(bool upperCase, QWidget *parent = nullptr);
    ~TAddTagBox() override;

    // Change mode, filled from a stored entry (foot "No" for none).
    void setEntry(const QString &name, const QString &head, const QString &foot);
    bool isChangeMode() const { return changeMode_; }

    // The result after OK: as previewed.
    QString name() const;
    QString head() const;
    QString foot() const;

    void OkBtnClick();
    void HelpBtnClick();

Q_SIGNALS:
    void helpRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void HTagEditChange(const QString &text);
    void BTagEditChange(const QString &text);
    void NoCloseChkClick();

    Ui::TAddTagBox *ui;
    bool spaceTyped_ = false;
    bool changeMode_ = false;
};

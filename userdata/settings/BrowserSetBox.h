#pragma once

#include <QDialog>

namespace Ui {
class TBrowserSetBox;
}

// The preview browsers: the main one's path and key, and an optional sub browser.
class TBrowserSetBox : public QDialog
{
    Q_OBJECT
public:
    explicit TBrowserSetBox(QWidget *parent = nullptr);
    ~TBrowserSetBox() override;

    // TW.ini's values; a path whose file is gone is shown empty (main) or as not used (sub).
    void setStored(const QString &mainPath, int mainKey, const QString &subPath, int subKey);

    // After OK. Keys are list indexes, 0..10 for F2..F12.
    QString mainPath() const;
    int mainKey() const { return mainKey_; }
    bool subUsed() const;
    QString subPath() const;
    int subKey() const { return subKey_; }
    Ui::TBrowserSetBox *form() const { return ui; }

    void SubUseChkClick();
    void mainShortCutComboChange(int index);
    void subShortCutComboChange(int index);
    void OkBtnClick();

Q_SIGNALS:
    void helpRequested();

private:
    void browse(class QLineEdit *edit);

    Ui::TBrowserSetBox *ui;
    int mainKey_ = 7;
    int subKey_ = 8;
};

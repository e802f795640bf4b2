#pragma once

#include <QDialog>

namespace Ui {
class TResultDlg;
}

// The save notice: shown without waiting, it closes and frees itself after 800 ms.
class TResultDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TResultDlg(QWidget *parent = nullptr);
    ~TResultDlg() override;

    static constexpr int Lifetime = 800;

private:
    Ui::TResultDlg *ui;
};

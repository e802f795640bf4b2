#pragma once

#include <QDialog>

namespace Ui {
class TAboutBox;
}

// The version information box.
class TAboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutBox(QWidget *parent = nullptr);
    ~TAboutBox() override;

private:
    Ui::TAboutBox *ui;
};

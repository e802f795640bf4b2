#include "app/ResultDlg.h"

#include "ui_ResultDlg.h"

#include <QStyle>
#include <QTimer>

TResultDlg::TResultDlg(QWidget *parent) : QDialog(parent), ui(new Ui::TResultDlg)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(217, 60);
    const int icon = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    ui->Image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, this).pixmap(icon, icon));
    QTimer::singleShot(Lifetime, this, &QDialog::close);
}

TResultDlg::~TResultDlg()
{
    delete ui;
}

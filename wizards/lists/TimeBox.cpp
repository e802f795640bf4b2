#include "wizards/lists/TimeBox.h"

#include "platform/Clock.h"

#include "ui_TimeBox.h"

TTimeBox::TTimeBox(const DateParts &state, const std::array<int, 3> &saved, const QString &order,
                   const DateFormat::Conventions &conventions, QWidget *parent)
    : QDialog(parent), ui(new Ui::TTimeBox), parts_(state), conventions_(conventions)
{
    ui->setupUi(this);
    ui->DateList->addItems(DateFormat::dateEntries());
    ui->TimeList->addItems(DateFormat::timeEntries());
    ui->DayList->addItems(DateFormat::dayEntries());
    const QDateTime now = Clock::now();
    for (int part = 0; part < 3; ++part) {
        QComboBox *combo = list(part);
        const int index = saved[part] > 0 && saved[part] < combo->count() ? saved[part] : 0;
        combo->setCurrentIndex(index);
        parts_.choose(part, index, now, conventions_);
        connect(combo, &QComboBox::activated, this, [this, part](int i) { ListClick(part, i); });
    }
    parts_.applyOrder(order);
    showPreview();
    connect(ui->OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui->CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui->HelpBtn, &QPushButton::clicked, this, &TTimeBox::helpRequested);
}

TTimeBox::~TTimeBox()
{
    delete ui;
}

QComboBox *TTimeBox::list(int part) const
{
    QComboBox *const lists[] = {ui->DateList, ui->TimeList, ui->DayList};
    return lists[part];
}

void TTimeBox::ListClick(int part, int index)
{
    if (part < 0 || part > 2)
        return;
    if (list(part)->currentIndex() != index)
        list(part)->setCurrentIndex(index);
    parts_.choose(part, index, Clock::now(), conventions_);
    showPreview();
}

QString TTimeBox::preview() const
{
    return parts_.preview();
}

void TTimeBox::showPreview()
{
    ui->ViewPanel->setText(parts_.preview());
}

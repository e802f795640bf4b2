#pragma once

#include "wizards/lists/DateFormat.h"

#include <QDialog>

class QComboBox;

namespace Ui {
class TTimeBox;
}

// The date and time dialog: a format for each of date, time and weekday, put together in
// the order they were chosen.
class TTimeBox : public QDialog
{
    Q_OBJECT
public:
    // state: what the parts were when the dialog last closed; saved: the list entries stored
    // (date, time, weekday) and order their stored positions.
    TTimeBox(const DateParts &state, const std::array<int, 3> &saved, const QString &order,
             const DateFormat::Conventions &conventions, QWidget *parent = nullptr);
    ~TTimeBox() override;

    const DateParts &parts() const { return parts_; }
    QString preview() const;

    // The user picks entry index of the list of part (the lists' own choice signals come here).
    void ListClick(int part, int index);

Q_SIGNALS:
    void helpRequested();

private:
    QComboBox *list(int part) const;
    void showPreview();

    Ui::TTimeBox *ui;
    DateParts parts_;
    DateFormat::Conventions conventions_;
};

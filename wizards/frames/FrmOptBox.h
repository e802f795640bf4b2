#pragma once

#include "wizards/frames/FrameMarkup.h"

#include <QDialog>

namespace Ui {
class TFrmOptBox;
}

// The frame tag options, with the attributes shown as they will go in.
class TFrmOptBox : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmOptBox(int tagCase, QWidget *parent = nullptr);
    ~TFrmOptBox() override;

    FrameMarkup::Options options() const;
    // What OK inserts: the sample's text.
    QString insertion() const;

    void FrmScrollChkClick();
    void SampleChange();

Q_SIGNALS:
    void helpRequested(const QString &page, const QString &anchor);

private:
    Ui::TFrmOptBox *ui;
    int tagCase_;
    int scrolling_ = FrameMarkup::ScrollNo;
};

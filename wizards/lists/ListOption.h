#pragma once

#include <QDialog>

namespace Ui {
class TListOption;
}

// The list tag options: TYPE with VALUE for an LI tag or START for an OL tag.
class TListOption : public QDialog
{
    Q_OBJECT
public:
    explicit TListOption(QWidget *parent = nullptr);
    ~TListOption() override;

    // "TYPE=i START=5", names in the tag case.
    QString insertion(int tagCase) const;

    void TargetClick();

private:
    Ui::TListOption *ui;
};

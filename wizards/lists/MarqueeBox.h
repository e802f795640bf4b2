#pragma once

#include "editing/RgbColor.h"
#include "wizards/lists/MarqueeMarkup.h"

#include <QDialog>

namespace Ui {
class TMarqueeBox;
}

// The marquee dialog: the text and how it moves and sits; OK gives the settings.
class TMarqueeBox : public QDialog
{
    Q_OBJECT
public:
    // chooseColor: the main window's colour dialog.
    TMarqueeBox(const MarqueeMarkup::Settings &settings, const QString &text, ColorChooser chooseColor,
                QWidget *parent = nullptr);
    ~TMarqueeBox() override;

    MarqueeMarkup::Settings settings() const;
    void setSettings(const MarqueeMarkup::Settings &settings);
    QString text() const;
    QString insertion(int tagCase) const;

    void ResetBtnClick();
    void ChangeColorClick();

private:
    void showColor();

    Ui::TMarqueeBox *ui;
    ColorChooser chooseColor_;
    RgbColor color_;
};

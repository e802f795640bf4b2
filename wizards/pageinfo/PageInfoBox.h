#pragma once

#include "wizards/pageinfo/PageInfoMarkup.h"

#include <QColor>
#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QPushButton;

namespace Ui {
class TPageInfoBox;
}

// The page information dialog: shows what the document's frame holds and gives back
// what OK writes. Colours are chosen through the picker the caller hands in.
class TPageInfoBox : public QDialog
{
    Q_OBJECT
public:
    using ColorPicker = std::function<std::optional<QColor>(const QColor &initial)>;

    TPageInfoBox(const PageInfoMarkup::PageInfo &info, ColorPicker pickColor, QWidget *parent = nullptr);
    ~TPageInfoBox() override;

    PageInfoMarkup::Fields fields() const;
    // The full path of the background image chosen last through Browse; empty before.
    QString chosenImage() const { return chosenImage_; }
    QColor swatchColor() const { return swatch_; }
    QColor sampleColor(int index) const { return samples_[index].color; }

    void ColorBtnClick();
    void ImgBtnClick();
    // Browse's second half: takes the file chosen.
    void useImage(const QString &path);
    void AddPathRadioClick();
    void NameRadioClick();
    void ChangeColorClick(int index);
    void PageControlChange();
    void HelpBtnClick();

Q_SIGNALS:
    void helpRequested(const QString &page, const QString &anchor);

private:
    // The text and link colours of page 3, in the order TEXT, LINK, VLINK, ALINK.
    struct Sample
    {
        QCheckBox *check = nullptr;
        QLabel *label = nullptr;
        QPushButton *button = nullptr;
        QColor color = Qt::black;
        QColor initialColor = Qt::black;
        bool wasWritten = false;
        QString written; // the value as the document had it
    };
    void sampleToggled(int index, bool on);
    void paintSample(int index);
    void paintSwatch();

    Ui::TPageInfoBox *ui;
    ColorPicker pickColor_;
    bool titleEdited_ = false;
    QColor swatch_ = Qt::white;
    QColor initialSwatch_ = Qt::white;
    std::optional<QString> writtenBgColor_;
    std::array<Sample, 4> samples_;
    QString chosenImage_;
};

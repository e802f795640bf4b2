#pragma once

#include "editing/RgbColor.h"
#include "wizards/fonts/FontMarkup.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <optional>

class QButtonGroup;

namespace Ui {
class TFontBox;
}

// The font dialog: a FONT tag with size and colour, optionally bold and italic.
class TFontBox : public QDialog
{
    Q_OBJECT
public:
    using ColorPicker = std::function<std::optional<QColor>(const QColor &initial)>;

    // selection: the document's selected text, shown trimmed as the sample.
    TFontBox(const QString &selection, ColorPicker pickColor, QWidget *parent = nullptr);
    ~TFontBox() override;

    int fontSize() const { return size_; }
    QColor color() const { return color_; }
    FontMarkup::Pair tags() const;

    void SizeRadioClick(int size);
    void ColorButtonClick();
    void HelpBtnClick();

private:
    void paintSample();

    Ui::TFontBox *ui;
    ColorPicker pickColor_;
    QButtonGroup *sizes_;
    QString sample_ = QStringLiteral("Sample");
    int size_ = 3;
    QColor color_ = Qt::black;
};

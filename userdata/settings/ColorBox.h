#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QLabel;

namespace Ui {
class TColorBox;
}

// The editor's, the document tabs' and the status bar's fonts and the editing boxes'
// colours, each previewed as it will be used.
class TColorBox : public QDialog
{
    Q_OBJECT
public:
    using ColorChooser = std::function<std::optional<QColor>(const QColor &)>;
    enum class Page { Font, Color };

    // chooser: the shared colour dialog.
    TColorBox(ColorChooser chooser, QWidget *parent = nullptr);
    ~TColorBox() override;

    void setValues(const QFont &editor, const QColor &text, const QColor &memo, const QFont &pageTab,
                   const QFont &status);
    void showPage(Page page);

    QFont editorFont() const;
    QFont pageTabFont() const;
    QFont statusFont() const;
    QColor textColor() const { return text_; }
    QColor memoColor() const { return memo_; }
    // A font the user chose in the font dialog (else the one given in is kept).
    bool editorChosen() const { return chosen_[0]; }
    bool pageTabChosen() const { return chosen_[1]; }
    bool statusChosen() const { return chosen_[2]; }
    Ui::TColorBox *form() const { return ui; }

    void FontButtonClick(int which); // 0 editor, 1 page tab, 2 status bar
    void FontChangeButtonClick();
    void MemoChangeButtonClick();

private:
    QLabel *fontLabel(int which) const;
    void showColors();

    Ui::TColorBox *ui;
    ColorChooser chooser_;
    QColor text_ = Qt::black;
    QColor memo_ = Qt::white;
    bool chosen_[3] = {};
};

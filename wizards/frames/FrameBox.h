#pragma once

#include "wizards/frames/FrameMarkup.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace Ui {
class TFrameBox;
}

// The frame wizard: a layout type and the source and target of each frame.
class TFrameBox : public QDialog
{
    Q_OBJECT
public:
    // sources: what each source list offers; activeDocument: the file browsing starts from
    // and paths are made relative to, empty for an untitled document.
    TFrameBox(const QStringList &sources, const QString &activeDocument, QWidget *parent = nullptr);
    ~TFrameBox() override;

    int type() const { return type_; }
    std::array<FrameMarkup::Row, 3> rows() const;
    QString insertion(int tagCase) const;

    void TypeClick(int type);
    void BrowseClick(int row);
    void OkBtnClick();

Q_SIGNALS:
    void helpRequested(const QString &page, const QString &anchor);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *source(int row) const;
    QLineEdit *target(int row) const;

    Ui::TFrameBox *ui;
    QString activeDocument_;
    int type_ = FrameMarkup::TypeA;
};

#pragma once

#include <QFrame>
#include <QString>
#include <QTimer>

// A status bar panel for text that changes on every key (the caret's place): a new text
// only repaints the panel, where a label would have the whole bar laid out again, and the
// repaints of fast typing are gathered into one every few hundredths of a second.
class StatusText : public QFrame
{
    Q_OBJECT
public:
    explicit StatusText(QWidget *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);
    // Wide enough for this text in the current font, borders included.
    int widthFor(const QString &text) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    qsizetype longest_ = 0;
    QTimer repaint_;
};

#pragma once

#include "app/EditBox.h"

#include <QList>
#include <QWidget>

// The line numbers at the left of an editing box, in its font and colours. Only the lines
// on screen are painted, and only the stretch the box repaints.
class LineNumberGutter : public QWidget
{
    Q_OBJECT
public:
    // Gives box its gutter, or takes it away; either is done once however often asked.
    static void show(EditBox *box, bool on);
    static LineNumberGutter *of(const EditBox *box);

    // Wide enough for the highest number of the document.
    int neededWidth() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LineNumberGutter(EditBox *box);
    void refreshWidth();
    void place();

    EditBox *box_;
    int digits_ = 0;
    // What decides where the numbers stand: the first line shown and the scroll position,
    // the number of lines and the laid-out height of the text (a line wrapping anew).
    struct Place
    {
        int first = -1;
        int scroll = 0;
        int lines = 0;
        qreal height = 0;
        friend bool operator==(const Place &, const Place &) = default;
    };
    Place where() const;
    Place place_; // as last painted
};

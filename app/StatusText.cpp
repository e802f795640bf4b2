#include "app/StatusText.h"

#include <QFontMetrics>
#include <QPainter>

StatusText::StatusText(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Sunken);
    setContentsMargins(6, 0, 6, 0);
    repaint_.setSingleShot(true);
    repaint_.setInterval(40);
    connect(&repaint_, &QTimer::timeout, this, qOverload<>(&QWidget::update));
}

void StatusText::setText(const QString &text)
{
    if (text == text_)
        return;
    text_ = text;
    // Longer numbers than the panel was made for: it grows once, and stays so. Measured
    // only past the longest text so far, not on every key.
    if (text.size() > longest_) {
        longest_ = text.size();
        const int needed = widthFor(text);
        if (needed > width())
            setFixedWidth(needed);
    }
    if (!repaint_.isActive())
        repaint_.start();
}

int StatusText::widthFor(const QString &text) const
{
    const QMargins m = contentsMargins();
    return QFontMetrics(font()).horizontalAdvance(text) + m.left() + m.right() + 2 * frameWidth() + 2;
}

void StatusText::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(contentsRect(), Qt::AlignCenter, text_);
}

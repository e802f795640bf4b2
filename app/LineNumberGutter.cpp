#include "app/LineNumberGutter.h"

#include "app/EditBox.h"

#include <QEvent>
#include <QPaintEvent>
#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace {
constexpr int Padding = 4; // on each side of the numbers

int digitsOf(int n)
{
    int digits = 1;
    for (; n >= 10; n /= 10)
        ++digits;
    return digits;
}
} // namespace

LineNumberGutter::LineNumberGutter(EditBox *box) : QWidget(box), box_(box)
{
    setObjectName(QStringLiteral("LineNumberGutter"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(box, &QPlainTextEdit::blockCountChanged, this, &LineNumberGutter::refreshWidth);
    connect(box, &QPlainTextEdit::updateRequest, this, [this](const QRect &, int dy) {
        if (dy != 0) {
            scroll(0, dy);
            return;
        }
        // Typing repaints the text's line, never the numbers; they change only when lines
        // come, go or move, and then one of these changes too.
        const Place now = where();
        if (now != place_) {
            place_ = now;
            update();
        }
    });
    connect(box, &EditBox::destroying, this, [this] { box_ = nullptr; });
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    refreshWidth();
    place();
    QWidget::show();
}

void LineNumberGutter::show(EditBox *box, bool on)
{
    LineNumberGutter *gutter = of(box);
    if (on && !gutter) {
        new LineNumberGutter(box);
    } else if (!on && gutter) {
        delete gutter;
        box->setGutterWidth(0);
    }
}

LineNumberGutter *LineNumberGutter::of(const EditBox *box)
{
    return box->findChild<LineNumberGutter *>(QString(), Qt::FindDirectChildrenOnly);
}

int LineNumberGutter::neededWidth() const
{
    return box_->fontMetrics().horizontalAdvance(QLatin1Char('9')) * std::max(digits_, 2) + 2 * Padding + 1;
}

LineNumberGutter::Place LineNumberGutter::where() const
{
    const auto *layout = box_->document()->documentLayout();
    return {box_->firstVisibleLine(), box_->verticalScrollBar()->value(), box_->blockCount(),
            layout ? layout->documentSize().height() : 0.0};
}

void LineNumberGutter::refreshWidth()
{
    const int digits = digitsOf(box_->blockCount());
    if (digits == digits_ && box_->gutterWidth() == neededWidth())
        return;
    digits_ = digits;
    box_->setGutterWidth(neededWidth());
    place();
}

void LineNumberGutter::place()
{
    // Level with the text's viewport, so both share their vertical coordinates.
    const QRect text = box_->viewport()->geometry();
    setGeometry(box_->contentsRect().left(), text.top(), neededWidth(), text.height());
}

bool LineNumberGutter::eventFilter(QObject *watched, QEvent *event)
{
    if (!box_)
        return QWidget::eventFilter(watched, event);
    if (watched == box_->viewport() && event->type() == QEvent::Resize) {
        place();
    } else if (watched == box_) {
        if (event->type() == QEvent::Resize) {
            place();
        } else if (event->type() == QEvent::FontChange) {
            digits_ = 0;
            refreshWidth();
        } else if (event->type() == QEvent::PaletteChange) {
            update();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void LineNumberGutter::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QPalette colours = box_->palette();
    const QColor background = colours.color(QPalette::Base);
    const QColor text = colours.color(QPalette::Text);
    painter.fillRect(event->rect(), background);
    // Half way to the background: the numbers stay readable but apart from the text.
    const QColor number((text.red() + background.red()) / 2, (text.green() + background.green()) / 2,
                        (text.blue() + background.blue()) / 2);
    painter.setPen(number);
    painter.drawLine(width() - 1, event->rect().top(), width() - 1, event->rect().bottom());
    painter.setFont(box_->font());
    const int lineHeight = box_->fontMetrics().height();
    const int top = event->rect().top();
    const int bottom = event->rect().bottom();
    place_ = where();
    for (const EditBox::ShownLine &line : box_->shownLines()) {
        if (line.top > bottom)
            break;
        if (line.top + line.height < top)
            continue;
        painter.drawText(0, line.top, width() - Padding - 1, lineHeight, Qt::AlignRight | Qt::AlignVCenter,
                         QString::number(line.number + 1));
    }
}

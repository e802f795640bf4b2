#include "app/StatusPanels.h"

#include "app/StatusText.h"

#include <QDate>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

#include <cstdlib>

StatusPanels::StatusPanels(QStatusBar *bar) : QObject(bar), bar_(bar)
{
    for (int i = 0; i < PanelCount; ++i) {
        panels_[i] = new QLabel(bar);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        panels_[i]->setTextFormat(Qt::PlainText);
        panels_[i]->setAlignment(i == Free ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
        if (i == Encoding) {
            panels_[i]->setContentsMargins(6, 0, 6, 0);
            bar->addPermanentWidget(panels_[i]);
        } else {
            bar->addWidget(panels_[i]);
        }
    }
    // Left of the encoding.
    caret_ = new StatusText(bar);
    caret_->setObjectName(QStringLiteral("StatusPanel%1").arg(Caret));
    bar->insertPermanentWidget(Encoding, caret_); // the bar counts its four ordinary panels first
    timer_.setInterval(30000);
    connect(&timer_, &QTimer::timeout, this, &StatusPanels::refreshDate);
}

void StatusPanels::setFont(const QFont &font)
{
    bar_->setFont(font);
    for (QLabel *panel : panels_)
        panel->setFont(font);
    caret_->setFont(font);
}

void StatusPanels::layout(const QFont &font)
{
    timer_.stop();
    bar_->setUpdatesEnabled(false);
    int h = std::abs(QFontInfo(font).pixelSize());
    h = h + h / 2;
    bar_->setFixedHeight(h);
    refreshDate();
    panels_[Date]->setFixedWidth(5 * h);
    panels_[Modified]->setFixedWidth(3 * h);
    panels_[Position]->setFixedWidth(3 * h);
    panels_[Free]->setFixedWidth(50);
    caret_->setFixedWidth(caret_->widthFor(caretText(99999, 9999)));
    bar_->setUpdatesEnabled(true);
    timer_.start();
}

void StatusPanels::setText(Panel panel, const QString &text)
{
    if (panel == Caret)
        caret_->setText(text);
    else
        panels_[panel]->setText(text);
}

QString StatusPanels::text(int panel) const
{
    if (panel == Caret)
        return caret_->text();
    return panel >= 0 && panel < PanelCount ? panels_[panel]->text() : QString();
}

QString StatusPanels::caretText(int line, int column)
{
    return QStringLiteral("%1 行 : %2 桁").arg(line).arg(column);
}

void StatusPanels::showNote(const QString &text)
{
    bar_->showMessage(text, 5000);
}

QString StatusPanels::note() const
{
    return bar_->currentMessage();
}

void StatusPanels::refreshDate()
{
    panels_[Date]->setText(QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
}

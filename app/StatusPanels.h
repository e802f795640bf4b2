#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QFont;
class QLabel;
class QStatusBar;
class StatusText;

// The status bar's four panels: the date (kept current), the modified mark, the tab
// position and a free panel; and at its right end the caret's line and column and the
// active document's encoding and line break.
class StatusPanels : public QObject
{
    Q_OBJECT
public:
    enum Panel { Date = 0, Modified = 1, Position = 2, Free = 3, Encoding = 4, Caret = 5 };

    // "12 行 : 5 桁": line and column counted from 1.
    static QString caretText(int line, int column);

    explicit StatusPanels(QStatusBar *bar);

    void setFont(const QFont &font);
    // Panel widths and bar height from the font, as the font is now.
    void layout(const QFont &font);
    void setText(Panel panel, const QString &text);
    QString text(int panel) const;
    // Shown in place of the panels on the left for a few seconds.
    void showNote(const QString &text);
    QString note() const;

private:
    void refreshDate();

    QStatusBar *bar_;
    static constexpr int PanelCount = 5; // the labels; the caret has a panel of its own
    QLabel *panels_[PanelCount] = {};
    StatusText *caret_ = nullptr;
    QTimer timer_;
};

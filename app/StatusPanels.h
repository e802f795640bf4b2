#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QFont;
class QLabel;
class QStatusBar;

// The status bar's four panels: the date (kept current), the modified mark, the tab
// position and a free panel; and at its right end the active document's encoding and line
// break.
class StatusPanels : public QObject
{
    Q_OBJECT
public:
    enum Panel { Date = 0, Modified = 1, Position = 2, Free = 3, Encoding = 4 };

    explicit StatusPanels(QStatusBar *bar);

    void setFont(const QFont &font);
    // Panel widths and bar height from the font, as the font is now.
    void layout(const QFont &font);
    void setText(Panel panel, const QString &text);
    QString text(int panel) const;

private:
    void refreshDate();

    QStatusBar *bar_;
    static constexpr int PanelCount = 5;
    QLabel *panels_[PanelCount] = {};
    QTimer timer_;
};

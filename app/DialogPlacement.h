#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a dialog's top-left corner goes, relative to the main window's frame
// (screen coordinates). Halves are rounded towards zero.
class DialogPlacement
{
public:
    static QPoint atCursor(const QRect &mainFrame, const QSize &dialog, const QPoint &cursor);
    static QPoint upperThird(const QRect &mainFrame, const QSize &dialog);
    static QPoint centered(const QRect &mainFrame, const QSize &dialog);
    static QPoint bottomRight(const QRect &mainFrame, const QSize &dialog);
};

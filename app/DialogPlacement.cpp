#include "app/DialogPlacement.h"

QPoint DialogPlacement::atCursor(const QRect &mainFrame, const QSize &dialog, const QPoint &cursor)
{
    int left = cursor.x();
    int top = cursor.y();
    const int mainRight = mainFrame.x() + mainFrame.width();
    const int mainBottom = mainFrame.y() + mainFrame.height();
    if (left + dialog.width() > mainRight)
        left = mainRight - dialog.width();
    if (top + dialog.height() > mainBottom)
        top = mainBottom - dialog.height();
    return {left, top};
}

QPoint DialogPlacement::upperThird(const QRect &mainFrame, const QSize &dialog)
{
    return {mainFrame.x() + (mainFrame.width() - dialog.width()) / 2,
            mainFrame.y() + (mainFrame.height() - dialog.height()) / 3};
}

QPoint DialogPlacement::centered(const QRect &mainFrame, const QSize &dialog)
{
    return {mainFrame.x() + (mainFrame.width() - dialog.width()) / 2,
            mainFrame.y() + (mainFrame.height() - dialog.height()) / 2};
}

QPoint DialogPlacement::bottomRight(const QRect &mainFrame, const QSize &dialog)
{
    return {mainFrame.x() + mainFrame.width() - dialog.width(),
            mainFrame.y() + mainFrame.height() - dialog.height()};
}

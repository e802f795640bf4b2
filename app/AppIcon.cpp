#include "app/AppIcon.h"

// Q_INIT_RESOURCE may not stand inside a namespace or class.
static void initAppIconResource()
{
    Q_INIT_RESOURCE(appicon);
}

QIcon AppIcon::icon()
{
    initAppIconResource();
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/appicon/%1.png").arg(size), QSize(size, size));
    return icon;
}
